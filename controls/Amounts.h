#pragma once
// Amounts as the boxes and cells read and show them.

#include <QString>

#include <optional>

// An amount typed as 0: an answered zero, which differs from an empty answer.
constexpr double ExplicitZero = 0.0011;

// The fraction rounded to that many decimals, halves to even.
double RoundDecimals(double value, int decimals);
// The fraction cut to that many decimals.
double CutDecimals(double value, int decimals);
// Fixed notation with that many decimals, '.' as the separator.
QString FixedText(double value, int decimals);
// A decimal number with '.' as the separator and an optional leading '-'; nullopt otherwise.
std::optional<double> ReadNumber(const QString& text);
