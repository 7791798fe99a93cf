#include "QNVESK_08.h"
#include "ui_QNVESK_08.h"

#include "ClaimantScreens.h"
#include "Dates.h"
#include "Frame.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

VESK_REGISTER_SCREEN(TQVESK_08)

namespace {

constexpr int StatusColumn = 0;
constexpr int FromColumn = 1;
constexpr int ToColumn = 2;
constexpr int PercentageColumn = 3;
// The attention box's section for the percentage of a single parent.
constexpr int SingleParentSection = 5;

bool SingleParent(const QString& status) {
    return status == "Single" || status == "Widowed";
}

} // namespace

TQVESK_08::TQVESK_08() : ui_(new Ui::TQVESK_08) {
    ui_->setupUi(this);
    PrepareQuestionScreen(this);
    SetColumnWidths(ui_->XGrid1, {230, 80, 80, 85});
    connect(ui_->XGrid1, &TXGrid::PicklistDropdown, this, &TQVESK_08::XGrid1PicklistDropdown);
    connect(ui_->XGrid1, &TXGrid::EnterCell, this, &TQVESK_08::XGrid1EnterCell);
    connect(ui_->XGrid1, &TXGrid::ExitCell, this,
            [this](int col, int row, int&, int&, bool&) { XGrid1ExitCell(col, row); });
}

TQVESK_08::~TQVESK_08() = default;

void TQVESK_08::FormShow() {
    ui_->XGrid1->setFocus();
    HandlerSlots().AnswerHandler = [](QObject*) { SetNextScreen(SpouseNavigationScreen); };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) { LeaveCheck(); };
}

void TQVESK_08::XGrid1PicklistDropdown(int col, int, QStringList& picklist) {
    if (col != StatusColumn) return;
    picklist = QStringList{"Single"} + SpouseDisplayNames() + QStringList{"Widowed"};
}

void TQVESK_08::XGrid1EnterCell(int col, int row) {
    if (col == PercentageColumn)
        ui_->TextLblBox->setCurrentSection(
            SingleParent(ui_->XGrid1->Cells(StatusColumn, row)) ? SingleParentSection : 4);
    else
        ui_->TextLblBox->setCurrentSection(col + 1);
}

void TQVESK_08::XGrid1ExitCell(int col, int row) {
    TXGrid* grid = ui_->XGrid1;
    if (grid->Cells(col, row).isEmpty()) return;
    const QString status = grid->Cells(StatusColumn, row);
    if (status.isEmpty()) {
        ShowError("You cannot enter values in this field without first specifying a \"Spouse "
                  "Name\"");
        grid->SetCells(col, row, QString());
        return;
    }
    if (col != PercentageColumn) return;
    if (SingleParent(status)) {
        ShowError("Leave this field blank. This field is not relevant for single parent "
                  "families.");
        grid->SetCells(col, row, QString());
        return;
    }
    if (!WarningYesNo(
            "Are you sure you wish to split your Vesk entitlement with your spouse?\r\n\r\nBy "
            "entering a value in this field you are indicating that you wish to split your Vesk "
            "with your spouse during this period. This will result in a reduction in your "
            "entitlement. The other person can claim the balance of the entitlement. Splitting "
            "your Vesk entitlement in this manner is only permitted if your family - during this "
            "period - was a blended family or if you have separated from your spouse since this "
            "period.\r\n\r\nNote: The \"Agreed Percentage\" of Vesk entitlement referred to here "
            "is entirely different to the \"Shared Care Percentage\" for individual dependants.",
            "Warning"))
        grid->SetCells(col, row, QString());
}

void TQVESK_08::LeaveCheck() {
    const TXGrid& grid = *ui_->XGrid1;
    if (GridEmpty(grid) && FrameWnd()->GoingBack()) return;
    const bool passed = RequiredColumns(grid, "3", true) &&
                        WholePeriodCovered(grid, FromColumn, ToColumn, true, YearStart, YearEnd) &&
                        NoOverlaps(grid, FromColumn, ToColumn, true) &&
                        DateOrder(grid, FromColumn, ToColumn, true);
    if (passed) return;
    ShowInformation("You should complete this table or completly clear this table before moving "
                    "off this screen.");
    RunState().ScreenValid = false;
}
