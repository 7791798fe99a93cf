#include "QNVESK_42.h"
#include "ui_QNVESK_42.h"

#include "CalcTags.h"
#include "ClaimantScreens.h"
#include "FieldStore.h"
#include "Frame.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

#include <QPushButton>

VESK_REGISTER_SCREEN(TQVESK_42)

TQVESK_42::TQVESK_42() : ui_(new Ui::TQVESK_42) {
    ui_->setupUi(this);
    PrepareQuestionScreen(this);
}

TQVESK_42::~TQVESK_42() = default;

void TQVESK_42::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
}

void TQVESK_42::ChildFormYesNoClick(QObject* sender) {
    if (FrameWnd()->GoingBack()) return;
    const bool yes = sender == FrameWnd()->YesButton();
    // Declining to delete the periods leaves the answer as it was and the screen on display.
    if (!yes && !PeriodsMayGo()) return;
    ui_->CheckBoxBlindY->setChecked(yes);
    ui_->CheckBoxBlindN->setChecked(!yes);
    SetNextScreen(yes ? BlindPensionPeriodsScreen : BlindPensionInformationScreen);
    PostShowScreen();
}

bool TQVESK_42::PeriodsMayGo() {
    if (FieldEmpty(TagBlindPeriods)) return true;
    if (!WarningYesNo("You have already entered periods in which you or your spouse were in "
                      "receipt of the blind rate of social security pension or the blind rate of "
                      "service pension or income support supplement. As you have selected "
                      "\"No\", this information will now be deleted.\r\rAre you sure you wish "
                      "to continue?",
                      "Periods already entered"))
        return false;
    ClearField(TagBlindPeriods);
    return true;
}
