#include "Dates.h"

#include <chrono>
#include <cstdio>

namespace {

using namespace std::chrono;

const sys_days Epoch = sys_days(year{1899} / December / 30);

std::optional<int> fixedWindowStart;

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// Digits only, 1..maxDigits of them.
std::optional<int> Number(std::string_view part, std::size_t maxDigits) {
    if (part.empty() || part.size() > maxDigits) return std::nullopt;
    int value = 0;
    for (char c : part) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

int DayOf(int y, int m, int d) {
    return int((sys_days(year{y} / month(unsigned(m)) / day(unsigned(d))) - Epoch).count());
}

void SplitDay(int dayNumber, int& y, int& m, int& d) {
    const year_month_day ymd{Epoch + days(dayNumber)};
    y = int(ymd.year());
    m = int(unsigned(ymd.month()));
    d = int(unsigned(ymd.day()));
}

void SetCenturyWindowStart(std::optional<int> firstYear) {
    fixedWindowStart = firstYear;
}

int CenturyWindowStart() {
    if (fixedWindowStart) return *fixedWindowStart;
    const year_month_day today{floor<days>(system_clock::now())};
    return int(today.year()) - CenturyWindowYears;
}

std::optional<int> ParseDate(std::string_view text) {
    const std::string date = Trimmed(text);
    const auto first = date.find('/');
    const auto second = first == std::string::npos ? first : date.find('/', first + 1);
    if (second == std::string::npos) return std::nullopt;
    const std::string_view all(date);
    const auto d = Number(all.substr(0, first), 2);
    const auto m = Number(all.substr(first + 1, second - first - 1), 2);
    const std::string_view yearPart = all.substr(second + 1);
    auto y = Number(yearPart, 4);
    if (!d || !m || !y) return std::nullopt;
    if (yearPart.size() <= 2) {
        const int start = CenturyWindowStart();
        *y += start / 100 * 100;
        if (*y < start) *y += 100;
    }
    const year_month_day ymd{year{*y}, month(unsigned(*m)), day(unsigned(*d))};
    if (*y < 1 || !ymd.ok()) return std::nullopt;
    return int((sys_days(ymd) - Epoch).count());
}

int DateFromText(std::string_view text) {
    const auto day = ParseDate(text);
    if (!day) throw EDateError("'" + std::string(text) + "' is not a valid date");
    return *day;
}

std::string FormatDate(int dayNumber) {
    int y = 0, m = 0, d = 0;
    SplitDay(dayNumber, y, m, d);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", d, m, y);
    return buffer;
}
