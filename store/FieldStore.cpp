#include "FieldStore.h"

#include "Prompter.h"
#include "RunState.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

std::unique_ptr<TFieldStore> theStore;

TFieldSlot* SlotOf(int tag) {
    return theStore && ValidFieldTag(tag) ? &theStore->Slot(tag) : nullptr;
}

bool IsAmountType(TDataType type) {
    return type == dtNumeric || type == dtCurrency || type == dtCurrencyCnt;
}

bool IsTextType(TDataType type) {
    return type == dtString || type == dtSmallStr;
}

std::string SmallText(const TRawValue& value) {
    const std::size_t length = std::min<std::size_t>(value[0], MaxSmallTextLength);
    return std::string(reinterpret_cast<const char*>(value.data() + 1), length);
}

TRawValue SmallTextValue(std::string_view text) {
    TRawValue value{};
    value[0] = std::uint8_t(text.size());
    std::copy(text.begin(), text.end(), value.begin() + 1);
    return value;
}

TRawValue CheckboxValue(bool checked) {
    TRawValue value{};
    value[0] = checked ? 1 : 0;
    return value;
}

void Diagnose(int tag, const char* operation) {
    if (!RunState().SupportMode) return;
    const auto& slot = theStore->Slot(tag);
    ShowMessageBox("DEBUG: bad field tag " + std::to_string(tag) + "  " + "DataType = " +
                       DataTypeName(slot.type) + "  " + "Contents = " + FieldAsText(tag) + "  " +
                       "Worksheet = " + WorksheetNameOf(RunState().CurrentWorksheetGroup) + "  " +
                       operation,
                   mkError, mbOK);
}

// Makes a tag hold nothing at all: no type, no value, nothing owned.
void Reset(TFieldSlot& slot) {
    slot.type = dtNone;
    slot.spare = 0;
    slot.value = {};
    slot.text.clear();
    slot.list.reset();
    slot.worksheet.reset();
}

void ClearWindow() {
    for (int tag = WindowFirst; tag <= WindowLast; ++tag)
        Reset(theStore->Slot(tag));
    for (int tag = WindowExtraFirst; tag <= WindowExtraLast; ++tag)
        Reset(theStore->Slot(tag));
}

TWorksheet& EnsureWorksheet(int group) {
    auto& slot = theStore->Slot(WorksheetHoldingBase + group);
    if (!slot.worksheet) {
        SetFieldType(WorksheetHoldingBase + group, dtWorksheet);
        slot.worksheet = std::make_unique<TWorksheet>();
    }
    return *slot.worksheet;
}

bool ValidGroup(int group) {
    return theStore && ValidFieldTag(WorksheetHoldingBase + group) && group >= 0;
}

// Hands the window field over to a new worksheet entry.
TWorksheetEntry EntryFromWindow(int instance, int tag) {
    auto& slot = theStore->Slot(tag);
    TWorksheetEntry entry;
    entry.instance = std::uint16_t(instance);
    entry.tag = tag;
    entry.type = slot.type;
    entry.spare = slot.spare;
    switch (slot.type) {
    case dtString:
        entry.text = std::move(slot.text);
        break;
    case dtList:
        if (slot.list) entry.list = std::move(*slot.list);
        break;
    default:
        entry.value = slot.value;
        break;
    }
    return entry;
}

void CopyEntryToWindow(const TWorksheetEntry& entry) {
    if (!ValidFieldTag(entry.tag)) return;
    auto& slot = theStore->Slot(entry.tag);
    Reset(slot);
    slot.type = entry.type;
    slot.spare = entry.spare;
    switch (entry.type) {
    case dtString:
        slot.text = entry.text;
        break;
    case dtList:
        if (entry.list) slot.list = std::make_unique<TStringList>(*entry.list);
        break;
    case dtWorksheet:
        slot.type = dtNone;
        break; // an entry never holds a worksheet
    default:
        slot.value = entry.value;
        break;
    }
}

const TWorksheetEntry* FindEntry(int group, int index, int tag) {
    const TWorksheet* sheet = GetWorksheet(group);
    return sheet ? sheet->Find(index + 1, tag) : nullptr;
}

