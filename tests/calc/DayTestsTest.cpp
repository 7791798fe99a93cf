// The day tests: whether a dependant and the claimant count on a day, the overseas rules, the
// incomes, the thresholds and the family circumstance test.

#include "CalcTest.h"

#include <functional>

namespace {

using DayTestsTest = CalcTest;

struct TEligibilityCase {
    const char* what;
    std::function<TChild()> child;
    TTestPurpose purpose;
    const char* day;
    bool expected;
};

class DependantEligibleOnTest : public CalcTest,
                                public ::testing::WithParamInterface<TEligibilityCase> {};

TEST_P(DependantEligibleOnTest, Counts) {
    const TEligibilityCase& c = GetParam();
    Family().Dependant(c.child());
    EXPECT_EQ(DependantEligibleOn(0, c.purpose, Day(c.day)), c.expected) << c.what;
}

TChild Aged15() {
    return Child("Mia").Born("01/01/1988");
}
TChild Aged17() {
    return Child("Mia").Born("01/01/1986");
}
TChild Aged21() {
    return Child("Mia").Born("01/01/1982");
}
TChild WentAbsent() {
    return Child("Mia").Born("01/01/2000").Event("01/09/2003", std::string(events::StartAbsence));
}
TChild Died() {
    return Child("Mia").Born("01/01/2000").Event("01/03/2004", std::string(events::Deceased));
}
TChild LongAway() {
    return Child("Mia").Born("01/01/2000").Trip("01/01/2003");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DependantEligibleOnTest,
    ::testing::Values(
        TEligibilityCase{"born on the day", [] { return Child("B").Born("15/03/2004"); }, tpProfile,
                         "15/03/2004", true},
        TEligibilityCase{"day before birth", [] { return Child("B").Born("15/03/2004"); },
                         tpProfile, "14/03/2004", false},
        TEligibilityCase{"no date of birth", [] { return Child("B").Without(TagDateOfBirth); },
                         tpThresholdCount, "01/01/2004", false},
        TEligibilityCase{"15, not studying, low income", [] { return Aged15(); }, tpThresholdCount,
                         "01/07/2003", true},
        TEligibilityCase{"15, not studying, income at the limit",
                         [] { return Aged15().Income(8613); }, tpThresholdCount, "01/07/2003",
                         false},
        TEligibilityCase{"15, studying, income at the limit",
                         [] { return Aged15().Income(8613).InEducation(true); }, tpThresholdCount,
                         "01/07/2003", true},
        TEligibilityCase{"17, income one below", [] { return Aged17().Income(8612); },
                         tpThresholdCount, "01/07/2003", true},
        TEligibilityCase{"17, income at the limit", [] { return Aged17().Income(8613); },
                         tpThresholdCount, "01/07/2003", false},
        TEligibilityCase{"17 never counts for maintenance", [] { return Aged17(); }, tpMaintenance,
                         "01/07/2003", false},
        TEligibilityCase{"17 on a prescribed education scheme",
                         [] { return Aged17().PrescribedEducation(true); }, tpThresholdCount,
                         "01/07/2003", false},
        TEligibilityCase{"15 on a prescribed education scheme",
                         [] { return Aged15().PrescribedEducation(true); }, tpThresholdCount,
                         "01/07/2003", true},
        TEligibilityCase{"21, not studying", [] { return Aged21(); }, tpThresholdCount,
                         "01/07/2003", false},
        TEligibilityCase{"21, studying", [] { return Aged21().InEducation(true); },
                         tpThresholdCount, "01/07/2003", true},
        TEligibilityCase{"25, studying",
                         [] { return Child("Old").Born("01/01/1978").InEducation(true); },
                         tpThresholdCount, "01/07/2003", false},
        TEligibilityCase{"income support",
                         [] { return Child("B").Born("01/01/2000").IncomeSupport(true); },
                         tpThresholdCount, "01/07/2003", false},
        TEligibilityCase{"not resident",
                         [] { return Child("B").Born("01/01/2000").Resident(false); },
                         tpThresholdCount, "01/07/2003", false},
        TEligibilityCase{"shared care 9",
                         [] { return Child("B").Born("01/01/2000").SharedCare(9); },
                         tpThresholdCount, "01/07/2003", false},
        TEligibilityCase{"shared care 10",
                         [] { return Child("B").Born("01/01/2000").SharedCare(10); },
                         tpThresholdCount, "01/07/2003", true},
        TEligibilityCase{"no shared care answer",
                         [] { return Child("B").Born("01/01/2000").Without(TagSharedCare); },
                         tpThresholdCount, "01/07/2003", false},
        TEligibilityCase{"absent 97 days", WentAbsent, tpMaintenance, "07/12/2003", true},
        TEligibilityCase{"absent 98 days", WentAbsent, tpMaintenance, "08/12/2003", false},
        TEligibilityCase{"98 days after death", Died, tpMaintenance, "07/06/2004", true},
        TEligibilityCase{"99 days after death", Died, tpMaintenance, "08/06/2004", false},
        TEligibilityCase{"day of death, profile", Died, tpProfile, "01/03/2004", true},
        TEligibilityCase{"day after death, profile", Died, tpProfile, "02/03/2004", false},
        TEligibilityCase{"26 weeks away, maintenance", LongAway, tpMaintenance, "01/09/2003",
                         false},
        TEligibilityCase{"26 weeks away, threshold count", LongAway, tpThresholdCount, "01/09/2003",
                         true},
        TEligibilityCase{"left for good", [] { return LongAway().LeftForGood(); }, tpThresholdCount,
                         "01/09/2003", false}),
    CaseName<TEligibilityCase>);

using TTrips = std::vector<std::pair<std::string, std::string>>;

TStringList TripList(const TTrips& trips) {
    TStringList lines;
    for (const auto& [departure, back] : trips) {
        lines.push_back(departure);
        lines.push_back(back);
    }
    return lines;
}

struct TOverseasCase {
    const char* what;
    bool threeYearRule;
    TTrips trips;
    const char* day;
    bool ineligible;
};

class OverseasRuleTest : public CalcTest, public ::testing::WithParamInterface<TOverseasCase> {};

TEST_P(OverseasRuleTest, Applies) {
    const TOverseasCase& c = GetParam();
    const TStringList trips = TripList(c.trips);
    const bool result = c.threeYearRule ? Overseas3YearRule(&trips, Day(c.day))
                                        : Overseas26WeekRule(&trips, Day(c.day));
    EXPECT_EQ(result, c.ineligible) << c.what;
}

// A 200-day trip that started 190 days before 1 February 2004.
const TTrips TwoHundredDays{{"26/07/2003", "11/02/2004"}};
// An absence carried over a short trip into an open-ended one.
const TTrips Carried{
    {"01/01/2003", "01/08/2003"}, {"01/12/2003", "10/12/2003"}, {"01/05/2004", ""}};
// An open-ended trip leaving after the income year reads as coming back before it left.
const TTrips BackBeforeLeaving{
    {"01/11/2003", ""}, {"15/07/2004", "20/07/2004"}, {"01/08/2004", ""}};

INSTANTIATE_TEST_SUITE_P(
    Cases, OverseasRuleTest,
    ::testing::Values(
        TOverseasCase{"26 weeks: still away", false, TwoHundredDays, "01/02/2004", true},
        TOverseasCase{"26 weeks: return day counts as home", false, TwoHundredDays, "11/02/2004",
                      false},
        TOverseasCase{"26 weeks: carried over a short trip", false, Carried, "15/05/2004", true},
        TOverseasCase{"26 weeks: nothing to carry it",
                      false,
                      {{"01/01/2003", "01/08/2003"}, {"01/05/2004", ""}},
                      "15/05/2004",
                      false},
        TOverseasCase{"26 weeks: a cycle of E ends, largest kept", false, BackBeforeLeaving,
                      "10/01/2005", true},
        TOverseasCase{"26 weeks: a cycle of E ends, past the grace", false, BackBeforeLeaving,
                      "01/03/2005", false},
        TOverseasCase{
            "3 years: exactly three years", true, {{"01/07/2000", ""}}, "01/07/2003", true},
        TOverseasCase{"3 years: a day short", true, {{"01/07/2000", ""}}, "30/06/2003", false},
        TOverseasCase{"3 years: 26 weeks after coming back",
                      true,
                      {{"01/07/1999", "01/07/2003"}},
                      "30/12/2003",
                      true},
        TOverseasCase{"3 years: past the 26 weeks",
                      true,
                      {{"01/07/1999", "01/07/2003"}},
                      "31/12/2003",
                      false},
        TOverseasCase{"3 years: departures before July 1997 count from then",
                      true,
                      {{"01/01/1990", "30/06/2000"}},
                      "01/07/2003",
                      false}),
    CaseName<TOverseasCase>);

TEST_F(DayTestsTest, ResidencyTable) {
    EXPECT_TRUE(ResidentOn(YearStart));
    Family()
        .Residency("Not Australian resident", "01/07/2003", "31/12/2003")
        .Residency("australian RESIDENT", "01/01/2004", "31/03/2004");
    EXPECT_FALSE(ResidentOn(Day("15/08/2003")));
    EXPECT_TRUE(ResidentOn(Day("15/02/2004")));
    EXPECT_TRUE(ResidentOn(Day("15/05/2004"))); // no row covers it
    SetFieldVal(TagResidentAllYear, 1.0);
    EXPECT_TRUE(ResidentOn(Day("15/08/2003")));
}

TEST_F(DayTestsTest, BlindPensionRows) {
    Family()
        .Spouse("Sam")
        .SpouseAllYear()
        .BlindPension("You", "01/08/2003", "31/08/2003")
        .BlindPension("Sam", "01/10/2003", "31/10/2003")
        .BlindPension("", "01/11/2003", "30/11/2003")
        .BlindPension("The Taxpayer", "01/01/2004", "31/01/2004");
    EXPECT_TRUE(BlindPensionOn(Day("15/08/2003")));
    EXPECT_TRUE(BlindPensionOn(Day("15/10/2003")));
    EXPECT_FALSE(BlindPensionOn(Day("15/11/2003")));
    EXPECT_TRUE(BlindPensionOn(Day("15/01/2004")));
    EXPECT_FALSE(BlindPensionOn(Day("15/12/2003")));
    EXPECT_FALSE(ClaimantEligibleOn(tpMaintenance, Day("15/08/2003")));
    EXPECT_TRUE(ClaimantEligibleOn(tpProfile, Day("15/08/2003")));
}

TEST_F(DayTestsTest, UnattributedBlindRowMatchesNobodyOnDaysWithoutASpouse) {
    Family().BlindPension("", "01/07/2003", "30/06/2004");
    EXPECT_FALSE(BlindPensionOn(Day("15/08/2003")));
}

TEST_F(DayTestsTest, ClaimantPurposesAndPermanentDeparture) {
    Family().DirectPayment("01/08/2003", "31/08/2003").Trip("01/10/2003").LeftForGood();
    EXPECT_FALSE(ClaimantEligibleOn(tpProfile, Day("15/08/2003")));
    EXPECT_TRUE(ClaimantEligibleOn(tpThresholdCount, Day("15/08/2003")));
    EXPECT_TRUE(ClaimantEligibleOn(tpThresholdCount, Day("01/10/2003")));
    EXPECT_FALSE(ClaimantEligibleOn(tpThresholdCount, Day("02/10/2003")));
}

TEST_F(DayTestsTest, ClaimantIncome) {
    Family()
        .Claimant(30000)
        .ClaimantAmount(TagTaxFreePensions, 1000)
        .ClaimantAmount(TagIncome126, 1000)
        .ClaimantAmount(TagTargetForeignIncome, 200)
        .ClaimantAmount(TagChildMaintenancePaid, 300)
        .ClaimantAmount(TagIncome199, -1000);
    EXPECT_DOUBLE_EQ(ClaimantIncome(), 32410);
    SetFieldVal(TagIncome199, 1000.0);
    EXPECT_DOUBLE_EQ(ClaimantIncome(), 31410);
    SetFieldVal(TagTaxableIncome, 0.003);
    EXPECT_DOUBLE_EQ(ClaimantIncome(), 1410);
}

TEST_F(DayTestsTest, DependantIncomeRoundsHalvesToEven) {
    Family()
        .Dependant(Child("A").Income(8612.5))
        .Dependant(Child("B").Income(8613.5))
        .Dependant(Child("C").Income(9000).Set(TagDependantMaintenancePaid, 500.004));
    EXPECT_EQ(DependantIncome(0), 8612);
    EXPECT_EQ(DependantIncome(1), 8614);
    EXPECT_EQ(DependantIncome(2), 8500);
}

const std::string MissingSamIncome =
    "You have not entered some of the income details required for Sam please complete this data "
    "entry by going to \"Spouse Details\" from the navigation panel at a later stage.";

TEST_F(DayTestsTest, SpouseIncomeSumsCentsAndTellsOfMissingParts) {
    Family()
        .Spouse(Partner("Pat").Income(20000.004).Set(TagSpouseMaintenancePaid, 100.0))
        .Spouse(Partner("Sam").Income(15000).Without(TagSpouseForeignIncome));
    EXPECT_DOUBLE_EQ(SpouseIncome(0), 19900);
    EXPECT_TRUE(prompter.boxes.empty());
    // Outside a check every call tells.
    EXPECT_DOUBLE_EQ(SpouseIncome(1), 15000);
    EXPECT_DOUBLE_EQ(SpouseIncome(1), 15000);
    ASSERT_EQ(prompter.boxes.size(), 2u);
    EXPECT_EQ(prompter.boxes[0].text, MissingSamIncome);
    EXPECT_EQ(prompter.boxes[0].kind, mkError);
    EXPECT_EQ(prompter.boxes[0].buttons, unsigned(mbOK));
}

TEST_F(DayTestsTest, SpouseIncomeMessageOncePerCheck) {
    Family().Spouse(Partner("Sam").Income(15000).Without(TagSpouseForeignIncome)).SpouseAllYear();
    {
        TSpouseIncomeNoticeScope check;
        for (int day = YearStart; day <= YearEnd; ++day)
            FamilyIncomeOn(day);
    }
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{MissingSamIncome});
    TSpouseIncomeNoticeScope nextCheck;
    FamilyIncomeOn(YearStart);
    EXPECT_EQ(prompter.boxes.size(), 2u);
}

