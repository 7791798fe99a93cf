#include "QNVESK_28.h"
#include "ui_QNVESK_28.h"

#include "Dates.h"
#include "Frame.h"
#include "OverseasPeriods.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

namespace {

int CountingFrom() {
    return DayOf(RunState().IncomeYear - 4, 7, 1);
}

QString FirstTripTooShort() {
    const QString from = QString::number(RunState().IncomeYear - 4);
    return "The first period overseas you enter should be of a duration greater or equal to 26 "
           "weeks and at least 26 weeks of this period should occur after 1 July " +
           from + ". Note that " +
           "the date of your departure and the date of your return are not included in the "
           "period you spent overseas." +
           "\r\r" +
           "You should enter a period of at least 26 weeks in the first row (use the "
           "<Ctrl><Insert> key) and if " +
           "you have already entered this period in a different place in the table delete the "
           "entry form its old position. " +
           "If you have not been overseas for a period of greater than 26 weeks since 1 July " +
           from + ", clear all the records " +
           "in this table, go back to the previous screen and answer \"No\" to the question "
           "relating to periods overseas for more than 26 weeks.";
}

const char* const NoTripThisYear =
    "You must enter at least one period that occurs during this income year.\r\rNote that the "
    "date of your deprture and the date of your return are not included in the period you spent "
    "overseas. If you have not been overseas this income year you should delete the entries in "
    "this table, go back to the previous screen and answer \"No\" to the question relating to "
    "periods overseas this income year.";

} // namespace

TQVESK_28::TQVESK_28(QWidget* parent) : TChildForm(parent), ui(std::make_unique<Ui::TQVESK_28>()) {
    ui->setupUi(this);
    AnswerYearScreenTags(this);
    // The first row holds the first long absence, which has its own hint.
    connect(ui->XGrid1, &TXGrid::EnterCell, ui->TextLblYellowBox, [this](int col, int row) {
        ui->TextLblYellowBox->setCurrentSection(col == 1 ? 3 : row == 1 ? 1 : 2);
    });
}

TQVESK_28::~TQVESK_28() = default;

void TQVESK_28::FormShow() {
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) { FinalCheck(); };
}

// A period without a return asks next whether that departure was permanent.
void TQVESK_28::ChildFormYesNoClick(QObject*) {
    if (!FrameWnd()->GoingBack()) SetNextScreen(PairIncomplete(*ui->XGrid1) ? 7815 : 7816);
}

void TQVESK_28::FinalCheck() {
    TXGrid& grid = *ui->XGrid1;
    const bool passed = FirstPeriodLongEnough(grid, CountingFrom(), FirstTripTooShort()) &&
                        PeriodRowsInOrder(grid) &&
                        (FrameWnd()->GoingBack() || PeriodInIncomeYear(grid, NoTripThisYear)) &&
                        PeriodsApart(grid, "Dates for periods oversaes are can not overlap.");
    if (!passed) RunState().ScreenValid = false;
}

VESK_REGISTER_SCREEN(TQVESK_28)
