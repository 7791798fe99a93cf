#pragma once
// What the question screens share: the checks over a whole table before a screen may be left,
// the person markers of screen texts, the standard boxes, confirmed deletion and small checks on
// single controls that feed the frame's leave flag. People look-ups and the interview-state
// fields are in Lookups.h.

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

class QAbstractButton;
class QComboBox;
class QObject;
class QWidget;
class TTaxEdit;
class TTextLbl;
class TXGrid;

// ---- table checks (show: report a failure in a box) -----------------------------------------
// optionalColumns: column numbers separated by commas ("2,3"), empty for none.
bool RequiredColumns(const TXGrid& grid, const QString& optionalColumns, bool show);
bool DateOrder(const TXGrid& grid, int fromCol, int toCol, bool show);
bool WholePeriodCovered(const TXGrid& grid, int fromCol, int toCol, bool show, int periodStart,
                        int periodEnd);
bool NoOverlaps(const TXGrid& grid, int fromCol, int toCol, bool show);
// All four, each regardless of the others.
bool AllTableChecks(const TXGrid& grid, int fromCol, int toCol, bool show,
                    const QString& optionalColumns, int periodStart, int periodEnd);
bool GridHasData(const TXGrid& grid);
bool GridEmpty(const TXGrid& grid);
// Some data row has column 0 filled and column 1 empty.
bool PairIncomplete(const TXGrid& grid);

// ---- text markers: a label's whole text, changed ---------------------------------------------
QStringList SubstituteDependantName(const QStringList& lines);
QStringList SubstituteSpouseWording(const QStringList& lines);
QStringList SubstituteYouWording(const QStringList& lines);
// The same on a label's text, put back into the label.
void SubstituteDependantName(TTextLbl* label);
void SubstituteSpouseWording(TTextLbl* label);
void SubstituteYouWording(TTextLbl* label);

// ---- boxes -----------------------------------------------------------------------------------
bool WarningYesNo(const QString& text, const QString& caption);
bool QuestionYesNo(const QString& text);
void ShowError(const QString& text);
void ShowInformation(const QString& text);
// Asks before clearing the fields; every "XXX" of caption and question becomes name when useName.
bool DeleteWithConfirmation(const std::vector<int>& tags, QString caption, const QString& name,
                            bool useName, QString question);

// ---- screens and controls --------------------------------------------------------------------
// Some bound control of the screen (Tag 1 to 2312) holds an answer.
bool ScreenHasData(const QObject* screen);
// These do nothing while the frame's ScreenValid is already false.
void RequireDate(TTaxEdit* edit, const QString& text, bool show);
void RequireOneChecked(const QAbstractButton* box1, const QAbstractButton* box2,
                       const QString& text, bool show);
void RequireSelection(const QComboBox* combo, const QString& text, bool show);
bool ComboSelectionIs(const QComboBox* combo, const QString& text);
void SelectComboText(QComboBox* combo, const QString& text);

// ---- moving on -------------------------------------------------------------------------------
// The year placeholders of the marked-up texts: 99997, 99998 and 99999 are IncomeYear - 4,
// IncomeYear - 1 and IncomeYear; any other tag is empty.
QString YearScreenTag(int screenTagId);
// Every marked-up label of the screen answers the year placeholders.
void AnswerYearScreenTags(QWidget* screen);
// The screen the frame shows next (section * 100 + item).
void SetNextScreen(int id);
// Leaving the module: the section two after the current one, item 1.
void SetLeaveModule();
// Asks the frame to show the next screen once the running handler has returned.
void PostShowScreen();
// The answer handler's sender is the frame's Yes button.
bool AnsweredYes(const QObject* sender);
// Runs the delete-all step and, when it went ahead (or there was nothing to delete), sets the
// target to leave the module. True when it went ahead.
bool DeleteAllAndLeaveModule();
// What every question screen sets up: the caption, the Next and Prev buttons and the year
// placeholders of its labels.
class TChildForm;
void PrepareQuestionScreen(TChildForm* screen);
// The widths of a table's columns from the first, as the form lays them out.
void SetColumnWidths(TXGrid* grid, std::initializer_list<int> widths);