TEST_F(DayTestsTest, Thresholds) {
    EXPECT_EQ(BaseRateThreshold(YearStart), 0);
    EXPECT_EQ(HigherIncomeThreshold(YearStart), 0);
    EXPECT_FALSE(FamilyCircumstanceTest(tpMaintenance, YearStart)); // income 0 is not below 0
    Family().Dependant(Child("Young").Born("01/01/2000"));
    EXPECT_EQ(BaseRateThreshold(YearStart), 29857 + 7251 + 1);
    EXPECT_EQ(HigherIncomeThreshold(YearStart), 74095 + 3139);
}

TEST_F(DayTestsTest, BaseRateStepsForLargerFamilies) {
    Family()
        .Dependant(Child("Thirteen").Born("01/01/1990"))
        .Dependant(Child("Fourteen").Born("01/01/1989"));
    EXPECT_EQ(BaseRateThreshold(YearStart), 29857 + 2 * 10110 + 1);
    Family().Dependant(Child("Fifteen").Born("01/01/1988"));
    for (const char* name : {"A", "B", "C", "D"})
        Family().Dependant(Child(name).Born("01/01/2000"));
    EXPECT_EQ(BaseRateThreshold(YearStart), 29857 + 4 * 7251 + 3 * 10110 + 4);
    EXPECT_EQ(HigherIncomeThreshold(YearStart), 74095 + 7 * 3139);
}

TEST_F(DayTestsTest, FamilyTestComparesIncomeWithTheThresholds) {
    Family().Claimant(37108).Dependant(Child("Mia").Born("01/01/2000"));
    EXPECT_TRUE(FamilyCircumstanceTest(tpMaintenance, YearStart));
    Family().Spouse(Partner("Sam").Income(1)).SpouseAllYear();
    EXPECT_DOUBLE_EQ(FamilyIncomeOn(YearStart), 37109);
    EXPECT_FALSE(FamilyCircumstanceTest(tpMaintenance, YearStart));
}

} // namespace
