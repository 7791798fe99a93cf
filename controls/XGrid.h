#pragma once
// The table in which screens collect repeating rows. Row 0 is the title row; data rows are 1 to
// RowCount - 1. Columns are typed by their definition lines (Display); every cell is checked
// when the focus leaves it.

#include "XGridColumn.h"

#include <QColor>
#include <QTableWidget>

#include <vector>

class TPopupListbox;
class TXGridInplaceEdit;

class TXGrid : public QTableWidget {
    Q_OBJECT
    Q_PROPERTY(int Tag READ tag WRITE setTag)
    Q_PROPERTY(QStringList Display READ display WRITE setDisplay)
    Q_PROPERTY(int ColCount READ ColCount WRITE setColCount)
    Q_PROPERTY(int RowCount READ RowCount WRITE setRowCount)
    Q_PROPERTY(int DefaultColWidth READ defaultColWidth WRITE setDefaultColWidth)
    Q_PROPERTY(int TitleLines READ titleLines WRITE setTitleLines)
    Q_PROPERTY(bool RowAutoInc READ rowAutoInc WRITE setRowAutoInc)
    Q_PROPERTY(bool DoNotDelete READ doNotDelete WRITE setDoNotDelete)
    Q_PROPERTY(int TempColCount READ tempColCount WRITE setTempColCount)
    Q_PROPERTY(bool ShowColHints READ showColHints WRITE setShowColHints)
    Q_PROPERTY(QColor FixedColor READ fixedColor WRITE setFixedColor)
    Q_PROPERTY(QColor FixedFontColor READ fixedFontColor WRITE setFixedFontColor)

public:
    explicit TXGrid(QWidget* parent = nullptr);
    ~TXGrid() override;

    int tag() const { return FTag; }
    void setTag(int tag) { FTag = tag; }
    QStringList display() const { return FDisplay; }
    void setDisplay(const QStringList& lines);
    int ColCount() const { return columnCount(); }
    void setColCount(int count);
    // Rows counted with the title row.
    int RowCount() const { return rowCount() + 1; }
    void setRowCount(int count);
    int defaultColWidth() const { return FDefaultColWidth; }
    void setDefaultColWidth(int width);
    int titleLines() const { return FTitleLines; }
    void setTitleLines(int lines);
    bool rowAutoInc() const { return FRowAutoInc; }
    void setRowAutoInc(bool on) { FRowAutoInc = on; }
    bool doNotDelete() const { return FDoNotDelete; }
    void setDoNotDelete(bool on) { FDoNotDelete = on; }
    int tempColCount() const { return FTempColCount; }
    void setTempColCount(int count) { FTempColCount = count > 0 ? count : FTempColCount; }
    bool showColHints() const { return FShowColHints; }
    void setShowColHints(bool on) { FShowColHints = on; }
    QColor fixedColor() const { return FFixedColor; }
    void setFixedColor(const QColor& color);
    QColor fixedFontColor() const { return FFixedFontColor; }
    void setFixedFontColor(const QColor& color) { FFixedFontColor = color; }

    const TXGridColumn& Column(int col) const { return FColumns[col]; }
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    int Col() const { return currentColumn(); }
    int Row() const { return currentRow() + 1; }
    // Moves to a cell as the user would: the current cell is checked first.
    bool MoveTo(int col, int row);

    void StoreToList(QStringList& list) const;
    void LoadFromList(const QStringList& list);
    bool RowBlank(int row) const;
    double ColumnTotal(int col) const;
    void InsertRow(int at);
    void DeleteRow(int row);
    void SetColumnLocked(int col, bool locked);
    void SortRows(const QString& keyColumns);
    // The check of the current cell; answers whether the focus may leave it.
    bool CheckCell();

    // Set by each accepted key, Backspace, row insertion and deletion and a pick.
    bool edited() const { return FEdited; }
    void setEdited(bool edited) { FEdited = edited; }
    // Scales widths, heights and the font from one zoom percentage to another.
    void Zoom(int fromPercent, int toPercent);

    TXGridInplaceEdit* Editor() const { return FEditor; }
    TPopupListbox* PickList() const { return FPickList; }

    // For the cell editor.
    bool HandleGridKey(QKeyEvent* event);
    bool AcceptCellKey(QChar& ch, bool hasSelection);
    void TogglePickList();
    void ClosePickList(bool accept);
    void RaiseEllipsis();
    // The editor took the focus by Tab or Backtab (from outside the grid if it was outside).
    void EnteredByKeyboard();

signals:
    void PicklistDropdown(int col, int row, QStringList& picklist);
    void ElippsisClicked(int col, int row);
    void EnterCell(int col, int row);
    void ExitCell(int col, int row, int& aCol, int& aRow, bool& enterExitCell);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;

private:
    bool CheckCellAt(int col, int row, int toCol, int toRow);
    bool AskExitCell(int col, int row, int toCol, int toRow);
    void EnteredCell();
    void PlaceEditor();
    void LoadEditor();
    void SetCellQuietly(int col, int row, const QString& text);
    void AddRow();
    void MoveWithoutCheck(int col, int row);
    void OnFocusChanged(QWidget* old, QWidget* now);
    bool Owns(const QWidget* widget) const;
    void LeaveGrid(bool forward);
    void TabForward();
    void TabBackward();
    void MoveDown();
    void DeleteCurrentRow();
    bool HandlePickListKey(QKeyEvent* event);
    void OpenPickList();
    void AcceptPick(const QString& entry);
    int FirstTabStop() const;
    int LastTabStop() const;
    int NextTabStop(int after) const;
    int PrevTabStop(int before) const;
    QStringList PickEntries(int col, int row);
    void ApplyTitles();
    void ReadDefinitions();

    int FTag = 0;
    QStringList FDisplay;
    std::vector<TXGridColumn> FColumns;
    int FDefaultColWidth = 64;
    int FTitleLines = 1;
    bool FRowAutoInc = true;
    bool FDoNotDelete = false;
    int FTempColCount = 0;
    bool FShowColHints = true;
    QColor FFixedColor;
    QColor FFixedFontColor = Qt::black;
    bool FEdited = false;
    bool FMovingQuietly = false;
    bool FChecking = false;
    bool FLoadingEditor = false;
    bool FEnteringByKeyboard = false;
    TXGridInplaceEdit* FEditor;
    TPopupListbox* FPickList;
};
