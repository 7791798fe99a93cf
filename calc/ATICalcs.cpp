#include "ATICalcs.h"

#include "Lookups.h"
#include "Prompter.h"
#include "RunState.h"
#include "StoreReads.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

namespace {

// Birthdays from July fall in the first calendar year of the income year, the others in the second.
constexpr int FirstCalendarYear = 2003;
constexpr int FirstMonth = 7;

constexpr std::string_view SingleStatus = "Single";
constexpr std::string_view WidowedStatus = "Widowed";

int Age(int birth, int d) {
    return AgeInYears(d, birth);
}

std::optional<int> DateOfBirth(int dep) {
    return InstanceDate(DependantGroup, dep, TagDateOfBirth);
}

bool DependantHas(int dep, int tag) {
    return InstanceHas(DependantGroup, dep, tag);
}

TRows EventRows(int dep) {
    return TRows(InstanceLines(DependantGroup, dep, TagEvents), EventsWidth);
}

// An answer code other than No; present answers only.
bool AnsweredYes(int dep, int tag) {
    return InstanceNumber(DependantGroup, dep, tag).value_or(AnswerNo) != AnswerNo;
}

int IntegerOf(const std::string& text) {
    return int(std::strtol(text.c_str(), nullptr, 10));
}

// The latest applicable event of the pair decides, a start event from its own date and an end
// event from the day after it (from its own date when endsOnItsDay); of several events on one
// date the first listed decides.
bool ApplyEvents(int dep, bool state, std::string_view start, std::string_view end, int d,
                 bool endsOnItsDay) {
    const TRows rows = EventRows(dep);
    int latest = NoDate;
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        const std::string& event = rows.Cell(row, 1);
        const bool isStart = event == start;
        if (!isStart && event != end) continue;
        const auto date = StoredDate(rows.Cell(row, 0));
        if (!date || *date <= latest) continue;
        const bool applies = (isStart || endsOnItsDay) ? *date <= d : *date < d;
        if (!applies) continue;
        state = isStart;
        latest = *date;
    }
    return state;
}

bool RowCovers(const TRows& rows, std::size_t row, std::size_t startColumn, int d) {
    const auto start = StoredDate(rows.Cell(row, startColumn));
    if (!start || *start > d) return false;
    const auto end = StoredDate(rows.Cell(row, startColumn + 1));
    return end && d <= *end;
}

void AddDate(DynArrayOfDates& dates, int day) {
    if (std::find(dates.begin(), dates.end(), day) == dates.end()) dates.push_back(day);
}

// The day after a trip date and the end of the 26 weeks after it, when within the year.
void AddTripDays(DynArrayOfDates& dates, const TStringList* trips) {
    if (!trips) return;
    for (const std::string& item : *trips) {
        const auto day = StoredDate(item);
        if (!day) continue;
        for (int changeDay : {*day + 1, *day + 1 + ReturnGraceDays})
            if (changeDay >= YearStart && changeDay <= YearEnd) AddDate(dates, changeDay);
    }
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int BirthdayInYear(int birth) {
    int year = 0, month = 0, day = 0;
    SplitDay(birth, year, month, day);
    year = month >= FirstMonth ? FirstCalendarYear : FirstCalendarYear + 1;
    if (month == 2 && day == 29 && !IsLeapYear(year)) return DayOf(year, 3, 1);
    return DayOf(year, month, day);
}

bool IsEndEvent(std::string_view event) {
    return event == events::EndEducation || event == events::EndIncomeSupport ||
           event == events::EndAbsence || event == events::EndResidency ||
           event == events::EndPrescribedEducation;
}

void AddEventDays(DynArrayOfDates& dates, int dep) {
    const TRows rows = EventRows(dep);
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        const auto date = StoredDate(rows.Cell(row, 0));
        if (!date) continue;
        const std::string& event = rows.Cell(row, 1);
        const bool deceased = event == events::Deceased;
        if (IsCircumstanceStartEvent(event)) AddDate(dates, *date);
        if (IsEndEvent(event) || deceased) AddDate(dates, *date + 1);
        if (event == events::StartAbsence || deceased) AddDate(dates, *date + AbsenceAndDeathDays);
    }
}

