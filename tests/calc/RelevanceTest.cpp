// Which dependants need maintenance information, and the spouse list.

#include "CalcTest.h"

namespace {

using RelevanceTest = CalcTest;

TStringList Relevant() {
    TStringList list{"stale line"};
    MaintenanceRelevantDependants(list);
    return list;
}

TEST_F(RelevanceTest, ChildrenWhoCountOnADayTheFamilyPasses) {
    Family()
        .Claimant(20000)
        .Dependant(Child("Mia").Born("14/03/1996"))
        .Dependant(Child("Sixteen").Born("01/07/1987"))
        .Dependant(Child("NoBirth").Without(TagDateOfBirth))
        .Dependant(Child("Noah").Born("02/11/1999"));
    EXPECT_EQ(Relevant(), (TStringList{"0=Mia", "3=Noah"}));
}

TEST_F(RelevanceTest, HighIncomeChildOutOfEducationIsDroppedBeforeTheDates) {
    Family()
        .Claimant(20000)
        .Dependant(Child("Earner").Born("01/01/1993").Income(8613))
        .Dependant(Child("Student")
                       .Born("01/01/1993")
                       .Income(8613)
                       .Event("01/02/2004", std::string(events::StartEducation)));
    EXPECT_EQ(Relevant(), (TStringList{"1=Student"}));
}

TEST_F(RelevanceTest, NobodyWhenTheFamilyIncomeIsNeverBelowTheBaseRate) {
    Family().Claimant(37109).Dependant(Child("Mia").Born("01/01/2000"));
    EXPECT_EQ(Relevant(), TStringList{});
}

TEST_F(RelevanceTest, ChildBornDuringTheYearCountsFromTheBirthday) {
    Family().Claimant(20000).Dependant(Child("Baby").Born("15/03/2004"));
    EXPECT_EQ(Relevant(), (TStringList{"0=Baby"}));
}

TEST_F(RelevanceTest, ChildWhoCountsOnlyAfterALaterChange) {
    Family()
        .Claimant(20000)
        .Dependant(Child("Mia").Born("01/01/2000"))
        .Dependant(Child("Joins")
                       .Born("01/01/2000")
                       .Resident(false)
                       .Event("01/02/2004", std::string(events::StartResidency)))
        .Dependant(Child("Away").Born("01/01/2000").Resident(false));
    EXPECT_EQ(Relevant(), (TStringList{"0=Mia", "1=Joins"}));
}

TEST_F(RelevanceTest, SpouseIncomeMessageOnceForTheWholeList) {
    Family()
        .Spouse(Partner("Sam").Without(TagSpouseTaxableIncome))
        .MaritalStatus("Sam", "01/07/2003", "30/06/2004")
        .Dependant(Child("Away")
                       .Born("01/01/2000")
                       .Resident(false)
                       .Event("01/10/2003", std::string(events::SharedCareChange), 100));
    EXPECT_EQ(Relevant(), TStringList{});
    EXPECT_EQ(prompter.boxes.size(), 1u);
}

TEST_F(RelevanceTest, NoDependantsRunsNoTest) {
    Family().Spouse(Partner("Sam").Without(TagSpouseTaxableIncome)).SpouseAllYear();
    EXPECT_EQ(Relevant(), TStringList{});
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(RelevanceTest, SpouseList) {
    TStringList list{"stale"};
    SpouseList(list);
    EXPECT_TRUE(list.empty());
    Family().Spouse("Sam").Spouse("Alex");
    SpouseList(list);
    EXPECT_EQ(list, (TStringList{"0=Sam", "1=Alex"}));
}

} // namespace
