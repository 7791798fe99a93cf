#include "JsonForm.h"

#include "Cp1252.h"

#include <cmath>
#include <string_view>

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

constexpr std::string_view TypeNames[] = {"",         "numeric",  "currency", "currencycnt",
                                          "string",   "smallstr", "checkbox", "list",
                                          "worksheet"};

std::string TypeName(TDataType type) {
    return type >= dtNumeric && type <= dtWorksheet ? std::string(TypeNames[type]) : "none";
}

TDataType TypeOf(const std::string& name) {
    for (int t = dtNumeric; t <= dtWorksheet; ++t)
        if (TypeNames[t] == name) return TDataType(t);
    throw EJsonFormError("unknown type \"" + name + "\"");
}

// The shortest number that reads back as the same double; whole numbers without a fraction.
ordered_json AmountJson(const TRawValue& raw) {
    const double value = double(ExtendedToAmount(raw));
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 9.0e15)
        return static_cast<long long>(value);
    return value;
}

ordered_json LinesJson(const TStringList* lines) {
    ordered_json array = ordered_json::array();
    if (lines)
        for (const auto& line : *lines)
            array.push_back(Cp1252ToUtf8(line));
    return array;
}

std::string SmallText(const TRawValue& value) {
    return std::string(reinterpret_cast<const char*>(value.data() + 1),
                       std::min<std::size_t>(value[0], MaxSmallTextLength));
}

ordered_json ValueJson(TDataType type, const TRawValue& value, const std::string& text,
                       const TStringList* lines) {
    switch (type) {
    case dtNumeric:
    case dtCurrency:
    case dtCurrencyCnt:
        return AmountJson(value);
    case dtString:
        return Cp1252ToUtf8(text);
    case dtSmallStr:
        return Cp1252ToUtf8(SmallText(value));
    case dtCheckbox:
        return value[0] == 1;
    case dtList:
        return LinesJson(lines);
    default:
        return nullptr;
    }
}

ordered_json EntriesJson(const TWorksheet& sheet) {
    ordered_json array = ordered_json::array();
    for (const auto& e : sheet.Entries()) {
        ordered_json entry;
        entry["instance"] = e.instance;
        entry["tag"] = e.tag;
        entry["type"] = TypeName(e.type);
        entry["value"] = ValueJson(e.type, e.value, e.text, e.list ? &*e.list : nullptr);
        array.push_back(std::move(entry));
    }
    return array;
}

TRawValue AmountValue(const json& value) {
    if (!value.is_number()) throw EJsonFormError("an amount must be a number");
    return AmountToExtended(TAmount(value.get<double>()));
}

std::string TextValue(const json& value) {
    if (!value.is_string()) throw EJsonFormError("a text must be a string");
    return Utf8ToCp1252(value.get<std::string>());
}

TStringList LinesValue(const json& value) {
    if (!value.is_array()) throw EJsonFormError("a list must be an array of strings");
    TStringList lines;
    for (const auto& line : value)
        lines.push_back(TextValue(line));
    return lines;
}

TRawValue SmallTextValue(const std::string& text) {
    if (text.size() > std::size_t(MaxSmallTextLength))
        throw EJsonFormError("a smallstr holds at most 9 characters");
    TRawValue raw{};
    raw[0] = std::uint8_t(text.size());
    std::copy(text.begin(), text.end(), raw.begin() + 1);
    return raw;
}

TRawValue CheckboxValue(const json& value) {
    if (!value.is_boolean()) throw EJsonFormError("a checkbox value must be true or false");
    TRawValue raw{};
    raw[0] = value.get<bool>() ? 1 : 0;
    return raw;
}

