#include "Lookups.h"

#include "Dates.h"
#include "FieldStore.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

int ReadState(int tag) {
    if (FieldEmpty(tag)) return -1;
    const std::string text = FieldAsText(tag);
    const auto first = text.find_first_not_of(' ');
    int value = -1;
    if (first == std::string::npos) return -1;
    const auto [end, error] =
        std::from_chars(text.data() + first, text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

void WriteState(int tag, int n) {
    SetFieldStr(tag, std::to_string(n));
}

int IndexByName(int group, std::string_view name) {
    const int count = WorksheetInstanceCount(group);
    for (int index = 0; index < count; ++index) {
        const TVariant label = GetWorksheetField(group, index, TagLabel);
        if (const auto* text = std::get_if<std::string>(&label); text && *text == name)
            return index;
    }
    return -1;
}

std::string NameOf(int group, int index) {
    const TVariant label = GetWorksheetField(group, index, TagLabel);
    const auto* text = std::get_if<std::string>(&label);
    return text ? *text : std::string();
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

} // namespace

int CurrentSpouse() {
    return ReadState(TagCurrentSpouse);
}
void SetCurrentSpouse(int n) {
    WriteState(TagCurrentSpouse, n);
}
int CurrentDependant() {
    return ReadState(TagCurrentDependant);
}
void SetCurrentDependant(int n) {
    WriteState(TagCurrentDependant, n);
}
int PrevBlockedItem() {
    return ReadState(TagPrevBlockedItem);
}
void SetPrevBlockedItem(int n) {
    WriteState(TagPrevBlockedItem, n);
}
int CurrentPayer() {
    return ReadState(TagCurrentPayer);
}
void SetCurrentPayer(int n) {
    WriteState(TagCurrentPayer, n);
}
int NotQualifiedReason() {
    return ReadState(TagNotQualifiedReason);
}
void SetNotQualifiedReason(int n) {
    WriteState(TagNotQualifiedReason, n);
}
bool ArrivedFromList() {
    return FieldChecked(TagArrivedFromList);
}

void SetArrivedFromList(bool checked) {
    if (checked)
        SetFieldChecked(TagArrivedFromList);
    else
        SetFieldUnchecked(TagArrivedFromList);
}

int SpouseIndexByName(std::string_view name) {
    return IndexByName(SpouseGroup, name);
}
int DependantIndexByName(std::string_view name) {
    return IndexByName(DependantGroup, name);
}
std::string SpouseName(int index) {
    return NameOf(SpouseGroup, index);
}
std::string DependantName(int index) {
    return NameOf(DependantGroup, index);
}

int DependantAgeAtYearStart(int index) {
    const TVariant birth = GetWorksheetField(DependantGroup, index, TagDateOfBirth);
    const auto* text = std::get_if<std::string>(&birth);
    return AgeInYears(YearStart, DateFromText(text ? *text : std::string()));
}

bool IsCircumstanceStartEvent(std::string_view text) {
    static constexpr std::string_view events[] = {
        "Commenced or resumed full time education",
        "Commenced receiving pension / benefit / payment under labour market program",
        "Went absent without claimant's consent",
        "Gained Australian residency for social security purposes / began living with the "
        "claimant",
        "Change of shared care %",
        "Commenced receiving payments under a prescribed education scheme",
    };
    return std::find(std::begin(events), std::end(events), text) != std::end(events);
}

bool PayersListed() {
    const TStringList* lines = GetFieldLst(TagPayerList);
    return lines && std::any_of(lines->begin(), lines->end(), [](const std::string& line) {
               return line.find_first_not_of(" \t\r\n") != std::string::npos;
           });
}

void SortIgnoringCase(std::vector<std::string>& lines) {
    // A stable sort orders exactly as the neighbour-exchanging passes would.
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return Upper(a) < Upper(b);
    });
}
