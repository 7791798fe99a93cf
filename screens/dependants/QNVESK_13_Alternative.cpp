#include "QNVESK_13_Alternative.h"
#include "ui_QNVESK_13_Alternative.h"

#include "ATICalcs.h"
#include "ChangeTable.h"
#include "Dates.h"
#include "DependantRules.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "TextLbl.h"
#include "XGrid.h"

#include <QHeaderView>
#include <QMouseEvent>

VESK_REGISTER_SCREEN(TQVESK_13_Alternative)

namespace {

enum { DateCol, EventCol, ShareCol };
constexpr int YoungestWithoutBirthQuestion = 6; // on 1 July of the year before

// The text of the cell last entered; kept while the module is loaded.
QString rememberedCellText;

// Texts whose "\r\n" break lines become one label line each.
QStringList Lines(const QString& text) {
    return text.split("\r\n");
}

struct TStatusPair {
    int tag;
    const char* yes;
    const char* no;
};
// In the order the status lists them: income support, prescribed education, absence, residency.
const TStatusPair StatusPairs[] = {
    {TagIncomeSupport, "Receiving a pension / benefit / payment under labour market program",
     "Not receiving a pension / benefit / payment under labour market program"},
    {TagPrescribedEducation, "Receiving payments under a prescribed education scheme",
     "Not receiving payments under a prescribed education scheme"},
    {TagAbsent, "Absent without your consent", "Not absent without consent"},
    {TagResidentOrLivingWith, "<C12;J512>Australian resident<.> or living with the claimant",
     "Not an Australian resident or living with claimant"},
};

QString Described(int tag, const char* yes, const char* no) {
    return FieldAsText(tag) == "2" ? yes : no;
}

QString DayZeroText() {
    return DayText(DependantDayZero() + 1);
}

} // namespace

TQVESK_13_Alternative::TQVESK_13_Alternative() : ui(new Ui::TQVESK_13_Alternative) {
    ui->setupUi(this);
    PrepareQuestionScreen(this);
    if (CurrentDependant() >= 0) OpenCurrentDependant();
    rememberedCellText.clear();
    SetColumnWidths(ui->XGrid1, {108, 420, 56});
    // The longest events take two lines.
    ui->XGrid1->verticalHeader()->setDefaultSectionSize(30);
    connect(
        ui->XGrid1, &TXGrid::PicklistDropdown, this,
        [this](int col, int row, QStringList& list) { XGrid1PicklistDropdown(col, row, list); });
    connect(ui->XGrid1, &TXGrid::EnterCell, this,
            [this](int col, int row) { XGrid1EnterCell(col, row); });
    connect(ui->XGrid1, &TXGrid::ExitCell, this,
            [this](int col, int row, int&, int&, bool& enterExitCell) {
                XGrid1ExitCell(col, row, enterExitCell);
            });
}

TQVESK_13_Alternative::~TQVESK_13_Alternative() = default;

void TQVESK_13_Alternative::FormShow() {
    if (CurrentDependant() < 0) {
        SetNextScreen(DetailsScreen);
        PostShowScreen();
        return;
    }
    ShowMessageText();
    XGrid1EnterCell(DateCol, 1);
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    HandlerSlots().LeaveCheck = [this](QObject* sender, TCloseAction& action) {
        ValCheck(sender, action);
    };
    SubstituteDependantName(ui->TextLbl1);

    bool complete = true;
    for (int tag :
         {TagInEducation, TagIncomeSupport, TagAbsent, TagResidentOrLivingWith, TagSharedCare})
        complete = complete && !FieldAsText(tag).empty();
    ui->XGrid1->setEnabled(complete);
    if (complete) {
        TChangeTable table = Table();
        table.RecomputeShares(std::nullopt, rememberedCellText);
        PutRows(table);
    }
    for (int row = 1; row < ui->XGrid1->RowCount(); ++row)
        NormaliseRow(row);
}

void TQVESK_13_Alternative::ShowMessageText() {
    QString text = "<s0><T1;L10;X0>Use the table to indicate any changes in status that occurred "
                   "between\r\nDayzero and CurrentYearEnd. If there have been no changes in "
                   "status\r\nleave this table blank.<.><L12>\r\n<L10><T0>You have entered the "
                   "initial circumstances for this dependant as follows: DStatus<.>";
    text.replace("Dayzero", DayZeroText());
    text.replace("CurrentYearEnd", "30/06/2004");
    text.replace("DStatus", StatusText());
    ui->TextLblMessage->setText(Lines(text));
    ui->TextLblMessage->setCurrentSection(0);
}

QString TQVESK_13_Alternative::StatusText() const {
    const QString bullet = "\r\n<X0>\u2022<X10>";
    const QString share = QString::fromStdString(FieldAsText(TagSharedCare));
    QString status = bullet + (share == "100" ? "Fully in your care (shared care % = 100)"
                               : share == "0" ? "Not in your care (shared care % = 0)"
                                              : "In shared care (shared care % = " + share + ")");
    status +=
        bullet + (FieldChecked(TagWholeYearEducation)
                      ? QString("Enrolled and remained enrolled in full time education for whole "
                                "income year")
                      : Described(TagInEducation, "Enrolled in full time education",
                                  "Not enrolled in full time education"));
    for (const TStatusPair& pair : StatusPairs)
        status += bullet + Described(pair.tag, pair.yes, pair.no);
    return status;
}

