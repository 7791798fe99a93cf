#include "XGrid.h"

#include "Amounts.h"
#include "Beep.h"
#include "Dates.h"
#include "PopupListbox.h"
#include "ShowMessage.h"
#include "XGridDrawing.h"
#include "XGridInplaceEdit.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

#include <cmath>
#include <utility>

namespace {

constexpr int DefaultRowHeight = 20;
constexpr int DefaultRowCount = 5;

Qt::Alignment TitleAlignment(int code) {
    switch (code) {
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

Qt::KeyboardModifiers ModifiersOf(const QKeyEvent* event) {
    return event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

// Number cells reduced to digits, '-' and '.' for totals.
double TotalCellAmount(const QString& text) {
    QString reduced;
    for (QChar ch : text)
        if (ch.isDigit() || ch == '-' || ch == '.') reduced += ch;
    return ReadNumber(reduced).value_or(0.0);
}

// Negative: upper < lower; 0: equal or not comparable; positive: upper > lower.
int CompareCells(const TXGridColumn& column, const QString& upper, const QString& lower) {
    switch (column.type) {
    case ctNumber: {
        const double a = upper.toDouble(), b = lower.toDouble();
        return a < b ? -1 : (a > b ? 1 : 0);
    }
    case ctDate: {
        const int a = ParseDate(upper.toStdString()).value_or(0);
        const int b = ParseDate(lower.toStdString()).value_or(0);
        return a < b ? -1 : (a > b ? 1 : 0);
    }
    case ctText:
        return QString::compare(upper, lower, Qt::CaseInsensitive);
    default:
        return 0;
    }
}

} // namespace

TXGrid::TXGrid(QWidget* parent)
    : QTableWidget(parent), FFixedColor(palette().color(QPalette::Button)),
      FEditor(new TXGridInplaceEdit(this, viewport())), FPickList(new TPopupListbox(this)) {
    setItemDelegate(new TCellDelegate(this));
    setHorizontalHeader(new TTitleHeader(this));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(DefaultRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultSectionSize(FDefaultColWidth);
    horizontalHeader()->setMouseTracking(true);
    setFocusProxy(FEditor);
    FEditor->setFont(font());
    connect(FEditor, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!FLoadingEditor && currentRow() >= 0) SetCellQuietly(Col(), Row(), text);
    });
    connect(FPickList, &TPopupListbox::Accepted, this, &TXGrid::AcceptPick);
    connect(qApp, &QApplication::focusChanged, this, &TXGrid::OnFocusChanged);
    setColCount(1);
    setRowCount(DefaultRowCount);
    setFixedColor(FFixedColor);
    setTitleLines(1);
}

TXGrid::~TXGrid() {
    disconnect(qApp, &QApplication::focusChanged, this, &TXGrid::OnFocusChanged);
}

// ---- definitions and shape ----------------------------------------------------------------

void TXGrid::setDisplay(const QStringList& lines) {
    FDisplay = lines;
    if (!lines.isEmpty()) setColCount(lines.size());
    ReadDefinitions();
}

void TXGrid::ReadDefinitions() {
    FColumns.assign(columnCount(), TXGridColumn());
    for (int col = 0; col < columnCount(); ++col) {
        const QString line = col < FDisplay.size() ? FDisplay[col] : DefaultColumnDefinition;
        const TColumnParse parsed = ParseColumnDefinition(line);
        FColumns[col] = parsed.column;
        if (parsed.badCharSet) ShowErrorBox("Bad character set !");
    }
    ApplyTitles();
    if (currentRow() >= 0) LoadEditor();
}

void TXGrid::ApplyTitles() {
    for (int col = 0; col < columnCount(); ++col) {
        auto* title = new QTableWidgetItem(QString(FColumns[col].title).replace('\r', '\n'));
        title->setTextAlignment(TitleAlignment(FColumns[col].titleAlignment) | Qt::AlignVCenter);
        setHorizontalHeaderItem(col, title);
    }
}

void TXGrid::setColCount(int count) {
    setColumnCount(std::max(1, count));
    ReadDefinitions();
}

void TXGrid::setRowCount(int count) {
    QTableWidget::setRowCount(std::max(1, count - 1));
    if (currentRow() < 0) MoveWithoutCheck(FirstTabStop(), 1);
}

void TXGrid::setDefaultColWidth(int width) {
    FDefaultColWidth = width;
    horizontalHeader()->setDefaultSectionSize(width);
}

void TXGrid::setTitleLines(int lines) {
    FTitleLines = std::max(1, lines);
    const QFontMetrics metrics(horizontalHeader()->font());
    horizontalHeader()->setFixedHeight(FTitleLines * metrics.boundingRect("W").height() + 4);
}

void TXGrid::setFixedColor(const QColor& color) {
    FFixedColor = color;
    horizontalHeader()->viewport()->update();
}

void TXGrid::Zoom(int fromPercent, int toPercent) {
    if (fromPercent <= 0 || toPercent <= 0) return;
    const auto scale = [&](int value) { return value * toPercent / fromPercent; };
    for (int col = 0; col < columnCount(); ++col)
        setColumnWidth(col, scale(columnWidth(col)));
    verticalHeader()->setDefaultSectionSize(scale(verticalHeader()->defaultSectionSize()));
    for (int row = 0; row < rowCount(); ++row)
        setRowHeight(row, verticalHeader()->defaultSectionSize());
    QFont zoomed = font();
    zoomed.setPointSizeF(zoomed.pointSizeF() * toPercent / fromPercent);
    setFont(zoomed);
    FEditor->setFont(zoomed);
    horizontalHeader()->setFont(zoomed);
    setTitleLines(FTitleLines);
    setGeometry(scale(x()), scale(y()), scale(width()), scale(height()));
}

// ---- cells ----------------------------------------------------------------------------------

QString TXGrid::Cells(int col, int row) const {
    if (col < 0 || col >= columnCount()) return {};
    if (row == 0) return FColumns[col].title;
    const QTableWidgetItem* cell = item(row - 1, col);
    return cell ? cell->text() : QString();
}

void TXGrid::SetCellQuietly(int col, int row, const QString& text) {
    if (row < 1 || row >= RowCount() || col < 0 || col >= columnCount()) return;
    if (QTableWidgetItem* cell = item(row - 1, col))
        cell->setText(text);
    else if (!text.isEmpty())
        setItem(row - 1, col, new QTableWidgetItem(text));
}

void TXGrid::SetCells(int col, int row, const QString& text) {
    SetCellQuietly(col, row, text);
    if (col == Col() && row == Row()) LoadEditor();
}

bool TXGrid::RowBlank(int row) const {
    for (int col = 0; col < columnCount(); ++col)
        if (!Cells(col, row).trimmed().isEmpty()) return false;
    return true;
}

void TXGrid::StoreToList(QStringList& list) const {
    list.clear();
    for (int row = 1; row < RowCount(); ++row) {
        if (RowBlank(row)) continue;
        for (int col = 0; col < columnCount(); ++col)
            list << Cells(col, row);
    }
}

void TXGrid::LoadFromList(const QStringList& list) {
    const int cols = columnCount();
    const int rowsNeeded = int((list.size() + cols - 1) / cols);
    setUpdatesEnabled(false);
    if (rowsNeeded > rowCount()) QTableWidget::setRowCount(rowsNeeded);
    for (int row = 0; row < rowCount(); ++row)
        for (int col = 0; col < cols; ++col) {
            const qsizetype at = qsizetype(row) * cols + col;
            SetCellQuietly(col, row + 1, at < list.size() ? list[at] : QString());
        }
    setUpdatesEnabled(true);
    LoadEditor();
}

double TXGrid::ColumnTotal(int col) const {
    if (col < 0 || col >= columnCount() || FColumns[col].type != ctNumber) return 0;
    double total = 0;
    bool zeroAnswered = false;
    for (int row = 1; row < RowCount(); ++row) {
        const QString text = Cells(col, row);
        total += TotalCellAmount(text);
        zeroAnswered = zeroAnswered || text == "0" || text == "0.00";
    }
    return total == 0 && zeroAnswered ? ExplicitZero : total;
}

void TXGrid::InsertRow(int at) {
    insertRow(std::clamp(at, 1, RowCount()) - 1);
    FEdited = true;
    LoadEditor();
}

void TXGrid::DeleteRow(int row) {
    if (row < 1 || row >= RowCount()) return;
    FMovingQuietly = true;
    removeRow(row - 1);
    FMovingQuietly = false;
    FEdited = true;
    if (currentRow() < 0) MoveWithoutCheck(Col() < 0 ? FirstTabStop() : Col(), 1);
    LoadEditor();
}

void TXGrid::SetColumnLocked(int col, bool locked) {
    if (col < 0 || col >= columnCount()) return;
    FColumns[col].locked = locked;
    if (col == Col()) LoadEditor();
}

void TXGrid::SortRows(const QString& keyColumns) {
    std::vector<int> keys;
    for (const QString& key : keyColumns.split(',', Qt::SkipEmptyParts))
        if (int col = key.trimmed().toInt(); col >= 0 && col < columnCount()) keys.push_back(col);
    std::vector<QStringList> rows;
    for (int row = 1; row < RowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < columnCount(); ++col)
            cells << Cells(col, row);
        rows.push_back(cells);
    }
    const auto upperGoesDown = [&](const QStringList& upper, const QStringList& lower) {
        for (int col : keys) {
            if (upper[col] == lower[col]) continue;
            if (lower[col].isEmpty()) return false;
            if (upper[col].isEmpty()) return true;
            return CompareCells(FColumns[col], upper[col], lower[col]) > 0;
        }
        return false;
    };
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (size_t i = 0; i + 1 < rows.size(); ++i)
            if (upperGoesDown(rows[i], rows[i + 1])) {
                std::swap(rows[i], rows[i + 1]);
                swapped = true;
            }
    }
    for (size_t i = 0; i < rows.size(); ++i)
        for (int col = 0; col < columnCount(); ++col)
            SetCellQuietly(col, int(i) + 1, rows[i][col]);
    LoadEditor();
}

