#include "Identifiers.h"

#include <QStringList>

#include <vector>

namespace {

QString WithoutSpaces(const QString& text) {
    QString result = text;
    result.remove(' ');
    return result;
}

QString DigitsOf(const QString& text) {
    QString result;
    for (QChar ch : text)
        if (ch.isDigit()) result += ch;
    return result;
}

bool AllDigits(const QString& text) {
    for (QChar ch : text)
        if (ch < '0' || ch > '9') return false;
    return true;
}

int Digit(const QString& text, int i) {
    return text[i].unicode() - '0';
}

int WeightedSum(const QString& digits, const std::vector<int>& weights) {
    int sum = 0;
    for (size_t i = 0; i < weights.size(); ++i)
        sum += Digit(digits, int(i)) * weights[i];
    return sum;
}

// The 11-digit business-number weighting, the first digit less one.
bool AbnWeightingHolds(const QString& digits) {
    QString adjusted = digits;
    adjusted[0] = QChar(adjusted[0].unicode() - 1);
    return WeightedSum(adjusted, {10, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19}) % 89 == 0;
}

bool TfnValid(const QString& text) {
    if (text == "0") return false;
    const QString d = WithoutSpaces(text);
    if (!AllDigits(d)) return false;
    switch (d.size()) {
    case 7:
        return WeightedSum(d, {10, 7, 8, 4, 6, 3, 1}) % 11 == 0;
    case 8:
        return WeightedSum(d, {10, 7, 8, 4, 6, 3, 5, 1}) % 11 == 0;
    case 9:
        return WeightedSum(d, {10, 7, 8, 4, 6, 3, 5, 2, 1}) % 11 == 0;
    default:
        return false;
    }
}

bool AbnValid(const QString& text) {
    const QString d = DigitsOf(text);
    if (d.size() < 11 || d[0] == '0') return true;
    return d.size() == 11 && AbnWeightingHolds(d);
}

bool AcnValid(const QString& text) {
    if (text == "0") return false;
    const QString d = WithoutSpaces(text);
    if (d.size() != 9 || !AllDigits(d)) return false;
    const int a = WeightedSum(d, {8, 7, 6, 5, 4, 3, 2, 1});
    const int d9 = Digit(d, 8);
    if (a <= 10) return a + d9 == 10;
    return (a % 10 == 0 && d9 == 0) || (a % 10) + d9 == 10;
}

bool SfnValid(const QString& text) {
    if (text == "0") return false;
    const QString d = WithoutSpaces(text);
    if (d.size() != 9 || !AllDigits(d)) return false;
    const int r = WeightedSum(d, {32, 16, 8, 4, 2, 1, 128, 64}) % 11;
    const int d9 = Digit(d, 8);
    return (r == 10 && d9 == 0) || (r < 10 && r == d9);
}

bool DinValid(const QString& text) {
    QString d = DigitsOf(text);
    if (d.size() < 9 || d.size() > 11) return false;
    d = d.rightJustified(11, '0');
    d = d.right(2) + d.left(9);
    if (d[0] == '0') return false;
    return AbnWeightingHolds(d);
}

bool EgnValid(const QString& text) {
    if (text == "0") return false;
    const QString d = WithoutSpaces(text);
    if (d == "00000000" || d.size() != 8 || !AllDigits(d)) return false;
    return WeightedSum(d, {10, 7, 8, 4, 6, 3, 5, 1}) % 11 == 0;
}

QString Grouped(const QString& digits, const std::vector<int>& groups) {
    QStringList parts;
    int at = 0;
    for (int size : groups) {
        parts << digits.mid(at, size);
        at += size;
    }
    return parts.join(' ');
}

QString PaddedGroups(const QString& digits, int width, const std::vector<int>& groups) {
    return Grouped(digits.rightJustified(width, '0'), groups);
}

} // namespace

bool IdentifierValid(TIdentifier kind, const QString& text) {
    if (text.trimmed().isEmpty()) return true;
    switch (kind) {
    case TIdentifier::TFN:
        return TfnValid(text);
    case TIdentifier::ABN:
        return AbnValid(text);
    case TIdentifier::ACN:
        return AcnValid(text);
    case TIdentifier::SFN:
        return SfnValid(text);
    case TIdentifier::DIN:
        return DinValid(text);
    case TIdentifier::EGN:
        return EgnValid(text);
    }
    return true;
}

QString IdentifierMessage(TIdentifier kind) {
    switch (kind) {
    case TIdentifier::TFN:
        return "Invalid Tax File Number (TFN)";
    case TIdentifier::ABN:
        return "Invalid Australian Business Number (ABN)";
    case TIdentifier::ACN:
        return "Invalid ACN/ARBN";
    case TIdentifier::SFN:
        return "Invalid SFN";
    case TIdentifier::DIN:
        return "Invalid Document Indentification Number (DIN)";
    case TIdentifier::EGN:
        return "Invalid Employer group number";
    }
    return {};
}

QString FormatIdentifier(TIdentifier kind, const QString& text) {
    const QString d = WithoutSpaces(text);
    if (d.isEmpty()) return d;
    switch (kind) {
    case TIdentifier::TFN:
        if (d.size() == 7) return Grouped(d, {1, 3, 3});
        if (d.size() == 8) return Grouped(d, {2, 3, 3});
        if (d.size() == 9) return Grouped(d, {3, 3, 3});
        return d;
    case TIdentifier::ABN:
    case TIdentifier::DIN:
        return PaddedGroups(d, 11, {2, 3, 3, 3});
    case TIdentifier::ACN:
        return PaddedGroups(d, 9, {3, 3, 3});
    case TIdentifier::SFN:
        return PaddedGroups(d, 9, {4, 3, 2});
    case TIdentifier::EGN:
        return PaddedGroups(d, 8, {3, 3, 2});
    }
    return d;
}
