#pragma once
// How the calculation reads stored answers: presence, numbers, date texts and table rows, on
// the main tags and on the fields of a spouse or dependant instance. Nothing is copied or
// cached; every read goes to the store.

#include "FieldStore.h"

#include <optional>
#include <string>
#include <string_view>

// The entry of a spouse or dependant (0-based index), or nullptr. A checkbox entry counts only
// while checked: an unchecked one is never stored by the screens.
const TWorksheetEntry* InstanceEntry(int group, int index, int tag);
inline bool InstanceHas(int group, int index, int tag) {
    return InstanceEntry(group, index, tag) != nullptr;
}
// The entry read as a number (amounts as they are, texts by their leading number); nullopt
// when absent or not a number.
std::optional<double> InstanceNumber(int group, int index, int tag);
// The entry's text ("" when absent).
std::string InstanceText(int group, int index, int tag);
// The entry read as a date: nullopt when absent or blank; EDateError when it cannot be read.
std::optional<int> InstanceDate(int group, int index, int tag);
// The lines of a list entry without copying them; nullptr when absent.
inline const TStringList* InstanceLines(int group, int index, int tag) {
    return WorksheetFieldLines(group, index, tag);
}

// A main tag read as a number whatever its stored type; 0 when empty.
double MainNumber(int tag);
// The lines of a main list field; nullptr when there is none.
inline const TStringList* MainLines(int tag) {
    return GetFieldLst(tag);
}

// A stored date text: nullopt when blank; EDateError when it cannot be read.
std::optional<int> StoredDate(std::string_view text);

// A flat list read as rows of a fixed width; a short last row reads as blank cells.
class TRows {
public:
    TRows(const TStringList* lines, std::size_t width) : lines_(lines), width_(width) {}
    std::size_t Count() const { return lines_ ? (lines_->size() + width_ - 1) / width_ : 0; }
    const std::string& Cell(std::size_t row, std::size_t column) const {
        const std::size_t at = row * width_ + column;
        return lines_ && at < lines_->size() ? (*lines_)[at] : Blank();
    }

private:
    static const std::string& Blank();
    const TStringList* lines_;
    std::size_t width_;
};

std::string Trim(std::string_view text);
std::string Lower(std::string_view text);