// The marital status table names a spouse; when several share the name, the last counts.
int SpouseNamed(std::string_view name) {
    int found = -1;
    for (int index = 0; index < WorksheetInstanceCount(SpouseGroup); ++index)
        if (InstanceHas(SpouseGroup, index, TagLabel) &&
            InstanceText(SpouseGroup, index, TagLabel) == name)
            found = index;
    return found;
}

// Overseas trips.
struct TTrip {
    std::optional<int> departure;
    std::optional<int> back;
    int Return() const { return back.value_or(YearEnd); }
    int CountedDeparture() const { return std::max(*departure, EarliestCountedDeparture); }
};

std::vector<TTrip> ReadTrips(const TStringList* trips) {
    const TRows rows(trips, PeriodWidth);
    std::vector<TTrip> read;
    for (std::size_t row = 0; row < rows.Count(); ++row)
        read.push_back({StoredDate(rows.Cell(row, 0)), StoredDate(rows.Cell(row, 1))});
    return read;
}

// Carries the end of an absence E over every trip that starts within 26 weeks of it. An
// open-ended trip leaving after the income year reads as returning before it left, which would
// send E back and forth for ever: stop at the first value E has had before, keeping the largest.
int ExtendAbsence(const std::vector<TTrip>& trips, int e) {
    std::vector<int> taken{e};
    for (;;) {
        const auto next = std::find_if(trips.begin(), trips.end(), [e](const TTrip& trip) {
            return trip.departure && *trip.departure > e && *trip.departure <= e + ReturnGraceDays;
        });
        if (next == trips.end() || next->Return() == e) return e;
        if (std::find(taken.begin(), taken.end(), next->Return()) != taken.end())
            return *std::max_element(taken.begin(), taken.end());
        e = next->Return();
        taken.push_back(e);
    }
}

bool WithinGraceOfAbsence(const std::vector<TTrip>& trips, int end, int d) {
    return d <= end + ReturnGraceDays || d <= ExtendAbsence(trips, end) + ReturnGraceDays;
}

bool AtLeastYearsApart(int from, int to, int years) {
    int fromYear = 0, fromMonth = 0, fromDay = 0, toYear = 0, toMonth = 0, toDay = 0;
    SplitDay(from, fromYear, fromMonth, fromDay);
    SplitDay(to, toYear, toMonth, toDay);
    const int apart = toYear - fromYear;
    if (apart != years) return apart > years;
    return toMonth > fromMonth || (toMonth == fromMonth && toDay >= fromDay);
}

bool Away26Weeks(const std::vector<TTrip>& trips, int d) {
    const bool overseas = std::any_of(trips.begin(), trips.end(), [d](const TTrip& trip) {
        return trip.departure && *trip.departure < d && (!trip.back || *trip.back > d);
    });
    if (!overseas) return false;
    const TTrip* longTrip = nullptr;
    for (const TTrip& trip : trips) {
        if (!trip.departure) continue;
        const int away = trip.CountedDeparture();
        const bool qualifies =
            trip.Return() - away > LongTripDays && d - ReturnGraceDays > away + 1;
        if (qualifies && (!longTrip || away > longTrip->CountedDeparture())) longTrip = &trip;
    }
    return longTrip && WithinGraceOfAbsence(trips, longTrip->Return(), d);
}

bool AwayThreeYears(const std::vector<TTrip>& trips, int d) {
    for (const TTrip& trip : trips) {
        if (!trip.departure) continue;
        const int back = std::min(d, trip.Return());
        if (AtLeastYearsApart(trip.CountedDeparture(), back, OverseasYears))
            return WithinGraceOfAbsence(trips, back, d);
    }
    return false;
}

bool IsMaintenancePurpose(TTestPurpose purpose) {
    return purpose != tpThresholdCount && purpose != tpProfile;
}

// The age bands; the education and income tests are asked only where the band needs them.
template <typename InEducation>
bool InAgeBand(int dep, int age, InEducation inEducation) {
    const auto lowIncome = [dep] { return DependantIncome(dep) < DependantIncomeLimit; };
    if (age < 0) return false;
    if (age < IncomeTestedAge) return true;
    if (age < AdultDependantAge) return inEducation() || lowIncome();
    if (age < StudentOnlyAge) return lowIncome();
    if (age < OldestDependantAge) return inEducation() && lowIncome();
    return false;
}

