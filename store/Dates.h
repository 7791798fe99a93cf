#pragma once
// Days are whole numbers of days since 30/12/1899; dates shown, entered and stored as text
// are dd/mm/yyyy.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// A date text that cannot be read where a date must stand (only a damaged file holds one).
class EDateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

int DayOf(int year, int month, int day);
void SplitDay(int day, int& year, int& month, int& dayOfMonth);

constexpr int YearStart = 37803;   // 1 July 2003
constexpr int YearEnd = 38168;     // 30 June 2004
constexpr int NoDate = 2;          // 1 January 1900: no date found yet
constexpr int NeverDate = 401769;  // 1 January 3000: never
constexpr int NoDateValue = -9999; // an edit box's date when none was entered

// Two-digit years fall in the hundred years that begin this many years before the current one.
constexpr int CenturyWindowYears = 89;
// The first year of the window; fixed in tests, else the current year less the window.
void SetCenturyWindowStart(std::optional<int> firstYear);
int CenturyWindowStart();

// dd/mm/yyyy (day and month of one or two digits; a year of one or two digits goes through the
// century window). nullopt when the text is not a real date.
std::optional<int> ParseDate(std::string_view text);
// As ParseDate, but an unreadable text raises EDateError.
int DateFromText(std::string_view text);
std::string FormatDate(int day);
