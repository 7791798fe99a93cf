#include "QNVESK_12.h"
#include "ui_QNVESK_12.h"

#include "DependantRules.h"
#include "Frame.h"
#include "Lookups.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "TextLbl.h"

VESK_REGISTER_SCREEN(TQVESK_12)

TQVESK_12::TQVESK_12() : ui(new Ui::TQVESK_12) {
    ui->setupUi(this);
    PrepareQuestionScreen(this);
    const int reason = NotQualifiedReason();
    ui->TextLblReason->setVisible(reason >= ReasonOver24 && reason <= ReasonNeverEligible);
    ui->TextLblReason->setCurrentSection(reason);
}

TQVESK_12::~TQVESK_12() = default;

void TQVESK_12::FormShow() {
    HandlerSlots().AnswerHandler = [](QObject*) {
        if (!FrameWnd()->GoingBack()) SetNextScreen(AnotherChildScreen);
    };
}
