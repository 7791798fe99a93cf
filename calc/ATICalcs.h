#pragma once
// The family calculation: each dependant's circumstance timeline, the day tests of eligibility
// and income, the maintenance-relevant dependants and the delete-all step. Every operation
// reads the field store afresh and keeps nothing between calls. Days are whole days since
// 30/12/1899 (Dates.h); dependants and spouses are addressed by 0-based index. A date text that
// cannot be read raises EDateError.

#include "CalcTags.h"
#include "Dates.h"
#include "FieldStore.h"

#include <string_view>
#include <vector>

enum TTestPurpose { tpThresholdCount = 0, tpMaintenance = 1, tpProfile = 3 };

// Limits and thresholds of the income year.
constexpr int DependantIncomeLimit = 8613;
constexpr int BaseThreshold = 29857;
constexpr int BaseThresholdPerChildUnder13 = 7251;
constexpr int BaseThresholdPerChild13To15 = 10110;
constexpr int HigherThreshold = 74095;
constexpr int HigherThresholdPerDependant = 3139;
constexpr double Income126Share = 0.51;
constexpr int SharedCareMinimum = 10;
constexpr int AbsenceAndDeathDays = 98;         // 14 weeks
constexpr int LongTripDays = 183;               // more than 26 weeks away
constexpr int ReturnGraceDays = 182;            // 26 weeks after coming back
constexpr int EarliestCountedDeparture = 35612; // 1 July 1997
constexpr int OverseasYears = 3;

// Age bands of a dependant.
constexpr int IncomeTestedAge = 5;    // from here, income or full-time education counts
constexpr int AdultDependantAge = 16; // from here, only income counts
constexpr int StudentOnlyAge = 21;    // from here, only students with low income count
constexpr int OldestDependantAge = 25;
constexpr int OlderChildAge = 13; // the base-rate threshold counts children 13 to 15 apart

// Days on which anything in the family can change: no duplicates, in the order found.
using DynArrayOfDates = std::vector<int>;

// Timeline of a dependant.
bool CircumstanceAt(int dep, int initialTag, std::string_view startEvent, int d,
                    std::string_view endEvent);
inline bool CircumstanceAt(int dep, const TCircumstance& circumstance, int d) {
    return CircumstanceAt(dep, circumstance.initialTag, circumstance.startEvent, d,
                          circumstance.endEvent);
}
bool InFullTimeEducationAt(int dep, int d);
bool FullTimeEducationInYear(int dep, int lastDay, int firstDay);
int SharedCareAt(int dep, int d);
int AbsenceStartAt(int dep, int d);
int DateOfDeath(int dep);
bool DiedBefore(int dep, int d);
bool DepartedPermanentlyBefore(int dep, int d);
DynArrayOfDates CollectChangeDates();

// The marital status table.
int SpouseIndexAt(int d);
int AgreedPercentageAt(int d);

// Day tests.
bool ResidentOn(int d);
bool BlindPensionOn(int d);
bool DirectPaymentOn(int d);
bool Overseas26WeekRule(const TStringList* trips, int d);
bool Overseas3YearRule(const TStringList* trips, int d);
bool ClaimantEligibleOn(TTestPurpose purpose, int d);
bool AgeBandTest(int dep, int d);
bool YearStartBandTest(int dep);
bool DependantEligibleOn(int dep, TTestPurpose purpose, int d);
int CountEligibleDependants(TTestPurpose purpose, int d);

// Incomes.
double ClaimantIncome();
double SpouseIncome(int spouse);
double DependantIncome(int dep);
double FamilyIncomeOn(int d);
double BaseRateThreshold(int d);
double HigherIncomeThreshold(int d);
bool FamilyCircumstanceTest(TTestPurpose purpose, int d);

// While one of these lives, SpouseIncome tells about a spouse's missing income details at most
// once per spouse: one check the user triggers shows each message once, however many days it
// evaluates. Scopes nest; the outermost one decides.
class TSpouseIncomeNoticeScope {
public:
    TSpouseIncomeNoticeScope();
    ~TSpouseIncomeNoticeScope();
    TSpouseIncomeNoticeScope(const TSpouseIncomeNoticeScope&) = delete;
    TSpouseIncomeNoticeScope& operator=(const TSpouseIncomeNoticeScope&) = delete;
};

// Maintenance relevance: "index=name" lines in instance order.
void MaintenanceRelevantDependants(TStringList& list);
void SpouseList(TStringList& list);

// Clears every answer of the module after the user confirms; false when the user declined.
bool DeleteAllVeskData();
