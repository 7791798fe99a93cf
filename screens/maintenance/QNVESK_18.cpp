#include "QNVESK_18.h"

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
#include "ui_QNVESK_18.h"

#include <QPushButton>

namespace {

const QStringList Columns = {
    "Recipient|2|0|100|0|F|T|0||||10|1|1|You|F|F|",
    "Payer|2|0|30|0|F|T|0||||10|1|1|Payer|F|F|",
    "Start Date of\rPeriod Covered\rby this Capital Item|2|2|10||F|F||-1|0|F|F|",
    "End Date of\rPeriod Covered\rby this Capital Item |2|2|10||F|F||-1|0|F|F|",
    "Value of\rCapital Item\rReceived|2|1|8|0|F|F||F|0|||-1|0|F|F|",
    "% Allocated for this Dependant|2|1|30|0|F|F|0|F|0|100||-1|0|F|",
};

} // namespace

TQVESK_18::TQVESK_18() : ui_(new Ui::TQVESK_18) {
    ui_->setupUi(this);
    DefineColumns(ui_->XGrid1, Columns, {80, 100, 122, 122, 72, 74});
    OpenInstanceForScreen(DependantGroup, CurrentDependant());
    SubstituteDependantName(ui_->TextLbl1);
    ui_->TextLblAttention->setCurrentSection(1);
    RebuildPickLists(ui_->XGrid1, {.payer = 1, .recipient = 0});
    FollowCells(ui_->XGrid1, ui_->TextLblAttention, [](int col, int) { return col + 1; });
    ConnectAddPayer(ui_->btnAddPayer, ui_->XGrid1, false, true);
}

TQVESK_18::~TQVESK_18() = default;

void TQVESK_18::FormShow() {
    ui_->XGrid1->setFocus();
    HandlerSlots().AnswerHandler = [](QObject*) {
        if (!FrameWnd()->GoingBack()) SetNextScreen(screen_ids::DependantPeriodic);
    };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) {
        if (FrameWnd()->GoingBack()) return;
        RunState().ScreenValid =
            RequiredColumns(*ui_->XGrid1, {}, true) && DateOrder(*ui_->XGrid1, 2, 3, true);
    };
}

VESK_REGISTER_SCREEN(TQVESK_18)
