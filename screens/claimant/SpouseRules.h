#pragma once
// The rules of the spouse details screen that need no widget: the display name, the keys of the
// State box and the checks made before the screen may be left.

#include <QString>

#include <array>
#include <optional>

// Given name, other name, family name and, in brackets, the tax file number or "TFN Exempt".
// Answers current when there is nothing to build a name from or neither a number nor an
// exemption to close it with.
QString SpouseDisplayName(const QString& given, const QString& other, const QString& family,
                          const QString& taxFileNumber, bool exempt, const QString& current);

// The State box takes no free text: each key gives a whole state.
struct TStateEntry {
    QString text;
    int selectionStart = 0; // the caret when nothing is selected
    int selectionLength = 0;
};
// The entry after the key; nullopt when the key does nothing.
std::optional<TStateEntry> StateAfterKey(const TStateEntry& entry, QChar key);

// What the spouse screen holds, as typed.
struct TSpouseEntry {
    QString family, given, other;
    QString birth, death;
    std::array<QString, 6> incomes; // keys 717 to 722
    QString taxFileNumber;
    QString ownTaxFileNumber; // the taxpayer's, field 1
    bool exempt = false;
    bool male = false, female = false;
};

// The control that takes the focus after a failed check; sfNone keeps it where it is.
enum class TSpouseField { sfNone, sfExemption, sfFamily, sfBirth, sfIncome, sfDeath };

struct TSpouseProblem {
    QString message;
    TSpouseField focus;
    int incomeIndex = 0; // with sfIncome, the first blank one
};

// The first reason the entry may not be stored, in the order the user is told; nullopt when it
// may. Runs only when a number is given or the exemption claimed: an entry without either is
// judged by SpouseEntryHasData.
std::optional<TSpouseProblem> SpouseDetailsProblem(const TSpouseEntry& entry, int yearStart,
                                                   int yearEnd);
