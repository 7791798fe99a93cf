#include "ScreenHelpers.h"

#include "TextLbl.h"

#include "ATICalcs.h"
#include "ChildForm.h"
#include "Cp1252.h"
#include "Dates.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "MessageBox.h"
#include "RunState.h"
#include "TaxEdit.h"
#include "XGrid.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QSet>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

constexpr int FirstFieldTag = 1;
constexpr int LastFieldTag = 2312;

struct TPeriod {
    int from, to;
    bool Holds(int day) const { return from <= day && day <= to; }
};

QString DateText(int day) {
    return QString::fromStdString(FormatDate(day));
}

std::optional<int> CellDate(const TXGrid& grid, int col, int row) {
    return ParseDate(grid.Cells(col, row).toStdString());
}

// The rows with both dates filled and readable, in grid order.
std::vector<TPeriod> Periods(const TXGrid& grid, int fromCol, int toCol) {
    std::vector<TPeriod> periods;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const auto from = CellDate(grid, fromCol, row);
        const auto to = CellDate(grid, toCol, row);
        if (from && to) periods.push_back({*from, *to});
    }
    return periods;
}

QSet<int> ColumnNumbers(const QString& text) {
    QSet<int> numbers;
    for (const QString& item : text.split(',', Qt::SkipEmptyParts))
        numbers.insert(item.trimmed().toInt());
    return numbers;
}

// The first required column whose cell is empty in a row that is not blank; -1 when none.
int MissingRequiredColumn(const TXGrid& grid, int row, const QSet<int>& optional) {
    bool blank = true;
    int missing = -1;
    for (int col = 0; col < grid.ColCount(); ++col) {
        if (!grid.Cells(col, row).isEmpty())
            blank = false;
        else if (missing < 0 && !optional.contains(col))
            missing = col;
        if (missing >= 0 && !blank) return missing;
    }
    return -1;
}

QString JoinedRow(const TXGrid& grid, int row) {
    QString joined;
    for (int col = 0; col < grid.ColCount(); ++col)
        joined += grid.Cells(col, row);
    return joined;
}

QString StoreText(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

// The label's lines are one text while they are changed.
QStringList Changed(const QStringList& lines, const std::function<void(QString&)>& change) {
    QString text = lines.join('\n');
    change(text);
    return text.split('\n');
}

void ReplaceFirst(QString& text, const QString& marker, const QString& by) {
    const qsizetype at = text.indexOf(marker);
    if (at >= 0) text.replace(at, marker.size(), by);
}

bool Answered(const QWidget* control) {
    if (auto* edit = qobject_cast<const TTaxEdit*>(control)) {
        const QString text = edit->text().trimmed();
        return !text.isEmpty() && text != "/  /" && text != "()";
    }
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return !combo->currentText().isEmpty();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->isCheckable() && button->isChecked();
    if (auto* grid = qobject_cast<const TXGrid*>(control)) return !GridEmpty(*grid);
    return false;
}

} // namespace

// ---- table checks -----------------------------------------------------------------------------

bool RequiredColumns(const TXGrid& grid, const QString& optionalColumns, bool show) {
    const QSet<int> optional = ColumnNumbers(optionalColumns);
    bool passed = true;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const int missing = MissingRequiredColumn(grid, row, optional);
        if (missing < 0) continue;
        passed = false;
        if (show)
            ShowError("At least one instance of required field \"" + grid.Cells(missing, 0) +
                      "\" is blank. Please fill in this field before moving on.");
    }
    return passed;
}

bool DateOrder(const TXGrid& grid, int fromCol, int toCol, bool show) {
    for (const TPeriod& period : Periods(grid, fromCol, toCol)) {
        if (period.to >= period.from) continue;
        if (show)
            ShowError("You have at least one instance where dates on a table in this screen are in "
                      "an incorrect order (i.e. from or start date is later than to or end date) "
                      "please edit the table to correct this error before moving on.");
        return false;
    }
    return true;
}

