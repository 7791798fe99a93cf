// The completeness check of a whole claim and the maintenance completeness tests.

#include "CalcTest.h"
#include "ClaimCompleteness.h"

#include <array>

namespace {

using CompletenessTest = CalcTest;

// Warnings as "item|instance|text" lines.
std::vector<std::string> Warnings() {
    TStringList list;
    const bool complete = CheckClaimComplete(list);
    EXPECT_EQ(list.size() % 3, 0u);
    std::vector<std::string> lines;
    for (std::size_t at = 0; at + 2 < list.size(); at += 3)
        lines.push_back(list[at] + "|" + list[at + 1] + "|" + list[at + 2]);
    EXPECT_EQ(complete, lines.empty());
    return lines;
}

using TLines = std::vector<std::string>;
const std::string Gaps = "21|1|Missing or overlapping dates in marital status table";

// A claim with nothing to report: no payers, and an income too high for maintenance to matter.
TFamily Settled() {
    return Family().NoPayers().Claimant(200000);
}

TEST_F(CompletenessTest, SpouseAllYearNeedsNoMaritalStatusTable) {
    Settled().Spouse("Sam").SpouseAllYear();
    EXPECT_EQ(Warnings(), TLines{});
}

// The one-spouse answers stay behind when a second spouse is added later: the table decides.
TEST_F(CompletenessTest, SecondSpouseNeedsTheTableDespiteTheOneSpouseAnswers) {
    Settled().Spouse("Sam").SpouseAllYear().Spouse("Alex").MaritalStatus("Sam", "01/07/2003",
                                                                         "30/06/2004");
    EXPECT_EQ(Warnings(), TLines{"21|1|Alex Not in marital status table"});
}

TEST_F(CompletenessTest, MaritalStatusTableRequiredOnceThereWasASpouse) {
    Settled().Spouse("Sam").HadSpouse(true);
    EXPECT_EQ(Warnings(), TLines{"21|-1|Family circumstance period table needs to be completed"});
    SetFieldStr(TagHadSpouse, "0");
    EXPECT_EQ(Warnings(), TLines{});
}

struct TMaritalCase {
    const char* what;
    std::vector<std::array<std::string, 3>> rows;
    TLines expected;
};

class MaritalStatusTableTest : public CalcTest,
                               public ::testing::WithParamInterface<TMaritalCase> {};

TEST_P(MaritalStatusTableTest, Warns) {
    TFamily family = Settled().Spouse("Sam").Spouse("Alex").HadSpouse(true);
    for (const auto& [status, from, to] : GetParam().rows)
        family.MaritalStatus(status, from, to);
    EXPECT_EQ(Warnings(), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaritalStatusTableTest,
    ::testing::Values(
        TMaritalCase{"whole year, both named",
                     {{"Sam", "01/07/2003", "31/12/2003"}, {"Alex", "01/01/2004", "30/06/2004"}},
                     {}},
        TMaritalCase{"1 July uncovered: one warning however many days",
                     {{"Sam", "02/07/2003", "31/12/2003"}, {"Alex", "01/01/2004", "29/06/2004"}},
                     {Gaps}},
        TMaritalCase{"overlap on one day",
                     {{"Sam", "01/07/2003", "31/12/2003"}, {"Alex", "31/12/2003", "30/06/2004"}},
                     {Gaps}},
        TMaritalCase{"a row without dates covers nothing",
                     {{"Sam", "01/07/2003", "31/12/2003"}, {"Alex", "", ""}},
                     {Gaps}},
        TMaritalCase{"second spouse not named",
                     {{"Sam", "01/07/2003", "31/12/2003"}, {"Single", "01/01/2004", "30/06/2004"}},
                     {"21|1|Alex Not in marital status table"}}),
    CaseName<TMaritalCase>);

TEST_F(CompletenessTest, DependantIncomeAndCircumstancesByAge) {
    Settled()
        .Dependant(Child("Four").Born("01/01/1999").Without(TagDependantTaxableIncome))
        .Dependant(Child("TenStudying")
                       .Born("01/01/1993")
                       .EducationAllYear()
                       .Without(TagDependantTaxableIncome))
        .Dependant(Child("Ten").Born("01/01/1993").Without(TagFringeBenefits))
        .Dependant(
            Child("Seventeen").Born("01/01/1986").Without(TagRentalLosses).Without(TagSharedCare))
        .Dependant(
            Child("TwentySix").Born("01/01/1977").Without(TagRentalLosses).Without(TagAbsent))
        .Dependant(Child("Gone")
                       .Born("01/01/1993")
                       .Without(TagFringeBenefits)
                       .LeftForGood()
                       .Trip("01/06/2003"))
        .Dependant(Child("Unborn").Without(TagDateOfBirth).Without(TagSharedCare));
    EXPECT_EQ(
        Warnings(),
        (TLines{"30|2|Dependant ATI details missing", "30|3|Dependant ATI details missing",
                "27|6|Dependant age missing", "32|3|Dependant circumstance data incomplete"}));
}

TEST_F(CompletenessTest, CircumstancesAskedUpToAnIncomeOfTheLimit) {
    Settled()
        .Dependant(Child("AtLimit").Born("01/01/1986").Income(8613).Without(TagAbsent))
        .Dependant(Child("Above").Born("01/01/1986").Income(8614).Without(TagAbsent))
        .Dependant(Child("Young").Born("01/01/1995").Income(20000).Without(TagPrescribedEducation));
    EXPECT_EQ(Warnings(), (TLines{"32|0|Dependant circumstance data incomplete",
                                  "32|2|Dependant circumstance data incomplete"}));
}

TEST_F(CompletenessTest, PayersAnswerRequiredEvenWithoutRelevantMaintenance) {
    Family();
    EXPECT_EQ(Warnings(), TLines{"39|-1|Maintenance payers information required"});
}

TEST_F(CompletenessTest, DependantMaintenanceRequiredForRelevantChildren) {
    Family().Payers({"Chris"}).OwnMaintenanceDone().Claimant(20000).Dependant(
        Child("Mia").Born("01/01/2000"));
    EXPECT_EQ(Warnings(), TLines{"51|-1|Dependant maintenance information required"});
    int failing = -2;
    EXPECT_FALSE(MaintenanceComplete(DependantGroup, failing, true));
    EXPECT_EQ(failing, 0);
    Family().Dependant(Child("Noah").Born("01/01/2001").MaintenanceDone());
    UnpackWorksheetInstance(DependantGroup, 1);
    SetFieldStr(TagMaintenanceDone, "1");
    PackWorksheetInstance(DependantGroup, 1);
    EXPECT_TRUE(MaintenanceComplete(DependantGroup, failing, true));
    EXPECT_EQ(failing, -1);
    EXPECT_EQ(Warnings(), TLines{});
}

TEST_F(CompletenessTest, SpousalMaintenanceOnlyWithPayers) {
    Settled()
        .Spouse("Sam")
        .Spouse(Partner("Alex").MaintenanceDone())
        .HadSpouse(true)
        .MaritalStatus("Sam", "01/07/2003", "31/12/2003")
        .MaritalStatus("Alex", "01/01/2004", "30/06/2004");
    int failing = -2;
    EXPECT_TRUE(MaintenanceComplete(SpouseGroup, failing, true));
    EXPECT_FALSE(MaintenanceComplete(SpouseGroup, failing, false));
    EXPECT_EQ(failing, -1); // the claimant's own part comes first

    Family().Payers({"  ", "Chris"});
    EXPECT_EQ(Warnings(), TLines{"43|-1|Spousal maintenance information required"});
    Family().OwnMaintenanceDone();
    EXPECT_FALSE(MaintenanceComplete(SpouseGroup, failing, true));
    EXPECT_EQ(failing, 0);
    UnpackWorksheetInstance(SpouseGroup, 1);
    SetFieldStr(TagMaintenanceDone, "1");
    PackWorksheetInstance(SpouseGroup, 1);
    EXPECT_EQ(Warnings(), TLines{});
}

TEST_F(CompletenessTest, BlankPayerListDoesNotRequireSpousalMaintenance) {
    Family().Payers({" "}).Spouse("Sam").SpouseAllYear();
    EXPECT_EQ(Warnings(), TLines{});
}

} // namespace