// ---- the cell check -------------------------------------------------------------------------

bool TXGrid::AskExitCell(int col, int row, int toCol, int toRow) {
    bool enterExitCell = true;
    emit ExitCell(col, row, toCol, toRow, enterExitCell);
    return enterExitCell;
}

QStringList TXGrid::PickEntries(int col, int row) {
    QStringList entries = FColumns[col].pickList;
    emit PicklistDropdown(col, row, entries);
    FColumns[col].pickList = entries;
    return entries;
}

bool TXGrid::CheckCell() {
    return CheckCellAt(Col(), Row(), Col(), Row());
}

bool TXGrid::CheckCellAt(int col, int row, int toCol, int toRow) {
    if (col < 0 || row < 1 || row >= RowCount()) return true;
    const TXGridColumn& column = FColumns[col];
    const QString text = Cells(col, row);
    if (column.style == esPickList && !column.pickList.isEmpty()) {
        const QStringList entries = PickEntries(col, row);
        const bool listed = std::any_of(entries.begin(), entries.end(), [&](const QString& e) {
            return e.left(column.maxLength) == text;
        });
        if (!text.isEmpty() && !listed) {
            Beep();
            ShowErrorBox("Entry must match one of the picklist entries");
            return false;
        }
    }
    if (text.isEmpty() || column.type == ctText) return AskExitCell(col, row, toCol, toRow);
    if (auto warning = DecimalPlacesWarning(column, text)) {
        Beep();
        ShowMessageBox(*warning, mkWarning, mbOK);
    }
    const TCellVerdict verdict = CheckCellText(column, text);
    if (!verdict.passed) {
        Beep();
        ShowErrorBox(verdict.message);
        if (verdict.emptyCell) SetCells(col, row, QString());
        return false;
    }
    SetCells(col, row, verdict.text);
    return AskExitCell(col, row, toCol, toRow);
}

