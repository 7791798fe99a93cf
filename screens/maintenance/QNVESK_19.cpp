#include "QNVESK_19.h"

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
#include "ui_QNVESK_19.h"

namespace {

const QStringList Columns = {
    "Claimant|2|0|100|0|F|T|0||||10|1|1|You|F|F|",
    "Date Entitled to Apply\rfor Maintenance|2|2|10||F|F||-1|0|F|F|",
    "Date When First\rAction Taken|2|2|10||F|F||-1|0|F|F|",
    "Exemption Conditions|2|0|52|0|F|T|0||||6|1|6|Violence or fear of violence|Harmful disruptive "
    "effect|Trauma associated with proving paternity|Unsuccessfully tried to prove "
    "paternity|Conception through artificial insemination|Other exceptional circumstances|F|F|",
};

constexpr int ClaimantCol = 0, EntitledCol = 1, ActionCol = 2, ExemptionCol = 3;

const char* const EntitlementMissing =
    "You must enter the date on which you or your spouse were first entitled to claim or apply "
    "for maintenance for this dependant.\r\rIf you or your spouse were not entitled to receive "
    "or apply for maintenance for this dependant you should click \"Prev\" and answer \"No\" to "
    "the question on the previous screen.";
const char* const BaseRateOnly =
    "Are you sure you wish to continue?\r\n\r\nAs you have not entered a date on which "
    "maintenance action was taken or a maintenance exemption condition you will only be entitled "
    "to Part A base rate for this dependant.\r\n\r\nIf you select \"Yes\" you will not be "
    "required to provide further maintenance income information for this dependant.";
const char* const ActionBeforeEntitlement =
    "The date when first maintenance action is taken must be on or after the date you were "
    "entitled to apply for maintenance.";

bool ActionOrExemptionGiven(const TXGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row)
        if (!grid.Cells(ActionCol, row).isEmpty() || !grid.Cells(ExemptionCol, row).isEmpty())
            return true;
    return false;
}

// The attention box explains the exemption column by whether the row has an action date.
int SectionForCell(const TXGrid& grid, int col, int row) {
    if (col == ExemptionCol) return grid.Cells(ActionCol, row).isEmpty() ? 5 : 4;
    return col + 1;
}

} // namespace

TQVESK_19::TQVESK_19() : ui_(new Ui::TQVESK_19) {
    ui_->setupUi(this);
    DefineColumns(ui_->XGrid1, Columns, {110, 145, 110, 205});
    if (CurrentDependant() == -1) SetCurrentDependant(0);
    OpenInstanceForScreen(DependantGroup, CurrentDependant());
    SubstituteDependantName(ui_->TextLblHeading);
    ui_->TextLblAttention->setCurrentSection(1);
    RebuildPickLists(ui_->XGrid1, {.recipient = ClaimantCol});
    FollowCells(ui_->XGrid1, ui_->TextLblAttention,
                [this](int col, int row) { return SectionForCell(*ui_->XGrid1, col, row); });
}

TQVESK_19::~TQVESK_19() = default;

void TQVESK_19::FormShow() {
    ui_->XGrid1->setFocus();
    HandlerSlots().AnswerHandler = [](QObject*) {
        if (!FrameWnd()->GoingBack()) SetNextScreen(screen_ids::DependantCapitalisedQuestion);
    };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) {
        if (FrameWnd()->GoingBack()) return;
        const int next = NextAfterChecks();
        RunState().ScreenValid = next != 0;
        if (next != 0) SetNextScreen(next);
    };
}

int TQVESK_19::NextAfterChecks() {
    const TXGrid& grid = *ui_->XGrid1;
    if (!RequiredColumns(grid, "2,3", true)) return 0;
    if (!DateOrder(grid, EntitledCol, ActionCol, false)) {
        ShowError(ActionBeforeEntitlement);
        return 0;
    }
    if (!ActionOrExemptionGiven(grid)) {
        if (!GridHasData(grid)) {
            ShowError(EntitlementMissing);
            return 0;
        }
        if (!WarningYesNo(BaseRateOnly, "Warning")) return 0;
        MarkOpenDependantFinished();
        return NextAfterDependantFinished();
    }
    if (PayersListed()) return screen_ids::DependantCapitalisedQuestion;
    MarkOpenDependantFinished();
    return DependantPending() ? NextDependantScreen() : screen_ids::Validate;
}

VESK_REGISTER_SCREEN(TQVESK_19)
