#include "OverseasPeriods.h"

#include "Dates.h"
#include "ScreenHelpers.h"
#include "XGrid.h"

#include <optional>

namespace {

constexpr int DepartureCol = 0;
constexpr int ReturnCol = 1;
constexpr int TwentySixWeeks = 182;

std::optional<int> CellDay(const TXGrid& grid, int col, int row) {
    return ParseDate(grid.Cells(col, row).toStdString());
}

bool Empty(const TXGrid& grid, int col, int row) {
    return grid.Cells(col, row).trimmed().isEmpty();
}

QString DayText(int day) {
    return QString::fromStdString(FormatDate(day));
}

bool Refuse(TXGrid& grid, int row, const QString& message) {
    ShowError(message);
    grid.MoveTo(DepartureCol, row);
    grid.setFocus();
    return false;
}

} // namespace

bool FirstPeriodLongEnough(TXGrid& grid, int earliestDay, const QString& message) {
    const auto departure = CellDay(grid, DepartureCol, 1);
    const auto back = CellDay(grid, ReturnCol, 1);
    if (!departure || !back) return true;
    if (*back - std::max(*departure, earliestDay) - 1 >= TwentySixWeeks) return true;
    return Refuse(grid, 1, message);
}

bool PeriodRowsInOrder(TXGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (Empty(grid, ReturnCol, row)) continue;
        if (Empty(grid, DepartureCol, row))
            return Refuse(grid, row, "You must enter a departure date for every arrival date.");
        const auto departure = CellDay(grid, DepartureCol, row);
        const auto back = CellDay(grid, ReturnCol, row);
        if (departure && back && *back < *departure)
            return Refuse(grid, row,
                          "The arrival date for a period overseas can not occur prior to the "
                          "departure date.");
    }
    return true;
}

bool PeriodInIncomeYear(const TXGrid& grid, const QString& message) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        const auto departure = CellDay(grid, DepartureCol, row);
        const auto back = CellDay(grid, ReturnCol, row);
        if (departure && *departure < YearEnd && (!back || *back > YearStart)) return true;
    }
    ShowError(message);
    return false;
}

bool PeriodsApart(TXGrid& grid, const QString& firstLine) {
    auto period = [&grid](int row) {
        const auto back = CellDay(grid, ReturnCol, row);
        return std::pair{*CellDay(grid, DepartureCol, row), back ? *back : NeverDate};
    };
    for (int i = 1; i < grid.RowCount(); ++i) {
        if (!CellDay(grid, DepartureCol, i)) continue;
        const auto [from, to] = period(i);
        for (int j = 1; j < grid.RowCount(); ++j) {
            if (j == i || !CellDay(grid, DepartureCol, j)) continue;
            const auto [otherFrom, otherTo] = period(j);
            const bool overlap =
                (otherFrom <= from && from <= otherTo) || (otherFrom <= to && to <= otherTo);
            if (!overlap) continue;
            return Refuse(grid, i,
                          firstLine + "\rThe period " + DayText(from) + " to " + DayText(to) +
                              " overlaps with" + "\r" + "the period " +
                              grid.Cells(DepartureCol, j) + " to " + grid.Cells(ReturnCol, j) +
                              ".");
        }
    }
    return true;
}

bool OpenEndedPeriod(const TXGrid& grid) {
    return !OpenEndedDeparture(grid).isEmpty();
}

QString OpenEndedDeparture(const TXGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row)
        if (!Empty(grid, DepartureCol, row) && Empty(grid, ReturnCol, row))
            return grid.Cells(DepartureCol, row);
    return {};
}
