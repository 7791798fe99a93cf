#include "TagFieldAccess.h"

#include "Cp1252.h"
#include "FieldStore.h"

#include <QLocale>

#include <cmath>
#include <cstdio>

namespace {

QString FromStore(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

// An amount as a plain decimal number, 15 significant digits like the store's readers.
QString AmountText(TAmount amount) {
    if (!std::isfinite(amount)) return "Invalid value";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", amount);
    return buffer;
}

QString ListText(int tag) {
    QStringList lines;
    if (const TStringList* list = GetFieldLst(tag))
        for (const std::string& line : *list)
            lines << FromStore(line);
    return lines.join('\n');
}

bool AmountType(TDataType type) {
    return type == dtNumeric || type == dtCurrency || type == dtCurrencyCnt;
}

} // namespace

std::optional<int> ParseInspectedTag(const QString& text) {
    bool number = false;
    const int tag = text.trimmed().toInt(&number);
    if (!number || !ValidFieldTag(tag)) return std::nullopt;
    return tag;
}

TInspectedField InspectField(int tag) {
    TInspectedField field;
    field.type = GetFieldType(tag);
    switch (field.type) {
    case dtNumeric:
    case dtCurrency:
    case dtCurrencyCnt:
        field.value = AmountText(GetFieldVal(tag));
        break;
    case dtCheckbox:
        field.checked = FieldChecked(tag);
        break;
    case dtString:
    case dtSmallStr:
        field.value = FromStore(GetFieldStr(tag));
        break;
    case dtList:
        field.value = ListText(tag);
        break;
    case dtWorksheet:
        field.value =
            CurrentFieldStore()->Slot(tag).worksheet ? "Worksheet exists" : "No Worksheets exist";
        break;
    default:
        field.value = "Unsupported Data Type";
        break;
    }
    return field;
}

void StoreInspectedValue(int tag, const QString& text) {
    const TDataType type = GetFieldType(tag);
    if (AmountType(type)) {
        bool number = false;
        const double amount = QLocale::c().toDouble(text.trimmed(), &number);
        SetFieldVal(tag, number && std::isfinite(amount) ? amount : 0.0);
    } else if (type == dtString || type == dtSmallStr) {
        SetFieldStr(tag, Utf8ToCp1252(text.toStdString()));
    }
}

void StoreInspectedCheck(int tag, bool checked) {
    if (GetFieldType(tag) != dtCheckbox) return;
    if (checked)
        SetFieldChecked(tag);
    else
        SetFieldUnchecked(tag);
}