// ---- moving between cells -------------------------------------------------------------------

bool TXGrid::MoveTo(int col, int row) {
    if (col < 0 || col >= columnCount() || row < 1 || row >= RowCount()) return false;
    setCurrentCell(row - 1, col);
    return Col() == col && Row() == row;
}

void TXGrid::MoveWithoutCheck(int col, int row) {
    FMovingQuietly = true;
    setCurrentCell(row - 1, std::max(0, col));
    FMovingQuietly = false;
    LoadEditor();
}

void TXGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    if (FMovingQuietly || !current.isValid()) {
        PlaceEditor();
        return;
    }
    ClosePickList(false);
    if (previous.isValid() && previous != current && !FChecking) {
        FChecking = true;
        const bool passed =
            CheckCellAt(previous.column(), previous.row() + 1, current.column(), current.row() + 1);
        FChecking = false;
        if (!passed) {
            MoveWithoutCheck(previous.column(), previous.row() + 1);
            FEditor->setFocus();
            return;
        }
    }
    EnteredCell();
}

void TXGrid::EnteredCell() {
    emit EnterCell(Col(), Row());
    int col = Col();
    for (int step = 0; step < columnCount() && FColumns[col].readOnly; ++step)
        col = (col + 1) % columnCount();
    if (col != Col()) MoveWithoutCheck(col, Row());
    TXGridColumn& column = FColumns[col];
    if (column.style == esPickList && !column.pickList.isEmpty()) PickEntries(col, Row());
    if (!column.accepted.Empty())
        SetCellQuietly(col, Row(), column.accepted.Filter(Cells(col, Row())));
    LoadEditor();
}

