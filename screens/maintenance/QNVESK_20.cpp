#include "QNVESK_20.h"

#include "CalcTags.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "MaintenanceWidgets.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "XGrid.h"

#include "ui_QNVESK_20.h"
#include <QPushButton>

namespace {

const QStringList Columns = {
    "Payer|2|0|30|0|F|T|0||||10|1|1|Payer|F|F|",
    "Start Date\rof Period|2|2|10||F|F||-1|0|F|F|",
    "End Date\rof Period|2|2|10||F|F||-1|0|F|F|",
    "Total Maintenance\rReceived|2|1|8|0|F|F|0|F|0|||-1|0|F|F|",
};

void MarkPersonFinished() {
    if (CurrentSpouse() == TaxpayerPerson) {
        SetFieldStr(TagOwnMaintenanceDone, "1");
        return;
    }
    // The open instance goes back into its group, where the next-person rule reads it.
    SetFieldStr(TagMaintenanceDone, "1");
    FrameWnd()->SaveScreenInstance();
}

} // namespace

TQVESK_20::TQVESK_20() : ui_(new Ui::TQVESK_20) {
    ui_->setupUi(this);
    DefineColumns(ui_->XGrid1, Columns, {200, 110, 110, 140});
    AnswerYearScreenTags(this);
    WordForPerson(ui_->TextLblPerson, CurrentSpouse());
    BindPersonTable(ui_->XGrid1, TagOwnPeriodic, TagSpousePeriodic);
    RebuildPickLists(ui_->XGrid1, {.payer = 0});
    FollowCells(ui_->XGrid1, ui_->TextLblAttention, [](int col, int) { return col; });
    ConnectAddPayer(ui_->btnAddPayer, ui_->XGrid1, true, false);
}

TQVESK_20::~TQVESK_20() = default;

void TQVESK_20::FormShow() {
    ui_->XGrid1->setFocus();
    // The way on depends on who is left once this person is finished: the leave check decides.
    HandlerSlots().AnswerHandler = [](QObject*) {
        if (!FrameWnd()->GoingBack()) SetNextScreen(screen_ids::SpousalCollected);
    };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) {
        if (FrameWnd()->GoingBack()) return;
        const TXGrid& grid = *ui_->XGrid1;
        RunState().ScreenValid = RequiredColumns(grid, {}, true) && DateOrder(grid, 1, 2, true) &&
                                 DatesWithinYear(grid, 1, 2);
        if (!RunState().ScreenValid) return;
        MarkPersonFinished();
        SetNextScreen(NextPersonScreen());
    };
}

VESK_REGISTER_SCREEN(TQVESK_20)
