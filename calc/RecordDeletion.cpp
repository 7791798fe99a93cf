#include "RecordDeletion.h"

#include "CalcTags.h"
#include "FieldStore.h"
#include "Lookups.h"
#include "Prompter.h"
#include "StoreReads.h"

#include <algorithm>
#include <functional>

namespace {

using TNameMatch = std::function<bool(const std::string&)>;

// A table whose rows begin with a person's name.
struct TNamingTable {
    int tag;
    std::size_t width;
};

constexpr TNamingTable MaritalTable{TagMaritalStatus, MaritalStatusWidth};
constexpr TNamingTable BlindTable{TagBlindPeriods, BlindPeriodsWidth};
constexpr TNamingTable ActionTable{TagMaintenanceAction, 4};
constexpr TNamingTable CapitalisedTable{TagCapitalisedMaintenance, 6};
constexpr TNamingTable PeriodicTable{TagPeriodicMaintenance, 5};
constexpr TNamingTable DependantTables[] = {ActionTable, CapitalisedTable, PeriodicTable};

bool NamesRow(const TStringList* lines, std::size_t width, const TNameMatch& names) {
    const TRows rows(lines, width);
    for (std::size_t row = 0; row < rows.Count(); ++row)
        if (names(rows.Cell(row, 0))) return true;
    return false;
}

bool SomeDependantNames(const TNamingTable& table, const TNameMatch& names) {
    for (int dep = 0; dep < WorksheetInstanceCount(DependantGroup); ++dep)
        if (NamesRow(InstanceLines(DependantGroup, dep, table.tag), table.width, names))
            return true;
    return false;
}

// The lines without the rows that name the person.
TStringList WithoutRows(const TStringList& lines, std::size_t width, const TNameMatch& names) {
    TStringList kept;
    for (std::size_t first = 0; first < lines.size(); first += width) {
        const std::size_t end = std::min(lines.size(), first + width);
        if (!names(lines[first]))
            kept.insert(kept.end(), lines.begin() + first, lines.begin() + end);
    }
    return kept;
}

// Rewrites a main table, or every dependant's maintenance tables, through edit.
void EditMainTable(const TNamingTable& table,
                   const std::function<TStringList(const TStringList&)>& edit) {
    if (const TStringList* lines = MainLines(table.tag)) SetFieldLst(table.tag, edit(*lines));
}

void EditDependantTables(const std::function<TStringList(const TStringList&, std::size_t)>& edit) {
    for (int dep = 0; dep < WorksheetInstanceCount(DependantGroup); ++dep)
        for (const TNamingTable& table : DependantTables)
            if (const TStringList* lines = InstanceLines(DependantGroup, dep, table.tag))
                SetWorksheetFieldLst(DependantGroup, dep, table.tag, edit(*lines, table.width));
}

bool AskToDelete(const std::string& question) {
    return ShowMessageBox(question, mkWarning, mbYes | mbNo, mbNo) == mrYes;
}

bool ConfirmSpouseDeletion(int spouse) {
    if (!InstanceHas(SpouseGroup, spouse, TagLabel)) return true;
    const std::string name = SpouseName(spouse);
    const std::string loose = Lower(Trim(name));
    const TNameMatch namesLoosely = [&](const std::string& cell) {
        return Lower(Trim(cell)) == loose;
    };
    const TNameMatch namesExactly = [&](const std::string& cell) { return cell == name; };

    std::string lines;
    if (NamesRow(MainLines(MaritalTable.tag), MaritalTable.width, namesLoosely))
        lines += "Marital status will be affected you will need to update the marital status "
                 "screen";
    if (NamesRow(MainLines(BlindTable.tag), BlindTable.width, namesLoosely))
        lines += "\n\rPeriods have been recorded in which this spouse was blind and receipt of a "
                 "blind rate pension or blind rate of service pension or income support "
                 "supplement.";
    if (SomeDependantNames(ActionTable, namesExactly))
        lines += "\n\rMaintenance action on behalf of a dependant taken taken";
    if (SomeDependantNames(CapitalisedTable, namesExactly))
        lines += "\n\rCapitalised maintenance received";
    if (SomeDependantNames(PeriodicTable, namesExactly)) lines += "\n\rMaintenance received";
    if (lines.empty()) return true;

    if (!AskToDelete("The following information has been recorded with regard to this "
                     "spouse:\r\r" +
                     lines + "\r\r" + "Are you sure you wish to continue with this deletion?"))
        return false;
    for (const TNamingTable& table : {MaritalTable, BlindTable})
        EditMainTable(table, [&](const TStringList& rows) {
            return WithoutRows(rows, table.width, namesLoosely);
        });
    EditDependantTables([&](const TStringList& rows, std::size_t width) {
        return WithoutRows(rows, width, namesExactly);
    });
    SetDataModified(true);
    return true;
}

bool ConfirmDependantDeletion(int dep) {
    static constexpr std::pair<int, const char*> recorded[] = {
        {TagMaintenanceAction,
         "Maintenance action test information has been recorded for this dependant."},
        {TagCapitalisedMaintenance,
         "The receipt of capitalised maintenance has been recorded for this dependant."},
        {TagPeriodicMaintenance,
         "The receipt of non-capitalised maintenance has been recorded for this dependant."},
    };
    std::string lines;
    for (const auto& [tag, line] : recorded) {
        const TStringList* rows = InstanceLines(DependantGroup, dep, tag);
        if (rows && !rows->empty()) lines += std::string("\n\r") + line;
    }
    return lines.empty() || AskToDelete("Maintenance information has already entered, are you "
                                        "sure you want to proceed with this deletion?" +
                                        lines);
}

TStringList Renamed(const TStringList& lines, std::size_t width, const std::string& oldName,
                    const std::string& newName) {
    TStringList renamed = lines;
    for (std::size_t first = 0; first < renamed.size(); first += width)
        if (renamed[first] == oldName) renamed[first] = newName;
    return renamed;
}

} // namespace

bool ConfirmRecordDeletion(int group, int record) {
    if (group == SpouseGroup) return ConfirmSpouseDeletion(record - 1);
    if (group == DependantGroup) return ConfirmDependantDeletion(record - 1);
    return true;
}

void RenameSpouseReferences(const std::string& oldName, const std::string& newName) {
    if (oldName == newName) return;
    for (const TNamingTable& table : {MaritalTable, BlindTable})
        EditMainTable(table, [&](const TStringList& rows) {
            return Renamed(rows, table.width, oldName, newName);
        });
    EditDependantTables([&](const TStringList& rows, std::size_t width) {
        return Renamed(rows, width, oldName, newName);
    });
    SetDataModified(true);
}