double Cents(double amount) {
    return std::nearbyint(amount * 100) / 100;
}

// A spouse's or dependant's income component; nullopt when absent.
std::optional<double> Component(int group, int index, int tag) {
    const auto amount = InstanceNumber(group, index, tag);
    return amount ? std::optional<double>(Cents(*amount)) : std::nullopt;
}

int noticeScopes = 0;
std::set<int> noticedSpouses;

void TellSpouseIncomeMissing(int spouse) {
    if (noticeScopes > 0 && !noticedSpouses.insert(spouse).second) return;
    ShowMessageBox("You have not entered some of the income details required for " +
                       SpouseName(spouse) + " please complete " +
                       "this data entry by going to \"Spouse Details\" from the navigation panel "
                       "at a later stage.",
                   mkError, mbOK);
}

bool MaintenanceCandidate(int dep) {
    const auto birth = DateOfBirth(dep);
    return birth && Age(*birth, YearStart) < AdultDependantAge && YearStartBandTest(dep);
}

std::string IndexedName(int index, const std::string& name) {
    return std::to_string(index) + "=" + name;
}

// Main tags of the module that the delete-all step leaves alone.
bool KeptByDeleteAll(int tag) {
    static constexpr int kept[] = {1268, 1269, 1270, 1274, 1277, 1281, 1297, 1298};
    return std::find(std::begin(kept), std::end(kept), tag) != std::end(kept);
}

std::vector<int> DeleteAllTags() {
    constexpr int firstTag = 1242, lastTag = 1299;
    std::vector<int> tags;
    for (int tag = firstTag; tag <= lastTag; ++tag)
        if (!KeptByDeleteAll(tag)) tags.push_back(tag);
    for (int group : {DependantGroup, SpouseGroup, 20, 26})
        tags.push_back(WorksheetHoldingBase + group);
    return tags;
}

} // namespace

// Timeline of a dependant.

bool CircumstanceAt(int dep, int initialTag, std::string_view startEvent, int d,
                    std::string_view endEvent) {
    if (!DependantHas(dep, initialTag)) return false;
    return ApplyEvents(dep, AnsweredYes(dep, initialTag), startEvent, endEvent, d, false);
}

bool InFullTimeEducationAt(int dep, int d) {
    if (DependantHas(dep, TagWholeYearEducation)) return true;
    if (!DependantHas(dep, TagInEducation)) return false;
    return ApplyEvents(dep, AnsweredYes(dep, TagInEducation), events::StartEducation,
                       events::EndEducation, d, true);
}

bool FullTimeEducationInYear(int dep, int lastDay, int firstDay) {
    if (InFullTimeEducationAt(dep, firstDay)) return true;
    if (!DependantHas(dep, TagInEducation)) return false;
    const TRows rows = EventRows(dep);
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        if (rows.Cell(row, 1) != events::StartEducation) continue;
        const auto date = StoredDate(rows.Cell(row, 0));
        if (date && *date >= firstDay && *date <= lastDay) return true;
    }
    return false;
}

int SharedCareAt(int dep, int d) {
    if (!DependantHas(dep, TagSharedCare)) return -1;
    int share = int(InstanceNumber(DependantGroup, dep, TagSharedCare).value_or(0));
    int latest = NoDate;
    const TRows rows = EventRows(dep);
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        if (rows.Cell(row, 1) != events::SharedCareChange) continue;
        const auto date = StoredDate(rows.Cell(row, 0));
        if (!date || *date <= latest || *date > d) continue;
        share = IntegerOf(rows.Cell(row, 2));
        latest = *date;
    }
    return share;
}

int AbsenceStartAt(int dep, int d) {
    int start = InstanceDate(DependantGroup, dep, TagAbsentSince).value_or(NoDate);
    const TRows rows = EventRows(dep);
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        if (rows.Cell(row, 1) != events::StartAbsence) continue;
        const auto date = StoredDate(rows.Cell(row, 0));
        if (date && *date > start && *date <= d) start = *date;
    }
    return start == NoDate ? NeverDate : start;
}

int DateOfDeath(int dep) {
    const TRows rows = EventRows(dep);
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        if (rows.Cell(row, 1) != events::Deceased) continue;
        if (const auto date = StoredDate(rows.Cell(row, 0))) return *date;
    }
    return NeverDate;
}

