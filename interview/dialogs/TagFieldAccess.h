#pragma once
// What the tag inspector reads from and writes to the field store, apart from its window.

#include "Worksheet.h"

#include <QString>

#include <optional>

// The tag typed, when it is a number from 1 to 2312.
std::optional<int> ParseInspectedTag(const QString& text);

struct TInspectedField {
    TDataType type = dtNone;
    QString value;        // what the value edit shows
    bool checked = false; // for a check-box field
};

TInspectedField InspectField(int tag);

// Stores the edit's text by the field's current type: a number into an amount field (0 when it
// is not one), the text into a text field; other types are left alone, so the inspector never
// changes a field's type.
void StoreInspectedValue(int tag, const QString& text);
void StoreInspectedCheck(int tag, bool checked);
