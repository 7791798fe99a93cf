#include "QNVESK_39.h"
#include "ui_QNVESK_39.h"

#include "Dates.h"
#include "DependantRules.h"
#include "Frame.h"
#include "OverseasPeriods.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "TextLbl.h"
#include "XGrid.h"

VESK_REGISTER_SCREEN(TQVESK_39)

namespace {

QString FirstPeriodMessage(int earliestYear) {
    const QString year = QString::number(earliestYear);
    return "The first period overseas you enter should be of a duration greater or equal to 26 "
           "weeks and at least 26 weeks of this period should occur after 1 July " +
           year + ". Note that " +
           "the date of this dependant's departure and return are not included in the period you "
           "spent overseas." +
           "\r\r" +
           "You should enter a period of at least 26 weeks in the first row (use the "
           "<Ctrl><Insert> key) and if " +
           "you have already entered this period in a different place in the table delete the "
           "entry from its old position. " +
           "If you have not been overseas for a period of greater than 26 weeks since 1 July " +
           year + ", clear all the records " +
           "in this table, go back to the previous screen and answer \"No\" to the question "
           "relating to periods overseas for more than 26 weeks.";
}

const char* const IncomeYearMessage =
    "You must enter at least one period that occurs during this income year. Note that the date "
    "of this dependant's departure and return are not included in the period you spent "
    "overseas.\r\rIf this dependant has not been overseas this income year you should delete the "
    "entries in this table, go back to the previous screen and answer \"No\" to the question "
    "relating to periods overseas this income year.";

} // namespace

TQVESK_39::TQVESK_39() : ui(new Ui::TQVESK_39) {
    ui->setupUi(this);
    PrepareQuestionScreen(this);
    OpenCurrentDependant();
    SubstituteDependantName(ui->TextLbl1);
    SetColumnWidths(ui->XGrid1, {110, 110});
    connect(ui->XGrid1, &TXGrid::EnterCell, this,
            [this](int col, int row) { XGrid1EnterCell(col, row); });
}

TQVESK_39::~TQVESK_39() = default;

void TQVESK_39::FormShow() {
    XGrid1EnterCell(ui->XGrid1->Col(), ui->XGrid1->Row());
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    HandlerSlots().LeaveCheck = [this](QObject* sender, TCloseAction& action) {
        FinalCheck(sender, action);
    };
}

void TQVESK_39::XGrid1EnterCell(int col, int row) {
    ui->TextLblYellowBox->setCurrentSection(col == 1 ? 3 : row <= 1 ? 1 : 2);
}

void TQVESK_39::ChildFormYesNoClick(QObject*) {
    if (FrameWnd()->GoingBack()) return;
    SetNextScreen(OpenEndedPeriod(*ui->XGrid1) ? DepartureScreen : ScreenAfterDetails());
}

void TQVESK_39::FinalCheck(QObject*, TCloseAction&) {
    const int earliestYear = RunState().IncomeYear - 4;
    TXGrid& grid = *ui->XGrid1;
    const bool passed =
        FirstPeriodLongEnough(grid, DayOf(earliestYear, 7, 1), FirstPeriodMessage(earliestYear)) &&
        PeriodRowsInOrder(grid) &&
        (FrameWnd()->GoingBack() || PeriodInIncomeYear(grid, IncomeYearMessage)) &&
        PeriodsApart(grid, "Dates for periods overseas cannot overlap.");
    if (!passed) RunState().ScreenValid = false;
}