bool DiedBefore(int dep, int d) {
    const TRows rows = EventRows(dep);
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        if (rows.Cell(row, 1) != events::Deceased) continue;
        const auto date = StoredDate(rows.Cell(row, 0));
        if (date && *date < d) return true;
    }
    return false;
}

bool DepartedPermanentlyBefore(int dep, int d) {
    if (!DependantHas(dep, TagDependantLeftForGood)) return false;
    for (const TTrip& trip : ReadTrips(InstanceLines(DependantGroup, dep, TagDependantTrips)))
        if (trip.departure && !trip.back) return *trip.departure < d;
    return false;
}

DynArrayOfDates CollectChangeDates() {
    DynArrayOfDates dates;
    AddDate(dates, YearStart);
    AddTripDays(dates, MainLines(TagClaimantTrips));
    const TRows marital(MainLines(TagMaritalStatus), MaritalStatusWidth);
    for (std::size_t row = 0; row < marital.Count(); ++row)
        if (const auto start = StoredDate(marital.Cell(row, 1))) AddDate(dates, *start);
    const TRows blind(MainLines(TagBlindPeriods), BlindPeriodsWidth);
    for (std::size_t row = 0; row < blind.Count(); ++row) {
        const auto start = StoredDate(blind.Cell(row, 1));
        const auto end = StoredDate(blind.Cell(row, 2));
        if (!start || !end) continue;
        AddDate(dates, *start);
        AddDate(dates, *end + 1);
    }
    for (int dep = 0; dep < WorksheetInstanceCount(DependantGroup); ++dep) {
        AddTripDays(dates, InstanceLines(DependantGroup, dep, TagDependantTrips));
        if (const auto birth = DateOfBirth(dep)) AddDate(dates, BirthdayInYear(*birth));
        AddEventDays(dates, dep);
    }
    return dates;
}

int SpouseIndexAt(int d) {
    if (WorksheetInstanceCount(SpouseGroup) == 0) return -1;
    const TStringList* table = MainLines(TagMaritalStatus);
    if (!table || table->empty())
        return FieldChecked(TagNoSeparation) && FieldChecked(TagSpouseAtStart) ? 0 : -1;
    const TRows rows(table, MaritalStatusWidth);
    int spouse = -1;
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        const std::string& status = rows.Cell(row, 0);
        if (status != SingleStatus && status != WidowedStatus && RowCovers(rows, row, 1, d))
            spouse = SpouseNamed(status);
    }
    return spouse;
}

int AgreedPercentageAt(int d) {
    const TRows rows(MainLines(TagMaritalStatus), MaritalStatusWidth);
    int percentage = 100;
    for (std::size_t row = 0; row < rows.Count(); ++row)
        if (!rows.Cell(row, 3).empty() && RowCovers(rows, row, 1, d))
            percentage = IntegerOf(rows.Cell(row, 3));
    return percentage;
}

// Day tests.

bool ResidentOn(int d) {
    const TStringList* table = MainLines(TagResidency);
    if (MainNumber(TagResidentAllYear) == 1 || !table || table->empty()) return true;
    const TRows rows(table, ResidencyWidth);
    bool resident = true;
    for (std::size_t row = 0; row < rows.Count(); ++row)
        if (RowCovers(rows, row, 1, d))
            resident = Lower(rows.Cell(row, 0)) == "australian resident";
    return resident;
}

bool BlindPensionOn(int d) {
    if (!FieldChecked(TagBlindPension)) return false;
    const int spouse = SpouseIndexAt(d);
    const std::string spouseName = spouse >= 0 ? SpouseName(spouse) : std::string();
    const TRows rows(MainLines(TagBlindPeriods), BlindPeriodsWidth);
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        const std::string& recipient = rows.Cell(row, 0);
        // A row nobody was named on matches nobody, not the missing spouse.
        const bool named = recipient == "You" || Lower(recipient) == "the taxpayer" ||
                           (!recipient.empty() && recipient == spouseName);
        if (named && RowCovers(rows, row, 1, d)) return true;
    }
    return false;
}