// The amount as a fixed-point value of four decimals, in its shortest decimal form.
std::string FourDecimalText(TAmount amount) {
    const long long scaled = std::llround(double(amount * 10000));
    const bool negative = scaled < 0;
    const unsigned long long magnitude = negative ? 0ULL - scaled : scaled;
    std::string text = std::to_string(magnitude / 10000);
    unsigned long long fraction = magnitude % 10000;
    if (fraction != 0) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04llu", fraction);
        std::string decimals = digits;
        decimals.erase(decimals.find_last_not_of('0') + 1);
        text += "." + decimals;
    }
    return negative ? "-" + text : text;
}

// Pairs of answers of the host's part that exclude each other.
constexpr int PairFirsts[] = {9, 17, 19, 33, 132, 134, 136, 138, 140, 142};

int PairFirstOf(int tag) {
    for (int first : PairFirsts)
        if (tag == first || tag == first + 1) return first;
    return 0;
}

void SetChecked(TFieldSlot& slot, bool checked) {
    if (slot.type == dtNone) slot.type = dtCheckbox;
    if ((slot.value[0] == 1) != checked) SetDataModified(true);
    slot.value = CheckboxValue(checked);
}

} // namespace

const char* DataTypeName(TDataType type) {
    static const char* const names[] = {"dtNone",        "dtNumeric", "dtCurrency",
                                        "dtCurrencyCnt", "dtString",  "dtSmallStr",
                                        "dtCheckbox",    "dtList",    "dtWorksheet"};
    return type <= dtWorksheet ? names[type] : "dtUnknown";
}

TFieldStore::TFieldStore() : slots_(MaxTag) {}

void CreateFieldStore() {
    theStore = std::make_unique<TFieldStore>();
}

void FreeFieldStore() {
    if (!theStore) return;
    ClearAllFields();
    theStore.reset();
}

bool FieldStoreExists() {
    return theStore != nullptr;
}

TFieldStore* CurrentFieldStore() {
    return theStore.get();
}

void ClearAllFields() {
    if (!theStore) return;
    ClearWindow();
    for (int tag = MinTag; tag <= MaxTag; ++tag)
        ClearField(tag);
}

bool ValidFieldTag(int tag) {
    return tag >= MinTag && tag <= MaxTag;
}

TDataType GetFieldType(int tag) {
    const TFieldSlot* slot = SlotOf(tag);
    return slot ? slot->type : dtNone;
}

void SetFieldType(int tag, TDataType type) {
    TFieldSlot* slot = SlotOf(tag);
    if (!slot) return;
    if (slot->type == dtString) slot->text.clear();
    if (slot->type == dtList) slot->list.reset();
    slot->type = type;
}

void ClearField(int tag) {
    TFieldSlot* slot = SlotOf(tag);
    if (!slot) return;
    switch (slot->type) {
    case dtString:
    case dtList:
    case dtWorksheet:
        Reset(*slot);
        break;
    case dtSmallStr:
        slot->value = {};
        break;
    case dtCheckbox:
        slot->value = CheckboxValue(false);
        break;
    default:
        slot->value = {};
        break;
    }
}

void SetFieldVal(int tag, TAmount amount) {
    TFieldSlot* slot = SlotOf(tag);
    if (!slot) return;
    if (slot->type == dtNone) slot->type = dtCurrency;
    if (!IsAmountType(slot->type)) return Diagnose(tag, "SetFieldVal");
    if (ExtendedToAmount(slot->value) != amount) SetDataModified(true);
    slot->value = AmountToExtended(amount);
}

TAmount GetFieldVal(int tag, bool zeroTiny) {
    const TFieldSlot* slot = SlotOf(tag);
    if (!slot) return 0;
    if (slot->type != dtNone && !IsAmountType(slot->type)) {
        Diagnose(tag, "GetFieldVal");
        return 0;
    }
    const TAmount amount = ExtendedToAmount(slot->value);
    if (zeroTiny && amount > 0 && amount < 0.005L) return 0;
    return amount;
}

