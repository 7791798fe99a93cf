#include "QNVESK_21.h"
#include "ui_QNVESK_21.h"

#include "Dates.h"
#include "Frame.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

namespace {

const char* const WholeYearWarning =
    "The dates entered indicate that you have claimed or intended to claim a direct payment "
    "through Corvel for the entire year\r\nAre you sure that this is correct? \r\n\r\nIf you "
    "answer Yes, you will be taken back to the question regarding claiming through Corvel "
    "earlier in the interview.";

} // namespace

TQVESK_21::TQVESK_21(QWidget* parent) : TChildForm(parent), ui(std::make_unique<Ui::TQVESK_21>()) {
    ui->setupUi(this);
    AnswerYearScreenTags(this);
    connect(ui->XGrid1, &TXGrid::EnterCell, ui->TextLblYellowBox,
            [this](int col, int) { ui->TextLblYellowBox->setCurrentSection(col); });
}

TQVESK_21::~TQVESK_21() = default;

void TQVESK_21::FormShow() {
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) { LeaveCheck(); };
}

void TQVESK_21::ChildFormYesNoClick(QObject*) {
    if (!FrameWnd()->GoingBack()) SetNextScreen(7812);
}

// Payments through the Corvel Office for the whole year mean no claim here: the user is sent
// back to the first question, if they confirm it.
void TQVESK_21::LeaveCheck() {
    const TXGrid& grid = *ui->XGrid1;
    bool valid = RequiredColumns(grid, QString(), true) && NoOverlaps(grid, 0, 1, true) &&
                 DateOrder(grid, 0, 1, true);
    if (valid && WholePeriodCovered(grid, 0, 1, false, YearStart, YearEnd)) {
        valid = WarningYesNo(WholeYearWarning, "Warning");
        if (valid) SetNextScreen(7805);
    }
    RunState().ScreenValid = valid;
}

VESK_REGISTER_SCREEN(TQVESK_21)
