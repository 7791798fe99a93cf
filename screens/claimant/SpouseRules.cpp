#include "SpouseRules.h"

#include "Cp1252.h"
#include "Dates.h"

namespace {

// Blank as an edit shows nothing: no text, or the empty date mask.
bool Blank(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() || trimmed == "/  /";
}

QString Digits(const QString& text) {
    QString digits;
    for (QChar ch : text)
        if (ch.isDigit()) digits += ch;
    return digits;
}

std::optional<int> Day(const QString& text) {
    return ParseDate(Utf8ToCp1252(text.trimmed().toStdString()));
}

TStateEntry Whole(const QString& state) {
    return {state, int(state.size()), 0};
}

// "S" and "T" complete "N" when the caret stands just after it or the "N" is selected.
bool CompletesN(const TStateEntry& entry) {
    return entry.text.startsWith('N') &&
           ((entry.selectionStart == 1 && entry.selectionLength == 0) ||
            (entry.selectionStart == 0 && entry.selectionLength == 1));
}

} // namespace

QString SpouseDisplayName(const QString& given, const QString& other, const QString& family,
                          const QString& taxFileNumber, bool exempt, const QString& current) {
    const QString number = taxFileNumber.trimmed();
    if (given.isEmpty() && other.isEmpty() && family.isEmpty() && number.isEmpty()) return current;
    const QString names = given + ' ' + other + ' ' + family + ' ';
    if (!number.isEmpty()) return names + '(' + number + ')';
    if (exempt) return names + "(TFN Exempt)";
    return current;
}

std::optional<TStateEntry> StateAfterKey(const TStateEntry& entry, QChar key) {
    if (key == QChar('\b')) return TStateEntry{};
    switch (key.toUpper().unicode()) {
    case 'A':
        return Whole("ACT");
    case 'W':
        return Whole("WA");
    case 'Q':
        return Whole("QLD");
    case 'V':
        return Whole("VIC");
    case 'N':
        return TStateEntry{"NSW", 0, 1};
    case 'S':
        return CompletesN(entry) ? Whole("NSW") : Whole("SA");
    case 'T':
        if (CompletesN(entry)) return TStateEntry{"NT", 1, 0};
        return Whole("TAS");
    default:
        return std::nullopt;
    }
}

std::optional<TSpouseProblem> SpouseDetailsProblem(const TSpouseEntry& entry, int yearStart,
                                                   int yearEnd) {
    using enum TSpouseField;
    const QString number = Digits(entry.taxFileNumber);
    if (number.isEmpty() && !entry.exempt) return std::nullopt;
    if (!number.isEmpty() && number == Digits(entry.ownTaxFileNumber))
        return TSpouseProblem{
            "Your spouse's tax file number can not be the same as your tax file number.",
            sfExemption};
    if (Blank(entry.family))
        return TSpouseProblem{"Please enter the \"Family Name\" for this spouse.", sfFamily};
    if (Blank(entry.birth))
        return TSpouseProblem{"Please enter the \"Date of Birth\" for this spouse.", sfBirth};
    if (!entry.male && !entry.female)
        return TSpouseProblem{"Please enter the \"Sex\" of this spouse.", sfNone};
    for (int i = 0; i < int(entry.incomes.size()); ++i)
        if (Blank(entry.incomes[i]))
            return TSpouseProblem{"Please fill in all your spouse's income details (enter \"0\" "
                                  "where there was no income or expenditure).",
                                  sfIncome, i};
    if (!number.isEmpty() && entry.exempt)
        return TSpouseProblem{"There is no need to specify a TFN exemption when you have entered "
                              "a tax file number. \rYou should uncheck TFN exemption.",
                              sfExemption};
    if (const auto birth = Day(entry.birth); birth && *birth >= yearStart)
        return TSpouseProblem{"Check spouse's date of birth. Date of birth must be before the "
                              "start of the income year.",
                              sfBirth};
    if (!Blank(entry.death))
        if (const auto death = Day(entry.death); !death || *death < yearStart || *death > yearEnd)
            return TSpouseProblem{"Check spouse's date of death. If your spouse did not die "
                                  "within this income year leave this field blank.",
                                  sfDeath};
    return std::nullopt;
}
