#include "QNVESK_15.h"
#include "ui_QNVESK_15.h"

#include "ControlBinding.h"
#include "DependantRules.h"
#include "Frame.h"
#include "Lookups.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

#include <QPushButton>

VESK_REGISTER_SCREEN(TQVESK_15)

namespace {
constexpr int NewDependant = -2;
}

TQVESK_15::TQVESK_15() : ui(new Ui::TQVESK_15) {
    ui->setupUi(this);
    PrepareQuestionScreen(this);
}

TQVESK_15::~TQVESK_15() = default;

void TQVESK_15::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [this](QObject* sender) { AnswerClick(sender); };
}

void TQVESK_15::AnswerClick(QObject* sender) {
    const bool another = AnsweredYes(sender);
    ui->TaxEditAllDependants->setText(another ? "0" : "1");
    StoreBoundControls(this);
    if (another) {
        SetCurrentDependant(NewDependant);
        SetNextScreen(DetailsScreen);
    } else {
        SetNextScreen(MaintenanceSectionScreen);
    }
    PostShowScreen();
}