std::int64_t GetFieldInt(int tag) {
    const TAmount amount = GetFieldVal(tag, false);
    return std::isfinite(amount) ? std::int64_t(std::nearbyint(amount)) : 0;
}

void SetFieldStr(int tag, std::string_view text) {
    TFieldSlot* slot = SlotOf(tag);
    if (!slot) return;
    if (slot->type != dtNone && !IsTextType(slot->type)) return Diagnose(tag, "SetFieldStr");
    if (GetFieldStr(tag) != text) SetDataModified(true);
    if (text.size() <= MaxSmallTextLength) {
        slot->text.clear();
        slot->type = dtSmallStr;
        slot->value = SmallTextValue(text);
    } else {
        slot->type = dtString;
        slot->value = {};
        slot->text = std::string(text.substr(0, MaxTextLength));
    }
}

std::string GetFieldStr(int tag) {
    const TFieldSlot* slot = SlotOf(tag);
    if (!slot) return {};
    switch (slot->type) {
    case dtNone:
        return {};
    case dtSmallStr:
        return SmallText(slot->value);
    case dtString:
        return slot->text;
    default:
        Diagnose(tag, "GetFieldStr");
        return {};
    }
}

void SetFieldLst(int tag, TStringList list) {
    TFieldSlot* slot = SlotOf(tag);
    if (!slot) return;
    if (slot->type == dtNone) slot->type = dtList;
    if (slot->type != dtList) return Diagnose(tag, "SetFieldLst");
    slot->list = std::make_unique<TStringList>(std::move(list));
}

TStringList* GetFieldLst(int tag) {
    TFieldSlot* slot = SlotOf(tag);
    if (!slot || slot->type == dtNone) return nullptr;
    if (slot->type != dtList) {
        Diagnose(tag, "GetFieldLst");
        return nullptr;
    }
    return slot->list.get();
}

void SetFieldChecked(int tag) {
    TFieldSlot* slot = SlotOf(tag);
    if (!slot) return;
    if (slot->type != dtNone && slot->type != dtCheckbox) return Diagnose(tag, "SetFieldChecked");
    const int first = PairFirstOf(tag);
    if (first == 0) return SetChecked(*slot, true);
    for (int member : {first, first + 1}) {
        TFieldSlot& pairSlot = theStore->Slot(member);
        if (pairSlot.type != dtNone && pairSlot.type != dtCheckbox) {
            Diagnose(member, "SetFieldChecked");
            continue;
        }
        SetChecked(pairSlot, member == tag);
    }
}

void SetFieldUnchecked(int tag) {
    TFieldSlot* slot = SlotOf(tag);
    if (!slot) return;
    if (slot->type != dtNone && slot->type != dtCheckbox) return Diagnose(tag, "SetFieldUnchecked");
    SetChecked(*slot, false);
}

bool FieldChecked(int tag) {
    const TFieldSlot* slot = SlotOf(tag);
    if (!slot) return false;
    if (slot->type != dtNone && slot->type != dtCheckbox) {
        Diagnose(tag, "FieldChecked");
        return false;
    }
    return slot->value[0] == 1;
}

std::string FormatAmount(TAmount amount, TDataType type) {
    if (!(std::fabs(amount) >= 0.001L)) return {};
    char buffer[64];
    if (type == dtNumeric) {
        std::snprintf(buffer, sizeof buffer, "%lld",
                      static_cast<long long>(std::nearbyint(amount)));
        return buffer;
    }
    const int decimals = type == dtCurrencyCnt ? 2 : 0;
    const int precision = type == dtCurrencyCnt ? 12 : 8;
    const TAmount scale = decimals == 2 ? 100.0L : 1.0L;
    const TAmount rounded = std::round(amount * scale) / scale; // halves away from zero
    const TAmount magnitude = std::fabs(rounded);
    if (magnitude >= std::pow(10.0L, precision)) {
        // More integer digits than the precision: scientific notation.
        std::snprintf(buffer, sizeof buffer, "%.*LE", precision - 1, amount);
        return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, rounded);
    std::string text = buffer;
    if (text == "-0" || text == "-0.00") text.erase(0, 1);
    return text;
}