bool WholePeriodCovered(const TXGrid& grid, int fromCol, int toCol, bool show, int periodStart,
                        int periodEnd) {
    if (periodStart > periodEnd) return false;
    const std::vector<TPeriod> periods = Periods(grid, fromCol, toCol);
    for (int day = periodStart; day <= periodEnd; ++day) {
        if (std::any_of(periods.begin(), periods.end(), [day](auto& p) { return p.Holds(day); }))
            continue;
        if (show)
            ShowError("Information regarding the whole period from " + DateText(periodStart) +
                      " to " + DateText(periodEnd) + " has not been entered.\r\n\r\n" +
                      "At least one date " + DateText(day) +
                      " is missing. Please check this table covers the whole period " +
                      "before moving on.");
        return false;
    }
    return true;
}

bool NoOverlaps(const TXGrid& grid, int fromCol, int toCol, bool show) {
    const std::vector<TPeriod> periods = Periods(grid, fromCol, toCol);
    for (size_t i = 0; i < periods.size(); ++i)
        for (int date : {periods[i].from, periods[i].to})
            for (size_t j = 0; j < periods.size(); ++j) {
                if (j == i || !periods[j].Holds(date)) continue;
                if (show)
                    ShowError("You have at least one overlapping date in a table on this screen (" +
                              DateText(date) +
                              ") please edit the table so there are no overlapping dates before "
                              "moving on. " +
                              "Note date periods are inclusive of the from and to dates.");
                return false;
            }
    return true;
}

bool AllTableChecks(const TXGrid& grid, int fromCol, int toCol, bool show,
                    const QString& optionalColumns, int periodStart, int periodEnd) {
    const bool required = RequiredColumns(grid, optionalColumns, show);
    const bool ordered = DateOrder(grid, fromCol, toCol, show);
    const bool covered = WholePeriodCovered(grid, fromCol, toCol, show, periodStart, periodEnd);
    const bool separate = NoOverlaps(grid, fromCol, toCol, show);
    return required && ordered && covered && separate;
}

bool GridHasData(const TXGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row)
        if (!JoinedRow(grid, row).isEmpty()) return true;
    return false;
}

bool GridEmpty(const TXGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row)
        if (!JoinedRow(grid, row).trimmed().isEmpty()) return false;
    return true;
}

bool PairIncomplete(const TXGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row)
        if (!grid.Cells(0, row).isEmpty() && grid.Cells(1, row).isEmpty()) return true;
    return false;
}

// ---- text markers -----------------------------------------------------------------------------

QStringList SubstituteDependantName(const QStringList& lines) {
    const QString name = StoreText(DependantName(CurrentDependant()));
    return Changed(lines, [&](QString& text) { ReplaceFirst(text, "DName", name); });
}

QStringList SubstituteSpouseWording(const QStringList& lines) {
    const QString name = StoreText(SpouseName(CurrentSpouse()));
    return Changed(lines, [&](QString& text) {
        ReplaceFirst(text, "SName", name);
        text.replace("HaveHas", "has", Qt::CaseInsensitive);
        text.replace("WasWere", "was", Qt::CaseInsensitive);
    });
}

QStringList SubstituteYouWording(const QStringList& lines) {
    return Changed(lines, [](QString& text) {
        text.replace("SName", "You", Qt::CaseInsensitive);
        text.replace("HaveHas", "have", Qt::CaseInsensitive);
        text.replace("WasWere", "were", Qt::CaseInsensitive);
    });
}

void SubstituteDependantName(TTextLbl* label) {
    label->setText(SubstituteDependantName(label->text()));
}

void SubstituteSpouseWording(TTextLbl* label) {
    label->setText(SubstituteSpouseWording(label->text()));
}

void SubstituteYouWording(TTextLbl* label) {
    label->setText(SubstituteYouWording(label->text()));
}

// ---- boxes ------------------------------------------------------------------------------------

bool WarningYesNo(const QString& text, const QString& caption) {
    const TMessageBoxStyle style(caption);
    return ShowMessageBox(text, mkWarning, mbYes | mbNo, mbNo) == mrYes;
}

bool QuestionYesNo(const QString& text) {
    const TMessageBoxStyle style("Question", true);
    return ShowMessageBox(text, mkConfirmation, mbYes | mbNo, mbYes) == mrYes;
}