TWorksheetEntry EntryValue(const json& entry) {
    if (!entry.is_object()) throw EJsonFormError("a worksheet entry must be an object");
    TWorksheetEntry e;
    const int instance = entry.at("instance").get<int>();
    if (instance < 0 || instance > 65535) throw EJsonFormError("instance out of range");
    e.instance = std::uint16_t(instance);
    e.tag = entry.at("tag").get<std::int32_t>();
    e.type = TypeOf(entry.at("type").get<std::string>());
    const json& value = entry.at("value");
    switch (e.type) {
    case dtNumeric:
    case dtCurrency:
    case dtCurrencyCnt:
        e.value = AmountValue(value);
        break;
    case dtString: {
        e.text = TextValue(value);
        if (e.text.size() > std::size_t(MaxTextLength)) e.text.resize(MaxTextLength);
        break;
    }
    case dtSmallStr:
        e.value = SmallTextValue(TextValue(value));
        break;
    case dtCheckbox:
        e.value = CheckboxValue(value);
        break;
    case dtList:
        e.list = LinesValue(value);
        break;
    default:
        throw EJsonFormError("a worksheet entry cannot hold a worksheet");
    }
    return e;
}

TFieldSlot SlotValue(const json& field) {
    if (!field.is_object()) throw EJsonFormError("a field must be an object");
    TFieldSlot slot;
    slot.type = TypeOf(field.at("type").get<std::string>());
    const json& value = field.at("value");
    switch (slot.type) {
    case dtNumeric:
    case dtCurrency:
    case dtCurrencyCnt:
        slot.value = AmountValue(value);
        break;
    case dtString:
        slot.text = TextValue(value);
        if (slot.text.size() > std::size_t(MaxTextLength)) slot.text.resize(MaxTextLength);
        break;
    case dtSmallStr:
        slot.value = SmallTextValue(TextValue(value));
        break;
    case dtCheckbox:
        slot.value = CheckboxValue(value);
        break;
    case dtList:
        slot.list = std::make_unique<TStringList>(LinesValue(value));
        break;
    case dtWorksheet:
        if (!value.is_array()) throw EJsonFormError("a worksheet must be an array of entries");
        slot.worksheet = std::make_unique<TWorksheet>();
        for (const auto& entry : value)
            slot.worksheet->Append(EntryValue(entry));
        break;
    default:
        break;
    }
    return slot;
}

} // namespace

ordered_json PlainFileToJson(const TPlainFile& file) {
    ordered_json out;
    out["section"] = file.section;
    out["item"] = file.item;
    out["history"] = file.history;
    ordered_json fields = ordered_json::object();
    for (const auto& record : file.records) {
        const TFieldSlot& slot = record.slot;
        ordered_json field;
        field["type"] = TypeName(slot.type);
        field["value"] = slot.type == dtWorksheet && slot.worksheet
                             ? EntriesJson(*slot.worksheet)
                             : ValueJson(slot.type, slot.value, slot.text, slot.list.get());
        fields[std::to_string(record.tag)] = std::move(field);
    }
    out["fields"] = std::move(fields);
    return out;
}

TPlainFile JsonToPlainFile(const json& in) {
    try {
        TPlainFile file;
        file.section = in.value("section", 0);
        file.item = in.value("item", 0);
        if (in.contains("history"))
            file.history = in.at("history").get<std::vector<std::int32_t>>();
        if (in.contains("fields")) {
            for (const auto& [key, field] : in.at("fields").items()) {
                std::size_t used = 0;
                const int tag = std::stoi(key, &used);
                if (used != key.size() || !ValidFieldTag(tag))
                    throw EJsonFormError("bad field tag \"" + key + "\"");
                file.records.push_back({tag, SlotValue(field)});
            }
        }
        std::stable_sort(file.records.begin(), file.records.end(),
                         [](const auto& a, const auto& b) { return a.tag < b.tag; });
        return file;
    } catch (const json::exception& error) {
        throw EJsonFormError(error.what());
    } catch (const std::logic_error& error) { // stoi
        throw EJsonFormError(std::string("bad field tag: ") + error.what());
    }
}
