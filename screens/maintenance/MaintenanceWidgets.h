#pragma once
// What the maintenance screens share on screen: the person a text speaks of, pick lists rebuilt
// from the stored people and payers at each drop-down, the attention box that follows the cell,
// the Add Payer box and the check that periods lie within the income year.

#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>

class QWidget;
class TTextLbl;
class TXGrid;

// The label's SName and verb markers worded for the person (the taxpayer or a spouse).
void WordForPerson(TTextLbl* label, int person);

// Binds a spousal maintenance table to the current person's field: the taxpayer's tag, or the
// key of the current spouse's instance, which is opened for the screen.
void BindPersonTable(TXGrid* grid, int ownTag, int spouseKey);

// Shows the frame's selection panel listing the people of a maintenance loop, with the line
// that would create a worksheet (refused by the screens), and selects the current person.
void ShowPeopleList(const QStringList& names, const QString& current);
// Selects the current person in the list shown.
void SelectListedPerson(const QString& current);
// The selected person's name, or empty for the line that would create a worksheet.
QString ChosenPerson();
// Hides the selection panel again.
void HidePeopleList();

// A table's column definition lines (titles may break lines with \r) and column widths.
void DefineColumns(TXGrid* grid, const QStringList& definitions, std::initializer_list<int> widths);

// Column of a table whose pick list is rebuilt at each drop-down; -1 for none.
struct TPickColumns {
    int payer = -1;
    int recipient = -1; // "You" and the spouses
};
void RebuildPickLists(TXGrid* grid, TPickColumns columns);

// Shows the attention box's section for each cell entered.
using TSectionForCell = std::function<int(int col, int row)>;
void FollowCells(TXGrid* grid, TTextLbl* attention, TSectionForCell section);

// The Add Payer button asks for a new payer; with moveToStart, the table's first cell of the
// current row is selected afterwards.
void ConnectAddPayer(class QAbstractButton* button, TXGrid* grid, bool limitLength,
                     bool moveToStart);

// Asks for a new payer's name until it is acceptable; a name given is added to the payers.
// With limitLength, names longer than 30 characters are refused. True when a payer was added.
bool AskForNewPayer(QWidget* parent, bool limitLength);

// Every filled date of the two columns lies within the income year; the first that does not is
// reported.
bool DatesWithinYear(const TXGrid& grid, int fromCol, int toCol);