void ShowError(const QString& text) {
    ShowMessageBox(text, mkError, mbOK);
}

void ShowInformation(const QString& text) {
    ShowMessageBox(text, mkInformation, mbOK);
}

bool DeleteWithConfirmation(const std::vector<int>& tags, QString caption, const QString& name,
                            bool useName, QString question) {
    if (useName) {
        caption.replace("XXX", name, Qt::CaseInsensitive);
        question.replace("XXX", name, Qt::CaseInsensitive);
    }
    if (std::all_of(tags.begin(), tags.end(), [](int tag) { return FieldEmpty(tag); })) return true;
    if (!WarningYesNo(question, caption)) return false;
    for (int tag : tags)
        ClearField(tag);
    return true;
}

// ---- screens and controls ---------------------------------------------------------------------

bool ScreenHasData(const QObject* screen) {
    const auto* form = qobject_cast<const QWidget*>(screen);
    if (!form) {
        ShowMessageBox(QString("Object not a form function screen has data"), mkPlain, mbOK);
        return false;
    }
    for (const QWidget* control : form->findChildren<QWidget*>()) {
        const int tag = control->property("Tag").toInt();
        if (tag >= FirstFieldTag && tag <= LastFieldTag && Answered(control)) return true;
    }
    return false;
}

void RequireDate(TTaxEdit* edit, const QString& text, bool show) {
    if (!RunState().ScreenValid) return;
    const QString entry = edit->text();
    if (entry != "  /  /    " && !entry.trimmed().isEmpty()) return;
    RunState().ScreenValid = false;
    if (!show) return;
    edit->setFocus();
    ShowError(text);
}

void RequireOneChecked(const QAbstractButton* box1, const QAbstractButton* box2,
                       const QString& text, bool show) {
    if (!RunState().ScreenValid) return;
    RunState().ScreenValid = box1->isChecked() || box2->isChecked();
    if (show && !RunState().ScreenValid) ShowError(text);
}

void RequireSelection(const QComboBox* combo, const QString& text, bool show) {
    if (!RunState().ScreenValid) return;
    RunState().ScreenValid = combo->currentIndex() >= 0;
    if (show && !RunState().ScreenValid) ShowError(text);
}

bool ComboSelectionIs(const QComboBox* combo, const QString& text) {
    return combo->currentIndex() >= 0 &&
           combo->currentText().compare(text, Qt::CaseInsensitive) == 0;
}

void SelectComboText(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString));
}

// ---- moving on --------------------------------------------------------------------------------

QString YearScreenTag(int screenTagId) {
    const int year = RunState().IncomeYear;
    switch (screenTagId) {
    case 99997:
        return QString::number(year - 4);
    case 99998:
        return QString::number(year - 1);
    case 99999:
        return QString::number(year);
    default:
        return {};
    }
}

void AnswerYearScreenTags(QWidget* screen) {
    for (TTextLbl* label : screen->findChildren<TTextLbl*>())
        label->setOnScreenTag(YearScreenTag);
}

void SetNextScreen(int id) {
    RunState().CurrentSection = id / 100;
    RunState().CurrentItem = id % 100;
}

void SetLeaveModule() {
    RunState().CurrentSection += 2;
    RunState().CurrentItem = 1;
}

void PostShowScreen() {
    if (TFrameWnd* frame = FrameWnd())
        QCoreApplication::postEvent(frame, new QEvent(QEvent::Type(WM_SHOW_SCREEN)));
}

bool AnsweredYes(const QObject* sender) {
    return sender && sender == FrameWnd()->YesButton();
}

bool DeleteAllAndLeaveModule() {
    if (!DeleteAllVeskData()) return false;
    SetLeaveModule();
    return true;
}

void PrepareQuestionScreen(TChildForm* screen) {
    screen->setCaption("Vesk Allowance");
    screen->ShowNextButton = true;
    screen->ShowPrevButton = true;
    AnswerYearScreenTags(screen);
}

void SetColumnWidths(TXGrid* grid, std::initializer_list<int> widths) {
    int col = 0;
    for (int width : widths)
        grid->setColumnWidth(col++, width);
}
