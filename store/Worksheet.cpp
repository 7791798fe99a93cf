#include "Worksheet.h"

#include <algorithm>
#include <utility>

namespace {

std::uint64_t Key(int instance, int tag) {
    return (std::uint64_t(std::uint32_t(instance)) << 32) | std::uint32_t(tag);
}

const std::vector<std::size_t> NoPositions;

} // namespace

void TWorksheet::Reindex() const {
    byInstanceTag_.clear();
    byTag_.clear();
    highestInstance_ = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const auto& e = entries_[i];
        byInstanceTag_.try_emplace(Key(e.instance, e.tag), i); // the first one wins
        byTag_[e.tag].push_back(i);
        highestInstance_ = std::max<int>(highestInstance_, e.instance);
    }
    indexed_ = true;
}

const TWorksheetEntry* TWorksheet::Find(int instance, int tag) const {
    if (!indexed_) Reindex();
    const auto it = byInstanceTag_.find(Key(instance, tag));
    return it == byInstanceTag_.end() ? nullptr : &entries_[it->second];
}

TWorksheetEntry* TWorksheet::Find(int instance, int tag) {
    return const_cast<TWorksheetEntry*>(std::as_const(*this).Find(instance, tag));
}

const std::vector<std::size_t>& TWorksheet::PositionsOf(int tag) const {
    if (!indexed_) Reindex();
    const auto it = byTag_.find(tag);
    return it == byTag_.end() ? NoPositions : it->second;
}

int TWorksheet::HighestInstance() const {
    if (!indexed_) Reindex();
    return highestInstance_;
}

void TWorksheet::Append(TWorksheetEntry entry) {
    entries_.push_back(std::move(entry));
    indexed_ = false;
}

void TWorksheet::Insert(std::size_t position, TWorksheetEntry entry) {
    entries_.insert(entries_.begin() + std::ptrdiff_t(std::min(position, entries_.size())),
                    std::move(entry));
    indexed_ = false;
}

std::size_t TWorksheet::RemoveInstance(int instance) {
    std::size_t lastPosition = entries_.size();
    bool found = false;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].instance == instance) {
            lastPosition = kept;
            found = true;
            continue;
        }
        if (kept != i) entries_[kept] = std::move(entries_[i]);
        ++kept;
    }
    entries_.resize(kept);
    indexed_ = false;
    return found ? lastPosition : entries_.size();
}

std::vector<TWorksheetEntry>& TWorksheet::MutableEntries() {
    indexed_ = false;
    return entries_;
}
