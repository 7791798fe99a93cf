// A dependant's timeline: circumstances on a day, shared care, absence, death, departure, the
// change dates, and the spouse of the marital status table.

#include "CalcTest.h"

#include <vector>

namespace {

using TimelineTest = CalcTest;

using TEvents = std::vector<std::pair<std::string, std::string>>; // date, event

struct TCircumstanceCase {
    const char* what;
    bool initialStored;
    bool initialYes;
    TEvents events;
    const char* day;
    bool expected;
};

class CircumstanceAtTest : public CalcTest,
                           public ::testing::WithParamInterface<TCircumstanceCase> {};

TEST_P(CircumstanceAtTest, LatestApplicableEventDecides) {
    const TCircumstanceCase& c = GetParam();
    TChild mia = Child("Mia").Born("01/01/2000").IncomeSupport(c.initialYes);
    if (!c.initialStored) mia.Without(TagIncomeSupport);
    for (const auto& [date, event] : c.events)
        mia.Event(date, event);
    Family().Dependant(mia);
    EXPECT_EQ(CircumstanceAt(0, IncomeSupport, Day(c.day)), c.expected) << c.what;
}

const std::string Start(events::StartIncomeSupport);
const std::string End(events::EndIncomeSupport);

INSTANTIATE_TEST_SUITE_P(
    Cases, CircumstanceAtTest,
    ::testing::Values(TCircumstanceCase{"no initial answer ignores events",
                                        false,
                                        false,
                                        {{"01/08/2003", Start}},
                                        "01/09/2003",
                                        false},
                      TCircumstanceCase{"initial answer alone", true, true, {}, "01/09/2003", true},
                      TCircumstanceCase{"start applies on its own date",
                                        true,
                                        false,
                                        {{"01/08/2003", Start}},
                                        "01/08/2003",
                                        true},
                      TCircumstanceCase{"start not yet on the day before",
                                        true,
                                        false,
                                        {{"01/08/2003", Start}},
                                        "31/07/2003",
                                        false},
                      TCircumstanceCase{"end leaves the state on its date",
                                        true,
                                        true,
                                        {{"01/08/2003", End}},
                                        "01/08/2003",
                                        true},
                      TCircumstanceCase{"end applies from the next day",
                                        true,
                                        true,
                                        {{"01/08/2003", End}},
                                        "02/08/2003",
                                        false},
                      TCircumstanceCase{"same date: start listed first decides",
                                        true,
                                        false,
                                        {{"01/08/2003", Start}, {"01/08/2003", End}},
                                        "05/08/2003",
                                        true},
                      TCircumstanceCase{"same date: end listed first decides",
                                        true,
                                        true,
                                        {{"01/08/2003", End}, {"01/08/2003", Start}},
                                        "05/08/2003",
                                        false},
                      TCircumstanceCase{"later event wins",
                                        true,
                                        false,
                                        {{"01/08/2003", Start}, {"01/10/2003", End}},
                                        "02/10/2003",
                                        false},
                      TCircumstanceCase{"events of another pair are ignored",
                                        true,
                                        false,
                                        {{"01/08/2003", std::string(events::StartAbsence)}},
                                        "01/09/2003",
                                        false}),
    CaseName<TCircumstanceCase>);

TEST_F(TimelineTest, CeasingEducationCountsOnTheDayOnlyForTheCircumstance) {
    Family()
        .Dependant(Child("Mia")
                       .Born("01/01/1990")
                       .InEducation(true)
                       .Event("01/03/2004", std::string(events::EndEducation)))
        .Dependant(Child("Noah").Born("01/01/1990").EducationAllYear());
    const int ceased = Day("01/03/2004");
    EXPECT_TRUE(CircumstanceAt(0, FullTimeEducation, ceased));
    EXPECT_FALSE(CircumstanceAt(0, FullTimeEducation, ceased + 1));
    EXPECT_TRUE(InFullTimeEducationAt(0, ceased - 1));
    EXPECT_FALSE(InFullTimeEducationAt(0, ceased));
    EXPECT_TRUE(InFullTimeEducationAt(1, YearEnd));
}

TEST_F(TimelineTest, FullTimeEducationInYearCountsACommencementWithinTheYear) {
    Family()
        .Dependant(Child("Starts")
                       .Born("01/01/1990")
                       .Event("01/02/2004", std::string(events::StartEducation)))
        .Dependant(Child("Never").Born("01/01/1990"))
        .Dependant(Child("Unanswered")
                       .Born("01/01/1990")
                       .Without(TagInEducation)
                       .Event("01/02/2004", std::string(events::StartEducation)));
    EXPECT_TRUE(FullTimeEducationInYear(0, YearEnd, YearStart));
    EXPECT_FALSE(FullTimeEducationInYear(1, YearEnd, YearStart));
    EXPECT_FALSE(FullTimeEducationInYear(2, YearEnd, YearStart));
}

TEST_F(TimelineTest, SharedCareChangesApplyFromTheirDate) {
    const std::string change(events::SharedCareChange);
    Family()
        .Dependant(Child("Mia").Born("01/01/2000").SharedCare(100).Event("01/01/2004", change, 50))
        .Dependant(Child("Noah")
                       .Born("01/01/2000")
                       .Without(TagSharedCare)
                       .Event("01/01/2004", change, 50));
    EXPECT_EQ(SharedCareAt(0, Day("31/12/2003")), 100);
    EXPECT_EQ(SharedCareAt(0, Day("01/01/2004")), 50);
    EXPECT_EQ(SharedCareAt(1, Day("01/01/2004")), -1);
}

TEST_F(TimelineTest, AbsenceStartsAtTheLatestAbsenceUpToTheDay) {
    const std::string absent(events::StartAbsence);
    Family()
        .Dependant(Child("Never").Born("01/01/2000"))
        .Dependant(Child("Initially")
                       .Born("01/01/2000")
                       .AbsentSince("01/06/2003")
                       .Event("01/09/2003", absent));
    EXPECT_EQ(AbsenceStartAt(0, YearEnd), NeverDate);
    EXPECT_EQ(AbsenceStartAt(1, Day("31/08/2003")), Day("01/06/2003"));
    EXPECT_EQ(AbsenceStartAt(1, Day("01/09/2003")), Day("01/09/2003"));
}

TEST_F(TimelineTest, DeathAndPermanentDeparture) {
    Family()
        .Dependant(
            Child("Mia").Born("01/01/2000").Event("01/03/2004", std::string(events::Deceased)))
        .Dependant(Child("Noah")
                       .Born("01/01/2000")
                       .LeftForGood()
                       .Trip("01/08/2003", "01/09/2003")
                       .Trip("01/10/2003"))
        .Dependant(Child("Ava").Born("01/01/2000").Trip("01/10/2003"));
    EXPECT_EQ(DateOfDeath(0), Day("01/03/2004"));
    EXPECT_EQ(DateOfDeath(1), NeverDate);
    EXPECT_FALSE(DiedBefore(0, Day("01/03/2004")));
    EXPECT_TRUE(DiedBefore(0, Day("02/03/2004")));
    EXPECT_FALSE(DepartedPermanentlyBefore(1, Day("01/10/2003")));
    EXPECT_TRUE(DepartedPermanentlyBefore(1, Day("02/10/2003")));
    EXPECT_FALSE(DepartedPermanentlyBefore(2, YearEnd)); // not marked as permanent
}

TEST_F(TimelineTest, ChangeDatesInTheOrderFoundWithoutDuplicates) {
    Family()
        .Trip("01/03/2003", "01/08/2003")
        .MaritalStatus("Sam", "01/05/2003", "30/06/2004")
        .BlindPension("You", "01/10/2003", "31/10/2003")
        .Dependant(
            Child("Leap").Born("29/02/2000").Event("01/09/2003", std::string(events::StartAbsence)))
        .Dependant(Child("NoBirth").Without(TagDateOfBirth))
        .Dependant(Child("Mia")
                       .Born("10/10/1995")
                       .Event("01/10/2003", std::string(events::SharedCareChange), 50)
                       .Event("01/10/2003", std::string(events::EndEducation))
                       .Event("01/04/2004", std::string(events::Deceased)));
    std::vector<std::string> dates;
    for (int day : CollectChangeDates())
        dates.push_back(FormatDate(day));
    const std::vector<std::string> expected{
        "01/07/2003", "31/08/2003", "02/08/2003", "31/01/2004",  // trip days within the year
        "01/05/2003",                                            // marital row, before the year
        "01/10/2003", "01/11/2003",                              // blind period
        "29/02/2004", "01/09/2003", "08/12/2003",                // Leap: birthday, absence
        "10/10/2003", "02/10/2003", "02/04/2004", "08/07/2004"}; // Mia: birthday, end, death
    EXPECT_EQ(dates, expected);
}

TEST_F(TimelineTest, SpouseOfTheMaritalStatusTable) {
    Family()
        .Spouse("Sam")
        .Spouse("Alex")
        .MaritalStatus("Single", "01/07/2003", "30/09/2003")
        .MaritalStatus("Sam", "01/10/2003", "31/12/2003")
        .MaritalStatus("Ghost", "01/01/2004", "31/03/2004")
        .MaritalStatus("Alex", "01/04/2004", "30/06/2004", "40");
    EXPECT_EQ(SpouseIndexAt(Day("15/08/2003")), -1);
    EXPECT_EQ(SpouseIndexAt(Day("01/10/2003")), 0);
    EXPECT_EQ(SpouseIndexAt(Day("15/02/2004")), -1); // names nobody
    EXPECT_EQ(SpouseIndexAt(YearEnd), 1);
    EXPECT_EQ(AgreedPercentageAt(YearEnd), 40);
    EXPECT_EQ(AgreedPercentageAt(Day("01/10/2003")), 100);
}

TEST_F(TimelineTest, SpouseWithoutATable) {
    EXPECT_EQ(SpouseIndexAt(YearStart), -1);
    Family().Spouse("Sam").Spouse("Sam");
    SetFieldChecked(TagNoSeparation);
    EXPECT_EQ(SpouseIndexAt(YearStart), -1);
    SetFieldChecked(TagSpouseAtStart);
    EXPECT_EQ(SpouseIndexAt(YearEnd), 0);
    Family().MaritalStatus("Sam", "01/07/2003", "30/06/2004");
    EXPECT_EQ(SpouseIndexAt(YearEnd), 1); // the last of two with the name
}

TEST_F(TimelineTest, AnswerCodesStoredAsAmountsReadAlike) {
    Family().Dependant(
        Child("Mia").Born("01/01/2000").Set(TagIncomeSupport, 2.0).Set(TagSharedCare, 40.0));
    EXPECT_TRUE(CircumstanceAt(0, IncomeSupport, YearStart));
    EXPECT_EQ(SharedCareAt(0, YearStart), 40);
}

TEST_F(TimelineTest, UnreadableDateRaisesATypedError) {
    Family().Dependant(Child("Mia")
                           .Born("01/01/2000")
                           .Event("31/02/2004", std::string(events::StartIncomeSupport)));
    EXPECT_THROW(CircumstanceAt(0, IncomeSupport, YearEnd), EDateError);
    EXPECT_THROW(CollectChangeDates(), EDateError);
}

} // namespace