TChangeTable TQVESK_13_Alternative::Table() const {
    TChangeRows rows;
    for (int row = 1; row < ui->XGrid1->RowCount(); ++row)
        rows.push_back({ui->XGrid1->Cells(DateCol, row), ui->XGrid1->Cells(EventCol, row),
                        ui->XGrid1->Cells(ShareCol, row)});
    return TChangeTable(std::move(rows), StoredInitialCircumstances());
}

// Rows the table dropped leave blank rows at the bottom.
void TQVESK_13_Alternative::PutRows(const TChangeTable& table) {
    const TChangeRows& rows = table.Rows();
    for (int row = 1; row < ui->XGrid1->RowCount(); ++row) {
        const bool kept = row <= int(rows.size());
        ui->XGrid1->SetCells(DateCol, row, kept ? rows[row - 1].date : QString());
        ui->XGrid1->SetCells(EventCol, row, kept ? rows[row - 1].event : QString());
        ui->XGrid1->SetCells(ShareCol, row, kept ? rows[row - 1].share : QString());
    }
}

void TQVESK_13_Alternative::NormaliseRow(int row) {
    TChangeTable table = Table();
    table.Normalise(row - 1, ui->XGrid1->isEnabled(), rememberedCellText);
    PutRows(table);
}

void TQVESK_13_Alternative::XGrid1PicklistDropdown(int col, int row, QStringList& picklist) {
    if (col != EventCol) return;
    TXGrid& grid = *ui->XGrid1;
    if (grid.Cells(DateCol, row).isEmpty() && !grid.Cells(EventCol, row).isEmpty()) {
        ShowInformation("You can not enter a value unless a date is entered in the left column");
        grid.SetCells(EventCol, row, QString());
    }
    picklist = Table().PickList(row - 1);
}

void TQVESK_13_Alternative::XGrid1EnterCell(int col, int row) {
    rememberedCellText = ui->XGrid1->Cells(col, row);
    QString text = "<s0>Enter date of change of circumstance (between DayZero and "
                   "Date2).\r\n<s1>Select the change of circumstance from the drop down "
                   "list.\r\n<s2>Enter the new \"Shared care %\" from 0 (no care) to 100 (full "
                   "care).\r\n<s3>Change only permitted if \"New Circumstance\" is CCare.";
    text.replace("DayZero", DayZeroText());
    text.replace("Date2", "30/06/2004");
    text.replace("CCare", "\"Change of shared care %\"");
    ui->TextLblYellowBox->setText(Lines(text));
    const bool shareChange =
        ui->XGrid1->Cells(EventCol, row) == QString::fromLatin1(events::SharedCareChange);
    ui->TextLblYellowBox->setCurrentSection(col == DateCol    ? 0
                                            : col == EventCol ? 1
                                            : shareChange     ? 2
                                                              : 3);
}

void TQVESK_13_Alternative::XGrid1ExitCell(int col, int row, bool& enterExitCell) {
    TXGrid& grid = *ui->XGrid1;
    if (col == DateCol) {
        const QString date = grid.Cells(DateCol, row);
        if (date.isEmpty()) {
            if (!grid.Cells(EventCol, row).isEmpty() && !grid.Cells(ShareCol, row).isEmpty()) {
                grid.SetCells(EventCol, row, QString());
                grid.SetCells(ShareCol, row, QString());
            }
            return;
        }
        const auto day = ParseDate(date.toStdString());
        if (!day || *day <= DependantDayZero() || *day > YearEnd) {
            ShowError("Please enter a date between " + DayZeroText() + " and " + "30/06/2004" +
                      ".");
            enterExitCell = false;
            return;
        }
    }
    NormaliseRow(row);
}

void TQVESK_13_Alternative::mousePressEvent(QMouseEvent* event) {
    if (!ui->XGrid1->isEnabled() && ui->XGrid1->geometry().contains(event->pos()))
        ShowInformation("Fill out all the initial circumstance fields first.");
    TChildForm::mousePressEvent(event);
}

void TQVESK_13_Alternative::ValCheck(QObject*, TCloseAction&) {
    RunState().ScreenValid = RequiredColumns(*ui->XGrid1, QString(), true);
}

void TQVESK_13_Alternative::ChildFormYesNoClick(QObject*) {
    if (FrameWnd()->GoingBack()) return;
    FrameWnd()->SaveScreenInstance();
    const int dependant = CurrentDependant();
    bool eligible = false;
    for (int day = YearStart; day <= YearEnd && !eligible; ++day)
        eligible = DependantEligibleOn(dependant, tpProfile, day);
    if (!eligible) {
        SetNotQualifiedReason(ReasonNeverEligible);
        SetNextScreen(NotQualifiedScreen);
        return;
    }
    const auto birth = DependantBirthDay();
    const bool young = birth && AgeOn(*birth, YearStart) < YoungestWithoutBirthQuestion;
    SetNextScreen(young ? MultipleBirthScreen : AnotherChildScreen);
}
