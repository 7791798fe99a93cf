#pragma once
// Checks of a table of overseas periods (departure and return date per row). Each failing check
// shows its message, puts the cursor on the row's departure cell and answers false.

#include <QString>

class TXGrid;

// The first row's period, departure and return days not counted and nothing before the
// earliest day, lasts 26 weeks or more.
bool FirstPeriodLongEnough(TXGrid& grid, int earliestDay, const QString& message);
// No return without a departure, no return before its departure.
bool PeriodRowsInOrder(TXGrid& grid);
// Some period touches the income year, an empty return counting as still away.
bool PeriodInIncomeYear(const TXGrid& grid, const QString& message);
// No two periods overlap, an empty return counting as 1 January 3000. The message names both
// periods after its first line, which is each screen's own.
bool PeriodsApart(TXGrid& grid, const QString& firstLine);
// Some row has a departure and no return.
bool OpenEndedPeriod(const TXGrid& grid);
// The departure of the first row that has a departure and no return, else empty.
QString OpenEndedDeparture(const TXGrid& grid);
