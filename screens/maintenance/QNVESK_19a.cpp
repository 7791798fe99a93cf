#include "QNVESK_19a.h"

#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "MaintenanceWidgets.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "XGrid.h"

#include "ui_QNVESK_19a.h"
#include <QPushButton>

namespace {

const QStringList Columns = {
    "Payer|2|0|30|0|F|T|0||||10|1|1|Payer|F|F|",
    "Start Date of\rPeriod Covered\rby this Capital Item|2|2|10||F|F||-1|0|F|F|",
    "End Date of\rPeriod Covered\rby this Capital Item |2|2|10||F|F||-1|0|F|F|",
    "Value of\rCapital Item\rReceived|2|1|8|0|F|F||F||||-1|0|F|F|",
    "% Allocated for this Individual|2|1|30|0|F|F|0|F|0|100||-1|0|F|",
};

} // namespace

TQVESK_19a::TQVESK_19a() : ui_(new Ui::TQVESK_19a) {
    ui_->setupUi(this);
    DefineColumns(ui_->XGrid1, Columns, {130, 138, 138, 82, 82});
    AnswerYearScreenTags(this);
    WordForPerson(ui_->TextLblPerson, CurrentSpouse());
    BindPersonTable(ui_->XGrid1, TagOwnCapitalised, TagSpouseCapitalised);
    RebuildPickLists(ui_->XGrid1, {.payer = 0});
    FollowCells(ui_->XGrid1, ui_->TextLblAttention, [](int col, int) { return col; });
    ConnectAddPayer(ui_->btnAddPayer, ui_->XGrid1, true, false);
}

TQVESK_19a::~TQVESK_19a() = default;

void TQVESK_19a::FormShow() {
    ui_->XGrid1->setFocus();
    HandlerSlots().AnswerHandler = [](QObject*) {
        if (!FrameWnd()->GoingBack()) SetNextScreen(screen_ids::PeriodicSpousal);
    };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) {
        if (FrameWnd()->GoingBack()) return;
        RunState().ScreenValid =
            RequiredColumns(*ui_->XGrid1, {}, true) && DateOrder(*ui_->XGrid1, 1, 2, true);
    };
}

VESK_REGISTER_SCREEN(TQVESK_19a)
