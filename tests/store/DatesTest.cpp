#include "Dates.h"

#include <gtest/gtest.h>

TEST(Dates, DayNumbersOfTheIncomeYear) {
    EXPECT_EQ(DayOf(2003, 7, 1), YearStart);
    EXPECT_EQ(DayOf(2004, 6, 30), YearEnd);
    EXPECT_EQ(DayOf(1900, 1, 1), NoDate);
    EXPECT_EQ(DayOf(3000, 1, 1), NeverDate);
    EXPECT_EQ(DayOf(1899, 12, 31), 1);
    EXPECT_EQ(FormatDate(YearStart), "01/07/2003");
    EXPECT_EQ(FormatDate(NeverDate), "01/01/3000");
}

TEST(Dates, ParsingAcceptsRealDatesOnly) {
    SetCenturyWindowStart(1937);
    const std::vector<std::pair<std::string, std::optional<int>>> cases = {
        {"01/07/2003", YearStart},
        {" 1/7/2003 ", YearStart},
        {"01/07/03", YearStart},
        {"01/07/36", DayOf(2036, 7, 1)},
        {"01/07/37", DayOf(1937, 7, 1)},
        {"29/02/2004", DayOf(2004, 2, 29)},
        {"29/02/2003", std::nullopt},
        {"31/02/2004", std::nullopt},
        {"00/01/2004", std::nullopt},
        {"01/13/2004", std::nullopt},
        {"01072003", std::nullopt},
        {"01/07/2003x", std::nullopt},
        {"", std::nullopt},
        {"  /  /    ", std::nullopt},
    };
    for (const auto& [text, day] : cases)
        EXPECT_EQ(ParseDate(text), day) << text;
    EXPECT_THROW(DateFromText("31/02/2004"), EDateError);
    SetCenturyWindowStart(std::nullopt);
}