bool DirectPaymentOn(int d) {
    const TRows rows(MainLines(TagDirectPayment), PeriodWidth);
    for (std::size_t row = 0; row < rows.Count(); ++row)
        if (RowCovers(rows, row, 0, d)) return true;
    return false;
}

bool Overseas26WeekRule(const TStringList* tripList, int d) {
    return Away26Weeks(ReadTrips(tripList), d);
}

bool Overseas3YearRule(const TStringList* tripList, int d) {
    return AwayThreeYears(ReadTrips(tripList), d);
}

bool ClaimantEligibleOn(TTestPurpose purpose, int d) {
    if (IsMaintenancePurpose(purpose) && BlindPensionOn(d)) return false;
    if (purpose == tpProfile && DirectPaymentOn(d)) return false;
    if (!ResidentOn(d)) return false;
    const std::vector<TTrip> trips = ReadTrips(MainLines(TagClaimantTrips));
    if (purpose == tpMaintenance && Away26Weeks(trips, d)) return false;
    if (AwayThreeYears(trips, d)) return false;
    if (!FieldChecked(TagClaimantLeftForGood)) return true;
    return std::none_of(trips.begin(), trips.end(), [d](const TTrip& trip) {
        return trip.departure && *trip.departure < d && !trip.back;
    });
}

bool AgeBandTest(int dep, int d) {
    const auto birth = DateOfBirth(dep);
    return birth && InAgeBand(dep, Age(*birth, d), [&] { return InFullTimeEducationAt(dep, d); });
}

bool YearStartBandTest(int dep) {
    const auto birth = DateOfBirth(dep);
    if (!birth) return false;
    const int age = Age(*birth, YearStart);
    if (age == -1) return true; // born during the year
    return InAgeBand(dep, age, [&] { return FullTimeEducationInYear(dep, YearEnd, YearStart); });
}

bool DependantEligibleOn(int dep, TTestPurpose purpose, int d) {
    // Without a date of birth a dependant never counts.
    const auto birth = DateOfBirth(dep);
    if (!birth || d < *birth) return false;
    const int age = Age(*birth, d);
    if (purpose == tpMaintenance && age >= AdultDependantAge) return false;
    if (DepartedPermanentlyBefore(dep, d)) return false;
    if (age >= AdultDependantAge && CircumstanceAt(dep, PrescribedEducation, d)) return false;
    if (CircumstanceAt(dep, IncomeSupport, d)) return false;
    if (SharedCareAt(dep, d) < SharedCareMinimum) return false;
    if (CircumstanceAt(dep, Absence, d) && AbsenceStartAt(dep, d) <= d - AbsenceAndDeathDays)
        return false;
    const std::vector<TTrip> trips =
        ReadTrips(InstanceLines(DependantGroup, dep, TagDependantTrips));
    if (IsMaintenancePurpose(purpose) && Away26Weeks(trips, d)) return false;
    if (AwayThreeYears(trips, d)) return false;
    if (!CircumstanceAt(dep, Residency, d)) return false;
    if (DiedBefore(dep, d)) {
        if (purpose == tpProfile) return false;
        if (d - AbsenceAndDeathDays >= DateOfDeath(dep) + 1) return false;
    }
    return AgeBandTest(dep, d);
}

int CountEligibleDependants(TTestPurpose purpose, int d) {
    int count = 0;
    for (int dep = 0; dep < WorksheetInstanceCount(DependantGroup); ++dep)
        if (DependantEligibleOn(dep, purpose, d)) ++count;
    return count;
}

// Incomes.

double ClaimantIncome() {
    double income = MainNumber(TagTaxableIncome) + MainNumber(TagTaxFreePensions) +
                    Income126Share * MainNumber(TagIncome126) + MainNumber(TagTargetForeignIncome) -
                    MainNumber(TagChildMaintenancePaid);
    const double loss = MainNumber(TagIncome199);
    if (loss < 0) income -= loss;
    return income;
}

double SpouseIncome(int spouse) {
    struct TPart {
        int tag;
        int sign;
    };
    static constexpr TPart parts[] = {
        {TagSpouseTaxableIncome, 1},   {TagFringeBenefits, 1},      {TagRentalLosses, 1},
        {TagPersonTaxFreePensions, 1}, {TagSpouseForeignIncome, 1}, {TagSpouseMaintenancePaid, -1},
    };
    double income = 0;
    bool missing = false;
    for (const TPart& part : parts) {
        const auto amount = Component(SpouseGroup, spouse, part.tag);
        missing = missing || !amount;
        income += part.sign * amount.value_or(0);
    }
    if (missing) TellSpouseIncomeMissing(spouse);
    return income;
}

