#pragma once
// Sets of accepted characters written as "A..Z,a..z,0..9,-": items separated by commas, an
// item being one character or a range X..Y; ",," adds the comma itself.

#include <QString>

#include <optional>

class TCharSet {
public:
    TCharSet() = default;
    // nullopt when an item is neither one character nor a range.
    static std::optional<TCharSet> Parse(const QString& text);

    bool Contains(QChar ch) const { return FChars.contains(ch); }
    bool Empty() const { return FChars.isEmpty(); }
    void Add(QChar ch);
    // The characters of text that belong to the set, in order.
    QString Filter(const QString& text) const;
    // Every character of text belongs to the set.
    bool AllOf(const QString& text) const;

private:
    QString FChars; // sorted, no repeats
};