std::string FieldAsText(int tag) {
    const TFieldSlot* slot = SlotOf(tag);
    if (!slot) return {};
    switch (slot->type) {
    case dtNumeric:
    case dtCurrency:
    case dtCurrencyCnt:
        return FormatAmount(ExtendedToAmount(slot->value), slot->type);
    case dtSmallStr:
        return SmallText(slot->value);
    case dtString:
        return slot->text;
    case dtCheckbox:
        return slot->value[0] == 1 ? "X" : "";
    case dtList:
        return slot->list ? JoinLines(*slot->list) : "";
    default:
        return {};
    }
}

bool FieldEmpty(int tag) {
    const TFieldSlot* slot = SlotOf(tag);
    if (!slot) return true;
    switch (slot->type) {
    case dtNumeric:
    case dtCurrency:
    case dtCurrencyCnt:
        return !(std::fabs(ExtendedToAmount(slot->value)) >= 0.001L);
    case dtSmallStr:
    case dtString: {
        const std::string text = slot->type == dtString ? slot->text : SmallText(slot->value);
        return std::all_of(text.begin(), text.end(),
                           [](char c) { return static_cast<unsigned char>(c) <= ' '; });
    }
    case dtCheckbox:
        return slot->value[0] != 1;
    case dtList:
        return !slot->list || slot->list->empty();
    case dtWorksheet:
        return !WorksheetHasInstances(tag - WorksheetHoldingBase);
    default:
        return true;
    }
}

bool DataModified() {
    return RunState().DataModified;
}

void SetDataModified(bool modified) {
    RunState().DataModified = modified;
}

void UnpackWorksheetInstance(int group, int instance) {
    if (!ValidGroup(group)) return;
    RunState().CurrentWorksheetGroup = group;
    ClearWindow();
    const TWorksheet& sheet = EnsureWorksheet(group);
    for (const auto& entry : sheet.Entries())
        if (entry.instance == instance) CopyEntryToWindow(entry);
}

void PackWorksheetInstance(int group, int instance) {
    if (!ValidGroup(group)) return;
    // Unlike the window's first owner, a group without an entry list gets one here: the
    // window's values would otherwise be thrown away.
    TWorksheet& sheet = EnsureWorksheet(group);
    std::size_t position = sheet.RemoveInstance(instance);
    if (FieldAsText(TagLabel).empty())
        SetFieldStr(TagLabel, "Worksheet No " + std::to_string(instance));
    auto pack = [&](int first, int last) {
        for (int tag = first; tag <= last; ++tag)
            if (!FieldAsText(tag).empty()) sheet.Insert(position, EntryFromWindow(instance, tag));
    };
    pack(WindowFirst, WindowPackLast);
    pack(WindowExtraFirst, WindowExtraLast);
    RunState().CurrentWorksheetGroup = 0;
    ClearWindow();
    Reset(theStore->Slot(WindowPackLast));
}

TWorksheet* GetWorksheet(int group) {
    if (!ValidGroup(group)) return nullptr;
    auto& slot = theStore->Slot(WorksheetHoldingBase + group);
    return slot.type == dtWorksheet ? slot.worksheet.get() : nullptr;
}

int WorksheetInstanceCount(int group) {
    const TWorksheet* sheet = GetWorksheet(group);
    return sheet ? sheet->HighestInstance() : 0;
}

bool WorksheetHasInstances(int group) {
    const TWorksheet* sheet = GetWorksheet(group);
    return sheet && !sheet->Empty();
}

TVariant GetWorksheetField(int group, int index, int tag) {
    const TWorksheetEntry* entry = FindEntry(group, index, tag);
    if (!entry) return {};
    switch (entry->type) {
    case dtCurrency:
    case dtCurrencyCnt:
        return double(ExtendedToAmount(entry->value));
    case dtString:
        return entry->text;
    case dtSmallStr:
        return SmallText(entry->value);
    case dtCheckbox:
        return entry->value[0] == 1;
    default:
        return {};
    }
}