double DependantIncome(int dep) {
    const auto part = [dep](int tag) { return Component(DependantGroup, dep, tag).value_or(0); };
    return std::nearbyint(part(TagDependantTaxableIncome) + part(TagFringeBenefits) +
                          part(TagPersonTaxFreePensions) + part(TagDependantForeignIncome) +
                          part(TagRentalLosses) - part(TagDependantMaintenancePaid));
}

double FamilyIncomeOn(int d) {
    const int spouse = SpouseIndexAt(d);
    return ClaimantIncome() + (spouse >= 0 ? SpouseIncome(spouse) : 0);
}

double BaseRateThreshold(int d) {
    int under13 = 0, from13 = 0;
    for (int dep = 0; dep < WorksheetInstanceCount(DependantGroup); ++dep) {
        if (!DependantEligibleOn(dep, tpMaintenance, d)) continue;
        if (Age(*DateOfBirth(dep), d) < OlderChildAge)
            ++under13;
        else
            ++from13;
    }
    if (under13 + from13 == 0) return 0;
    const int steps =
        (under13 >= 1) + (under13 >= 4) + (from13 >= 1) + (from13 >= 3) + (from13 >= 5);
    return BaseThreshold + BaseThresholdPerChildUnder13 * under13 +
           BaseThresholdPerChild13To15 * from13 + steps;
}

double HigherIncomeThreshold(int d) {
    const int count = CountEligibleDependants(tpThresholdCount, d);
    return count == 0 ? 0 : HigherThreshold + HigherThresholdPerDependant * count;
}

bool FamilyCircumstanceTest(TTestPurpose purpose, int d) {
    if (!ClaimantEligibleOn(purpose, d)) return false;
    const double income = FamilyIncomeOn(d);
    return income < BaseRateThreshold(d) && income <= HigherIncomeThreshold(d);
}

TSpouseIncomeNoticeScope::TSpouseIncomeNoticeScope() {
    if (noticeScopes++ == 0) noticedSpouses.clear();
}

TSpouseIncomeNoticeScope::~TSpouseIncomeNoticeScope() {
    --noticeScopes;
}

// Maintenance relevance.

void MaintenanceRelevantDependants(TStringList& list) {
    TSpouseIncomeNoticeScope oneNoticePerSpouse;
    std::vector<int> pending;
    for (int dep = 0; dep < WorksheetInstanceCount(DependantGroup); ++dep)
        if (MaintenanceCandidate(dep)) pending.push_back(dep);
    std::set<int> found;
    if (!pending.empty()) {
        for (int date : CollectChangeDates()) {
            if (pending.empty()) break;
            if (!FamilyCircumstanceTest(tpMaintenance, date)) continue;
            std::erase_if(pending, [&](int dep) {
                return DependantEligibleOn(dep, tpMaintenance, date) && found.insert(dep).second;
            });
        }
    }
    list.clear();
    for (int dep : found)
        list.push_back(IndexedName(dep, DependantName(dep)));
}

void SpouseList(TStringList& list) {
    list.clear();
    for (int spouse = 0; spouse < WorksheetInstanceCount(SpouseGroup); ++spouse)
        list.push_back(IndexedName(spouse, SpouseName(spouse)));
}

bool DeleteAllVeskData() {
    std::vector<int> filled;
    for (int tag : DeleteAllTags())
        if (FieldNotEmpty(tag)) filled.push_back(tag);
    if (filled.empty()) return true;
    const int answer = ShowCaptionedMessageBox(
        "Warning You Are About to Delete Data",
        "You have previously entered Vesk data, are you sure you want to continue with this "
        "deletion?\rIf you select \"Yes\" all Vesk data will be lost.",
        mkWarning, mbYes | mbNo, mbNo);
    if (answer != mrYes) return false;
    for (int tag : filled)
        ClearField(tag);
    SetDataModified(true);
    RunState().ScreenHistory.clear();
    return true;
}
