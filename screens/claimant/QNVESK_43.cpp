#include "QNVESK_43.h"
#include "ui_QNVESK_43.h"

#include "ClaimantScreens.h"
#include "Frame.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

VESK_REGISTER_SCREEN(TQVESK_43)

namespace {

constexpr int RecipientColumn = 0;
constexpr int FromColumn = 1;
constexpr int ToColumn = 2;

} // namespace

TQVESK_43::TQVESK_43() : ui_(new Ui::TQVESK_43) {
    ui_->setupUi(this);
    PrepareQuestionScreen(this);
    SetColumnWidths(ui_->XGrid1, {250, 100, 100});
    connect(ui_->XGrid1, &TXGrid::PicklistDropdown, this, &TQVESK_43::XGrid1PicklistDropdown);
    connect(ui_->XGrid1, &TXGrid::EnterCell, ui_->TextLblBox,
            [this](int col, int) { ui_->TextLblBox->setCurrentSection(col); });
}

TQVESK_43::~TQVESK_43() = default;

void TQVESK_43::FormShow() {
    ui_->XGrid1->setFocus();
    HandlerSlots().AnswerHandler = [](QObject*) {
        if (!FrameWnd()->GoingBack()) SetNextScreen(BlindPensionInformationScreen);
    };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) {
        if (!DateOrder(*ui_->XGrid1, FromColumn, ToColumn, true)) RunState().ScreenValid = false;
    };
}

void TQVESK_43::XGrid1PicklistDropdown(int col, int, QStringList& picklist) {
    if (col == RecipientColumn) picklist = QStringList{"You"} + SpouseDisplayNames();
}
