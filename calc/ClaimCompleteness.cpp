#include "ClaimCompleteness.h"

#include "ATICalcs.h"
#include "Lookups.h"
#include "StoreReads.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr int OwnRecord = -1;
constexpr int MaritalCoverage = 1;

constexpr std::array IncomeTags{TagFringeBenefits,           TagRentalLosses,
                                TagPersonTaxFreePensions,    TagDependantForeignIncome,
                                TagDependantMaintenancePaid, TagDependantTaxableIncome};
constexpr std::array CircumstanceTags{TagSharedCare,    TagInEducation,
                                      TagAbsent,        TagResidentOrLivingWith,
                                      TagIncomeSupport, TagPrescribedEducation};

void Warn(TStringList& warnings, int item, int instance, const std::string& text) {
    warnings.push_back(std::to_string(item));
    warnings.push_back(std::to_string(instance));
    warnings.push_back(text);
}

bool NeedsMaritalStatusTable() {
    const std::string hadSpouse = FieldAsText(TagHadSpouse);
    if (hadSpouse.empty() || hadSpouse == "0") return false;
    // A spouse on 1 July who stayed, in a family that is not blended, needs no table. Those
    // answers are only asked with one spouse and stay behind when another is added later.
    const bool oneSteadySpouse = FieldChecked(TagNoSeparation) && FieldChecked(TagNotBlended) &&
                                 FieldChecked(TagSpouseAtStart);
    return !oneSteadySpouse || WorksheetInstanceCount(SpouseGroup) > 1;
}

// The first day of the year that not exactly one dated row covers, or nullopt.
std::optional<int> FirstBadlyCoveredDay(const TRows& rows) {
    std::vector<std::pair<int, int>> periods;
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        const auto start = StoredDate(rows.Cell(row, 1));
        const auto end = StoredDate(rows.Cell(row, 2));
        if (start && end) periods.emplace_back(*start, *end);
    }
    for (int day = YearStart; day <= YearEnd; ++day) {
        const auto covering = std::count_if(periods.begin(), periods.end(), [day](auto period) {
            return period.first <= day && day <= period.second;
        });
        if (covering != 1) return day;
    }
    return std::nullopt;
}

void CheckMaritalStatus(TStringList& warnings) {
    if (!NeedsMaritalStatusTable()) return;
    const TStringList* table = MainLines(TagMaritalStatus);
    if (!table || table->empty()) {
        Warn(warnings, ItemMaritalStatus, OwnRecord,
             "Family circumstance period table needs to be completed");
        return;
    }
    const TRows rows(table, MaritalStatusWidth);
    for (int spouse = 0; spouse < WorksheetInstanceCount(SpouseGroup); ++spouse) {
        const std::string name = SpouseName(spouse);
        bool named = false;
        for (std::size_t row = 0; row < rows.Count() && !named; ++row)
            named = rows.Cell(row, 0) == name;
        if (!named)
            Warn(warnings, ItemMaritalStatus, spouse, name + " Not in marital status table");
    }
    if (FirstBadlyCoveredDay(rows))
        Warn(warnings, ItemMaritalStatus, MaritalCoverage,
             "Missing or overlapping dates in marital status table");
}

template <std::size_t N>
bool AnyAbsent(int dep, const std::array<int, N>& tags) {
    return std::any_of(tags.begin(), tags.end(),
                       [dep](int tag) { return !InstanceHas(DependantGroup, dep, tag); });
}

bool IncomeDetailsRequired(int dep, int age) {
    const bool wholeYearEducation = InstanceHas(DependantGroup, dep, TagWholeYearEducation);
    return (age >= IncomeTestedAge && age < AdultDependantAge && !wholeYearEducation) ||
           (age >= AdultDependantAge && age <= OldestDependantAge);
}

void CheckDependantDetails(TStringList& warnings) {
    for (int dep = 0; dep < WorksheetInstanceCount(DependantGroup); ++dep) {
        const auto birth = InstanceDate(DependantGroup, dep, TagDateOfBirth);
        if (!birth) {
            Warn(warnings, ItemDependantDetails, dep, "Dependant age missing");
            continue;
        }
        if (DepartedPermanentlyBefore(dep, YearStart)) continue;
        if (IncomeDetailsRequired(dep, AgeInYears(YearStart, *birth)) && AnyAbsent(dep, IncomeTags))
            Warn(warnings, ItemDependantIncome, dep, "Dependant ATI details missing");
    }
}

// Circumstances count for dependants up to 25 whose income may let them qualify; an income
// of exactly the limit is still asked about.
bool CircumstancesRequired(int dep) {
    const auto birth = InstanceDate(DependantGroup, dep, TagDateOfBirth);
    if (!birth) return false;
    const int age = AgeInYears(YearStart, *birth);
    if (age > OldestDependantAge || DepartedPermanentlyBefore(dep, YearStart)) return false;
    return age < AdultDependantAge || DependantIncome(dep) <= DependantIncomeLimit;
}

void CheckDependantCircumstances(TStringList& warnings) {
    for (int dep = 0; dep < WorksheetInstanceCount(DependantGroup); ++dep)
        if (CircumstancesRequired(dep) && AnyAbsent(dep, CircumstanceTags))
            Warn(warnings, ItemDependantStatus, dep, "Dependant circumstance data incomplete");
}

void CheckMaintenance(TStringList& warnings) {
    const TStringList* payers = MainLines(TagPayerList);
    if ((!payers || payers->empty()) && !FieldChecked(TagNoPayers))
        Warn(warnings, ItemPayers, OwnRecord, "Maintenance payers information required");
    int failing = -1;
    if (!MaintenanceComplete(DependantGroup, failing, true))
        Warn(warnings, ItemDependantMaintenance, OwnRecord,
             "Dependant maintenance information required");
    if (!MaintenanceComplete(SpouseGroup, failing, true))
        Warn(warnings, ItemSpousalMaintenance, OwnRecord,
             "Spousal maintenance information required");
}

bool MarkedDone(int group, int index) {
    return InstanceText(group, index, TagMaintenanceDone) == "1";
}

bool DependantMaintenanceComplete(int& failingIndex) {
    TStringList relevant;
    MaintenanceRelevantDependants(relevant);
    for (const std::string& line : relevant) {
        const int dep = std::stoi(line.substr(0, line.find('=')));
        if (!InstanceHas(DependantGroup, dep, TagMaintenanceDone)) {
            failingIndex = dep;
            return false;
        }
    }
    return true;
}

bool SpousalMaintenanceComplete(int& failingIndex, bool requirePayers) {
    if (requirePayers && !PayersListed()) return true;
    if (FieldAsText(TagOwnMaintenanceDone) != "1") return false;
    for (int spouse = 0; spouse < WorksheetInstanceCount(SpouseGroup); ++spouse) {
        if (!MarkedDone(SpouseGroup, spouse)) {
            failingIndex = spouse;
            return false;
        }
    }
    return true;
}

} // namespace

bool CheckClaimComplete(TStringList& warnings) {
    TSpouseIncomeNoticeScope oneNoticePerSpouse;
    const std::size_t before = warnings.size();
    CheckMaritalStatus(warnings);
    CheckDependantDetails(warnings);
    CheckDependantCircumstances(warnings);
    CheckMaintenance(warnings);
    return warnings.size() == before;
}

bool MaintenanceComplete(int group, int& failingIndex, bool requirePayers) {
    failingIndex = -1;
    if (group == DependantGroup) return DependantMaintenanceComplete(failingIndex);
    if (group == SpouseGroup) return SpousalMaintenanceComplete(failingIndex, requirePayers);
    return true;
}