TStringList GetWorksheetFieldValues(int group, int tag) {
    TStringList values;
    const TWorksheet* sheet = GetWorksheet(group);
    if (!sheet) return values;
    for (std::size_t position : sheet->PositionsOf(tag)) {
        const auto& entry = sheet->Entries()[position];
        switch (entry.type) {
        case dtCurrency:
        case dtCurrencyCnt:
            values.push_back(FourDecimalText(ExtendedToAmount(entry.value)));
            break;
        case dtString:
            values.push_back(entry.text);
            break;
        case dtSmallStr:
            values.push_back(SmallText(entry.value));
            break;
        case dtCheckbox:
            values.push_back(entry.value[0] == 1 ? "True" : "False");
            break;
        default:
            break;
        }
    }
    return values;
}

const TStringList* WorksheetFieldLines(int group, int index, int tag) {
    const TWorksheetEntry* entry = FindEntry(group, index, tag);
    return entry && entry->type == dtList && entry->list ? &*entry->list : nullptr;
}

void GetWorksheetFieldLst(int group, int index, int tag, TStringList& list) {
    const TStringList* lines = WorksheetFieldLines(group, index, tag);
    list = lines ? *lines : TStringList{};
}

void SetWorksheetFieldLst(int group, int index, int tag, const TStringList& lines) {
    TWorksheet* sheet = GetWorksheet(group);
    TWorksheetEntry* entry = sheet ? sheet->Find(index + 1, tag) : nullptr;
    if (entry && entry->type == dtList) entry->list = lines;
}

namespace {
const TStringList* RolloverNotices() {
    const TFieldSlot* slot = SlotOf(TagRolloverNotices);
    return slot && slot->type == dtList ? slot->list.get() : nullptr;
}
} // namespace

bool RolloverNoticeExists(std::string_view text) {
    const TStringList* lines = RolloverNotices();
    return lines && std::find(lines->begin(), lines->end(), text) != lines->end();
}

bool RemoveRolloverNotice(std::string_view text) {
    TStringList* lines = const_cast<TStringList*>(RolloverNotices());
    if (!lines) return false;
    const auto it = std::find(lines->begin(), lines->end(), text);
    if (it == lines->end()) return false;
    lines->erase(it);
    return true;
}

bool RolloverNoticeStartsWith(std::string_view prefix) {
    const TStringList* lines = RolloverNotices();
    return lines && std::any_of(lines->begin(), lines->end(), [&](const std::string& line) {
               return std::string_view(line).substr(0, prefix.size()) == prefix;
           });
}

std::string WorksheetNameOf(int group) {
    switch (group) {
    case 1:
        return "1 - Salary & Wages / Lump Sum";
    case 2:
        return "2 - ETP Statements";
    case 3:
        return "3 - Item 7 / D8 / T3";
    case 4:
        return "4 - Rental Statements";
    case 5:
        return "5 - Other Deductions";
    case 7:
        return "7 - Motor Vehicle";
    case 10:
        return "10 - D5 Depreciation - Non WRE";
    case 11:
        return "11 - Business PP Depreciation";
    case 12:
        return "12 - Business NPP Depreciation";
    default:
        break;
    }
    if (group >= 180 && group <= 199) return std::to_string(group) + " - Rental Depreciation";
    if (group >= 249 && group <= 253) return std::to_string(group) + " - D5 Depreciation - WRE";
    return std::to_string(group) + " - not defined";
}

TStringList SplitLines(std::string_view text) {
    TStringList lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinLines(const TStringList& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

int AgeInYears(int onDate, int birthDate) {
    using namespace std::chrono;
    const sys_days epoch = sys_days(year{1899} / December / 30);
    const year_month_day on{epoch + days(onDate)};
    const year_month_day birth{epoch + days(birthDate)};
    int age = int(on.year()) - int(birth.year());
    if (on.month() < birth.month() || (on.month() == birth.month() && on.day() < birth.day()))
        --age;
    return age;
}
