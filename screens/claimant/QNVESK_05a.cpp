#include "QNVESK_05a.h"
#include "ui_QNVESK_05a.h"

#include "ClaimantScreens.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

#include <QPushButton>

VESK_REGISTER_SCREEN(TQVESK_05a)

TQVESK_05a::TQVESK_05a() : ui_(new Ui::TQVESK_05a) {
    ui_->setupUi(this);
    PrepareQuestionScreen(this);
}

TQVESK_05a::~TQVESK_05a() = default;

void TQVESK_05a::FormShow() {
    ui_->TextLblRollover->setVisible(RolloverNoticeStartsWith(SpouseRolloverPrefix));
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
}

void TQVESK_05a::ChildFormYesNoClick(QObject* sender) {
    if (sender == FrameWnd()->YesButton()) {
        ui_->TaxEditAnswer->setText("1");
        SetCurrentSpouse(NoSpouseChosen);
        SetNextScreen(SpouseDetailsScreen);
    } else if (!WorksheetHasInstances(SpouseGroup)) {
        ui_->TaxEditAnswer->setText("0");
        SetNextScreen(SpouseNavigationScreen);
    } else {
        ShowError("You have already entered spouse information.\r\rYou should delete these "
                  "spouses individually from the next screen.");
        SetCurrentSpouse(NoSpouseChosen);
        SetNextScreen(SpouseDetailsScreen);
    }
    PostShowScreen();
}
