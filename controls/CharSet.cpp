#include "CharSet.h"

#include <algorithm>

std::optional<TCharSet> TCharSet::Parse(const QString& text) {
    TCharSet set;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (i + 3 < n && text[i + 1] == '.' && text[i + 2] == '.') {
            for (int ch = text[i].unicode(); ch <= text[i + 3].unicode(); ++ch)
                set.Add(QChar(ch));
            i += 4;
        } else {
            set.Add(text[i]);
            i += 1;
        }
        if (i < n && text[i++] != ',') return std::nullopt;
    }
    return set;
}

void TCharSet::Add(QChar ch) {
    auto pos = std::lower_bound(FChars.begin(), FChars.end(), ch);
    if (pos == FChars.end() || *pos != ch) FChars.insert(pos - FChars.begin(), ch);
}

QString TCharSet::Filter(const QString& text) const {
    QString result;
    for (QChar ch : text)
        if (Contains(ch)) result += ch;
    return result;
}

bool TCharSet::AllOf(const QString& text) const {
    return std::all_of(text.begin(), text.end(), [this](QChar ch) { return Contains(ch); });
}
