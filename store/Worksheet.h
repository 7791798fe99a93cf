#pragma once
// A worksheet: the entry list of one group of repeating records. Entries keep the order in
// which they are stored (the data file writes them so); look-ups go through an index built on
// first use after a change, so reading a field never scans the group.

#include "Extended.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

enum TDataType : std::uint8_t {
    dtNone = 0,
    dtNumeric = 1,
    dtCurrency = 2,
    dtCurrencyCnt = 3,
    dtString = 4,
    dtSmallStr = 5,
    dtCheckbox = 6,
    dtList = 7,
    dtWorksheet = 8,
};

using TStringList = std::vector<std::string>;

struct TWorksheetEntry {
    std::uint16_t instance = 0;
    std::int32_t tag = 0;
    TDataType type = dtNone;
    std::uint8_t spare = 0;
    TRawValue value{};
    std::string text;                // dtString
    std::optional<TStringList> list; // dtList; nullopt when the entry holds no list
};

class TWorksheet {
public:
    const std::vector<TWorksheetEntry>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

    // The entry of that instance and tag, or nullptr.
    const TWorksheetEntry* Find(int instance, int tag) const;
    TWorksheetEntry* Find(int instance, int tag);
    // Positions of the entries of one tag, in entry order.
    const std::vector<std::size_t>& PositionsOf(int tag) const;
    // The highest instance number, 0 when there are no entries.
    int HighestInstance() const;

    void Append(TWorksheetEntry entry);
    void Insert(std::size_t position, TWorksheetEntry entry);
    // Removes the instance's entries; answers where the last of them stood in the list that
    // remains (the end of the list when it had none).
    std::size_t RemoveInstance(int instance);
    // Direct edits (renumbering, reordering); the index is rebuilt on the next look-up.
    std::vector<TWorksheetEntry>& MutableEntries();

private:
    void Reindex() const;

    std::vector<TWorksheetEntry> entries_;
    mutable bool indexed_ = false;
    mutable std::unordered_map<std::uint64_t, std::size_t> byInstanceTag_;
    mutable std::unordered_map<int, std::vector<std::size_t>> byTag_;
    mutable int highestInstance_ = 0;
};