void TXGrid::LoadEditor() {
    if (currentRow() < 0 || currentColumn() < 0) return;
    const TXGridColumn& column = FColumns[Col()];
    FLoadingEditor = true;
    FEditor->setText(Cells(Col(), Row()));
    FLoadingEditor = false;
    FEditor->setReadOnly(column.refusesTyping());
    FEditor->setAlignment(column.type == ctNumber ? Qt::AlignRight : Qt::AlignLeft);
    const bool dropDown = column.dropDown && column.style == esPickList;
    FEditor->SetButton(dropDown                     ? TXGridInplaceEdit::btDropDown
                       : column.style == esEllipsis ? TXGridInplaceEdit::btEllipsis
                                                    : TXGridInplaceEdit::btNone);
    PlaceEditor();
}

void TXGrid::PlaceEditor() {
    const QRect cell = visualRect(currentIndex());
    if (!currentIndex().isValid() || cell.isEmpty()) {
        FEditor->hide();
        return;
    }
    FEditor->setGeometry(cell.adjusted(0, 0, -1, -1));
    FEditor->show();
}

void TXGrid::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    PlaceEditor();
}

void TXGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    PlaceEditor();
}

// ---- entering and leaving the grid ----------------------------------------------------------

bool TXGrid::Owns(const QWidget* widget) const {
    return widget && (widget == this || isAncestorOf(widget) || widget == FPickList ||
                      FPickList->isAncestorOf(widget));
}

void TXGrid::OnFocusChanged(QWidget* old, QWidget* now) {
    const bool byKeyboard = std::exchange(FEnteringByKeyboard, false);
    if (FChecking || !now || now->window() != window()) return;
    if (byKeyboard && Owns(now) && !Owns(old)) {
        // Posted so that it happens after the focus change.
        QTimer::singleShot(0, this, [this] { MoveWithoutCheck(FirstTabStop(), 1); });
    } else if (Owns(old) && !Owns(now)) {
        FChecking = true;
        if (!CheckCell()) SetCells(Col(), Row(), QString());
        FChecking = false;
    }
}

