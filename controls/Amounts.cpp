#include "Amounts.h"

#include <cmath>

namespace {
double Scale(int decimals) {
    return std::pow(10.0, decimals);
}
} // namespace

double RoundDecimals(double value, int decimals) {
    const double scaled = value * Scale(decimals);
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    double rounded;
    if (std::fabs(fraction - 0.5) < 1e-9)
        rounded = std::fmod(whole, 2.0) == 0 ? whole : whole + 1;
    else
        rounded = std::round(scaled);
    return rounded / Scale(decimals);
}

double CutDecimals(double value, int decimals) {
    return std::trunc(value * Scale(decimals) + (value < 0 ? -1e-9 : 1e-9)) / Scale(decimals);
}

QString FixedText(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith('-') && text.mid(1).toDouble() == 0) text.remove(0, 1);
    return text;
}

std::optional<double> ReadNumber(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (!(ch.isDigit() && ch.unicode() < 128) && ch != '.' && !(ch == '-' && i == 0))
            return std::nullopt;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}
