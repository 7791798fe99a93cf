#include "StoreReads.h"

#include "Dates.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

bool IsAmount(TDataType type) {
    return type == dtNumeric || type == dtCurrency || type == dtCurrencyCnt;
}

std::optional<double> LeadingNumber(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin || !std::isfinite(value)) return std::nullopt;
    return value;
}

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// The digits of text[at, at + count) as a number; -1 when one is not a digit.
int Digits(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The form the screens store, dd/mm/yyyy, read without the general parser's work: the day
// tests read thousands of dates per check. nullopt for any other form.
std::optional<int> StoredFormDay(std::string_view text) {
    if (text.size() != 10 || text[2] != '/' || text[5] != '/') return std::nullopt;
    const int day = Digits(text, 0, 2), month = Digits(text, 3, 2), year = Digits(text, 6, 4);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return std::nullopt;
    return DayOf(year, month, day);
}

} // namespace

const TWorksheetEntry* InstanceEntry(int group, int index, int tag) {
    const TWorksheet* sheet = GetWorksheet(group);
    const TWorksheetEntry* entry = sheet ? sheet->Find(index + 1, tag) : nullptr;
    if (entry && entry->type == dtCheckbox && entry->value[0] != 1) return nullptr;
    return entry;
}

std::optional<double> InstanceNumber(int group, int index, int tag) {
    const TWorksheetEntry* entry = InstanceEntry(group, index, tag);
    if (!entry) return std::nullopt;
    if (IsAmount(entry->type)) return double(ExtendedToAmount(entry->value));
    return LeadingNumber(InstanceText(group, index, tag));
}

std::string InstanceText(int group, int index, int tag) {
    const TWorksheetEntry* entry = InstanceEntry(group, index, tag);
    if (!entry) return {};
    if (IsAmount(entry->type)) return FormatAmount(ExtendedToAmount(entry->value), entry->type);
    const TVariant value = GetWorksheetField(group, index, tag);
    const auto* text = std::get_if<std::string>(&value);
    return text ? *text : std::string();
}

std::optional<int> InstanceDate(int group, int index, int tag) {
    const TWorksheetEntry* entry = InstanceEntry(group, index, tag);
    if (!entry) return std::nullopt;
    if (IsAmount(entry->type)) return int(ExtendedToAmount(entry->value)); // a day number
    return StoredDate(InstanceText(group, index, tag));
}

double MainNumber(int tag) {
    const TDataType type = GetFieldType(tag);
    if (IsAmount(type)) return double(GetFieldVal(tag, true));
    if (type == dtString || type == dtSmallStr) return LeadingNumber(GetFieldStr(tag)).value_or(0);
    return 0;
}

std::optional<int> StoredDate(std::string_view text) {
    if (const auto day = StoredFormDay(text)) return day;
    if (text.find_first_not_of(' ') == std::string_view::npos) return std::nullopt;
    return DateFromText(text);
}

const std::string& TRows::Blank() {
    static const std::string blank;
    return blank;
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}
