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
    if (text.find_first_not_of(' ') == std::string_view::npos) return std::nullopt;
    return DateFromText(text);
}

const std::string& TRows::Cell(std::size_t row, std::size_t column) const {
    static const std::string blank;
    const std::size_t at = row * width_ + column;
    return lines_ && at < lines_->size() ? (*lines_)[at] : blank;
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
