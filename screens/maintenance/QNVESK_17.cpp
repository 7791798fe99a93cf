#include "QNVESK_17.h"

#include "CalcTags.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "MaintenanceWidgets.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "TextLbl.h"
#include "XGrid.h"
#include "ui_QNVESK_17.h"

#include <QPushButton>

namespace {

const QStringList Columns = {
    "Recipient|2|0|100|0|F|T|0||||10|1|1|You|F|F|",
    "Payer|2|0|30|0|F|T|0||||10|1|1|Payer|F|F|",
    "Start Date|2|2|10||F|F||-1|0|F|F|",
    "End Date|2|2|10||F|F||-1|0|F|F|",
    "Maintenance\rReceived|2|1|8|0|F|F||F|0|||-1|0|F|F|",
};

} // namespace

TQVESK_17::TQVESK_17() : ui_(new Ui::TQVESK_17) {
    ui_->setupUi(this);
    DefineColumns(ui_->XGrid1, Columns, {120, 150, 95, 95, 100});
    OpenInstanceForScreen(DependantGroup, CurrentDependant());
    AnswerYearScreenTags(this);
    SubstituteDependantName(ui_->TextLblHeading);
    ui_->TextLblAttention->setCurrentSection(1);
    RebuildPickLists(ui_->XGrid1, {.payer = 1, .recipient = 0});
    FollowCells(ui_->XGrid1, ui_->TextLblAttention, [](int col, int) { return col + 1; });
    ConnectAddPayer(ui_->btnAddPayer, ui_->XGrid1, false, true);
}

TQVESK_17::~TQVESK_17() = default;

void TQVESK_17::FormShow() {
    ui_->XGrid1->setFocus();
    // The way on depends on who is left once this dependant is finished: the leave check decides.
    HandlerSlots().AnswerHandler = [](QObject*) {
        if (!FrameWnd()->GoingBack()) SetNextScreen(screen_ids::DependantCollected);
    };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) {
        if (FrameWnd()->GoingBack()) return;
        RunState().ScreenValid =
            RequiredColumns(*ui_->XGrid1, {}, true) && DateOrder(*ui_->XGrid1, 2, 3, true);
        if (!RunState().ScreenValid) return;
        MarkOpenDependantFinished();
        SetNextScreen(NextAfterDependantFinished());
    };
}

VESK_REGISTER_SCREEN(TQVESK_17)
