#include "FamilyBuilder.h"

#include "CalcTags.h"
#include "Dates.h"
#include "Lookups.h"

namespace {

const std::string Yes = std::to_string(AnswerYes);
const std::string No = std::to_string(AnswerNo);

std::string Code(bool yes) {
    return yes ? Yes : No;
}

void AppendRow(TStringList& lines, std::initializer_list<std::string> cells) {
    lines.insert(lines.end(), cells.begin(), cells.end());
}

// Into the instance window, as a bound control stores its value.
void StoreInWindow(int tag, const TStored& value) {
    if (const auto* text = std::get_if<std::string>(&value)) SetFieldStr(tag, *text);
    if (const auto* amount = std::get_if<double>(&value)) SetFieldVal(tag, *amount);
    if (std::holds_alternative<bool>(value)) SetFieldChecked(tag);
    if (const auto* lines = std::get_if<TStringList>(&value)) SetFieldLst(tag, *lines);
}

} // namespace

void TPerson::AddRow(int tag, std::initializer_list<std::string> cells) {
    auto found = fields_.find(tag);
    if (found == fields_.end()) found = fields_.emplace(tag, TStringList{}).first;
    AppendRow(std::get<TStringList>(found->second), cells);
}

TChild::TChild(const std::string& name) : TPerson(name) {
    for (int tag : {TagInEducation, TagIncomeSupport, TagAbsent, TagPrescribedEducation})
        Put(tag, No);
    Put(TagResidentOrLivingWith, Yes);
    Put(TagSharedCare, std::string("100"));
    for (int tag :
         {TagDependantTaxableIncome, TagFringeBenefits, TagRentalLosses, TagPersonTaxFreePensions,
          TagDependantForeignIncome, TagDependantMaintenancePaid})
        Put(tag, ExplicitZero);
}

TChild& TChild::Born(const std::string& date) {
    Put(TagDateOfBirth, date);
    return *this;
}
TChild& TChild::SharedCare(int percentage) {
    Put(TagSharedCare, std::to_string(percentage));
    return *this;
}
TChild& TChild::InEducation(bool yes) {
    Put(TagInEducation, Code(yes));
    return *this;
}
TChild& TChild::EducationAllYear() {
    Put(TagWholeYearEducation, true);
    Put(TagInEducation, Yes);
    return *this;
}
TChild& TChild::IncomeSupport(bool yes) {
    Put(TagIncomeSupport, Code(yes));
    return *this;
}
TChild& TChild::PrescribedEducation(bool yes) {
    Put(TagPrescribedEducation, Code(yes));
    return *this;
}
TChild& TChild::Resident(bool yes) {
    Put(TagResidentOrLivingWith, Code(yes));
    return *this;
}
TChild& TChild::AbsentSince(const std::string& date) {
    Put(TagAbsent, Yes);
    Put(TagAbsentSince, date);
    return *this;
}
TChild& TChild::Income(double taxable) {
    Put(TagDependantTaxableIncome, taxable);
    return *this;
}
TChild& TChild::Event(const std::string& date, const std::string& event, int careAfter) {
    AddRow(TagEvents, {date, event, std::to_string(careAfter)});
    return *this;
}
TChild& TChild::Trip(const std::string& departure, const std::string& back) {
    AddRow(TagDependantTrips, {departure, back});
    return *this;
}
TChild& TChild::LeftForGood() {
    Put(TagDependantLeftForGood, true);
    return *this;
}
TChild& TChild::MaintenanceDone() {
    Put(TagMaintenanceDone, std::string("1"));
    return *this;
}
TChild& TChild::MaintenanceRow(int tag, std::initializer_list<std::string> cells) {
    AddRow(tag, cells);
    return *this;
}
TChild& TChild::Set(int tag, TStored value) {
    Put(tag, std::move(value));
    return *this;
}
TChild& TChild::Without(int tag) {
    Drop(tag);
    return *this;
}