void TXGrid::EnteredByKeyboard() {
    FEnteringByKeyboard = true;
}

void TXGrid::LeaveGrid(bool forward) {
    QWidget* next = this;
    do {
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    } while (next != this && (Owns(next) || !(next->focusPolicy() & Qt::TabFocus) ||
                              !next->isVisibleTo(window()) || !next->isEnabled()));
    if (next != this) next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

int TXGrid::NextTabStop(int after) const {
    for (int col = after + 1; col < columnCount(); ++col)
        if (!FColumns[col].readOnly) return col;
    return -1;
}

int TXGrid::PrevTabStop(int before) const {
    for (int col = before - 1; col >= 0; --col)
        if (!FColumns[col].readOnly) return col;
    return -1;
}

int TXGrid::FirstTabStop() const {
    const int col = NextTabStop(-1);
    return col < 0 ? 0 : col;
}

int TXGrid::LastTabStop() const {
    return PrevTabStop(columnCount());
}

void TXGrid::AddRow() {
    QTableWidget::setRowCount(rowCount() + 1);
}

void TXGrid::TabForward() {
    const int next = NextTabStop(Col());
    if (next >= 0) {
        MoveTo(next, Row());
        return;
    }
    if (Row() == RowCount() - 1) {
        if (!FRowAutoInc) return;
        AddRow();
    }
    MoveTo(FirstTabStop(), Row() + 1);
}

void TXGrid::TabBackward() {
    const int prev = PrevTabStop(Col());
    if (prev >= 0)
        MoveTo(prev, Row());
    else if (Row() > 1)
        MoveTo(LastTabStop(), Row() - 1);
    else
        LeaveGrid(false);
}

void TXGrid::MoveDown() {
    if (Row() == RowCount() - 1) {
        if (!FRowAutoInc) return;
        AddRow();
    }
    MoveTo(Col(), Row() + 1);
}

void TXGrid::DeleteCurrentRow() {
    if (FDoNotDelete) {
        ShowErrorBox("Row deletion not allowed on this grid");
        return;
    }
    if (RowCount() < 2) return;
    if (ShowMessageBox(QString("Are you sure you want to delete this row?"), mkConfirmation,
                       mbOK | mbCancel) != mrOK)
        return;
    if (RowCount() == 2) AddRow();
    DeleteRow(Row());
}

// ---- keys -----------------------------------------------------------------------------------

// True when the open list took the key; any other key but a modifier closes it first.
bool TXGrid::HandlePickListKey(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Down || key == Qt::Key_Up) && ModifiersOf(event) == Qt::AltModifier) {
        ClosePickList(!FPickList->SelectedEntry().isEmpty());
        return true;
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ClosePickList(true);
        return true;
    case Qt::Key_Escape:
        ClosePickList(false);
        return true;
    case Qt::Key_Backspace:
        FPickList->ResetSearch();
        return true;
    case Qt::Key_Down:
    case Qt::Key_Up:
        FPickList->setCurrentRow(std::clamp(
            FPickList->currentRow() + (key == Qt::Key_Down ? 1 : -1), 0, FPickList->count() - 1));
        return true;
    case Qt::Key_Alt:
    case Qt::Key_Control:
    case Qt::Key_Shift:
        return true;
    default:
        if (event->text().size() == 1 && event->text()[0].isPrint()) {
            FPickList->Search(event->text()[0]);
            return true;
        }
        ClosePickList(false);
        return false;
    }
}