TPartner::TPartner(const std::string& name) : TPerson(name) {
    for (int tag : {TagSpouseTaxableIncome, TagFringeBenefits, TagRentalLosses,
                    TagPersonTaxFreePensions, TagSpouseForeignIncome, TagSpouseMaintenancePaid})
        Put(tag, ExplicitZero);
}
TPartner& TPartner::Income(double taxable) {
    Put(TagSpouseTaxableIncome, taxable);
    return *this;
}
TPartner& TPartner::MaintenanceDone() {
    Put(TagMaintenanceDone, std::string("1"));
    return *this;
}
TPartner& TPartner::Set(int tag, TStored value) {
    Put(tag, std::move(value));
    return *this;
}
TPartner& TPartner::Without(int tag) {
    Drop(tag);
    return *this;
}

void TFamily::AddRecord(int group, const TPerson& person) {
    const int instance = WorksheetInstanceCount(group) + 1;
    UnpackWorksheetInstance(group, instance);
    for (const auto& [tag, value] : person.Fields())
        StoreInWindow(tag, value);
    PackWorksheetInstance(group, instance);
}

TFamily& TFamily::AddRow(int tag, std::initializer_list<std::string> cells) {
    if (TStringList* lines = GetFieldLst(tag))
        AppendRow(*lines, cells);
    else
        SetFieldLst(tag, TStringList(cells));
    return *this;
}

TFamily& TFamily::Claimant(double taxableIncome) {
    return ClaimantAmount(TagTaxableIncome, taxableIncome);
}
TFamily& TFamily::ClaimantAmount(int tag, double amount) {
    SetFieldVal(tag, amount);
    return *this;
}
TFamily& TFamily::Spouse(const TPartner& partner) {
    AddRecord(SpouseGroup, partner);
    return *this;
}
TFamily& TFamily::Dependant(const TChild& child) {
    AddRecord(DependantGroup, child);
    return *this;
}
TFamily& TFamily::SpouseAllYear() {
    HadSpouse(true);
    for (int tag : {TagNoSeparation, TagNotBlended, TagSpouseAtStart})
        SetFieldChecked(tag);
    return *this;
}
TFamily& TFamily::HadSpouse(bool yes) {
    SetFieldStr(TagHadSpouse, yes ? "1" : "0");
    return *this;
}
TFamily& TFamily::MaritalStatus(const std::string& status, const std::string& from,
                                const std::string& to, const std::string& agreed) {
    return AddRow(TagMaritalStatus, {status, from, to, agreed});
}
TFamily& TFamily::Residency(const std::string& status, const std::string& from,
                            const std::string& to) {
    SetFieldVal(TagResidentAllYear, 0.0);
    return AddRow(TagResidency, {status, from, to});
}
TFamily& TFamily::Trip(const std::string& departure, const std::string& back) {
    return AddRow(TagClaimantTrips, {departure, back});
}
TFamily& TFamily::LeftForGood() {
    SetFieldChecked(TagClaimantLeftForGood);
    return *this;
}
TFamily& TFamily::BlindPension(const std::string& recipient, const std::string& from,
                               const std::string& to) {
    SetFieldChecked(TagBlindPension);
    return AddRow(TagBlindPeriods, {recipient, from, to});
}
TFamily& TFamily::DirectPayment(const std::string& from, const std::string& to) {
    return AddRow(TagDirectPayment, {from, to});
}
TFamily& TFamily::Payers(std::initializer_list<std::string> names) {
    for (const std::string& name : names)
        AddRow(TagPayerList, {name});
    return *this;
}
TFamily& TFamily::NoPayers() {
    SetFieldChecked(TagNoPayers);
    return *this;
}
TFamily& TFamily::OwnMaintenanceDone() {
    SetFieldStr(TagOwnMaintenanceDone, "1");
    return *this;
}

int Day(const std::string& date) {
    return DateFromText(date);
}