bool TXGrid::HandleGridKey(QKeyEvent* event) {
    if (FPickList->IsOpen() && HandlePickListKey(event)) return true;
    const Qt::KeyboardModifiers mods = ModifiersOf(event);
    const int key = event->key();
    const bool plain = mods == Qt::NoModifier;
    const bool ctrl = mods == Qt::ControlModifier;
    const TXGridColumn& column = FColumns[Col()];
    if (key == Qt::Key_Tab && plain)
        TabForward();
    else if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && mods == Qt::ShiftModifier))
        TabBackward();
    else if ((key == Qt::Key_Down || key == Qt::Key_Up) && mods == Qt::AltModifier)
        OpenPickList();
    else if (key == Qt::Key_Down && plain)
        MoveDown();
    else if (key == Qt::Key_Up && plain)
        MoveTo(Col(), std::max(1, Row() - 1));
    else if (key == Qt::Key_Insert && ctrl)
        InsertRow(Row());
    else if (key == Qt::Key_Delete && ctrl)
        DeleteCurrentRow();
    else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ctrl && column.style == esEllipsis)
        RaiseEllipsis();
    else if (key == Qt::Key_Backspace && column.isPickList() && !column.refusesTyping()) {
        FEditor->clear();
        FEdited = true;
    } else {
        if (key == Qt::Key_Backspace && !column.refusesTyping()) FEdited = true;
        return false;
    }
    return true;
}

bool TXGrid::AcceptCellKey(QChar& ch, bool hasSelection) {
    const TXGridColumn& column = FColumns[Col()];
    if (column.refusesTyping()) return false;
    if (ch.unicode() < 32 || ch == ' ') return true;
    const QString text = FEditor->text();
    const auto refuse = [] {
        Beep();
        return false;
    };
    if (column.type == ctNumber && column.decimals() > 0 && !text.contains('.') &&
        text.size() == column.maxLength - column.decimals() - 1 && ch != '.')
        return refuse();
    const int room = column.maxLength + (column.type == ctNumber && text.contains('-') ? 1 : 0);
    if (text.size() >= room && !hasSelection) return refuse();
    switch (column.type) {
    case ctNumber:
        if (!column.accepted.Contains(ch)) return refuse();
        if ((ch == '-' || ch == '.') && text.contains(ch)) return refuse();
        break;
    case ctDate:
        if (!column.accepted.Contains(ch)) return refuse();
        break;
    default:
        if (column.caseOrDecimals == 1) ch = ch.toUpper();
        if (column.caseOrDecimals == 2) ch = ch.toLower();
        if (!column.accepted.Empty() && !column.accepted.Contains(ch)) return refuse();
        break;
    }
    FEdited = true;
    return true;
}

// ---- pick list and ellipsis -----------------------------------------------------------------

void TXGrid::OpenPickList() {
    const TXGridColumn& column = FColumns[Col()];
    if (!column.isPickList() || column.refusesTyping()) return;
    const QStringList entries = PickEntries(Col(), Row());
    const int rows = column.dropDownRows > 0 ? std::min<int>(entries.size(), column.dropDownRows)
                                             : int(entries.size());
    const QRect cell(FEditor->mapToGlobal(QPoint(0, 0)), FEditor->size());
    FPickList->setFont(font());
    FPickList->Open(entries, rows, cell, FEditor->width(), FEditor->text());
}

void TXGrid::TogglePickList() {
    if (FPickList->IsOpen())
        ClosePickList(false);
    else
        OpenPickList();
}

void TXGrid::ClosePickList(bool accept) {
    if (!FPickList->IsOpen()) return;
    const QString entry = FPickList->SelectedEntry();
    FPickList->Close();
    if (accept && !entry.isEmpty()) AcceptPick(entry);
}

void TXGrid::AcceptPick(const QString& entry) {
    const int col = Col(), row = Row();
    SetCells(col, row, entry.left(FColumns[col].maxLength));
    FEdited = true;
    if (col + 1 < columnCount()) {
        MoveTo(col + 1, row);
        return;
    }
    if (row == RowCount() - 1) AddRow();
    MoveTo(0, row + 1);
}

void TXGrid::RaiseEllipsis() {
    emit ElippsisClicked(Col(), Row());
}
