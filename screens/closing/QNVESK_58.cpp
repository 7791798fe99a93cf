#include "QNVESK_58.h"

#include "Frame.h"
#include "MaintenanceFlow.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "ui_QNVESK_58.h"

#include <QPushButton>

TQVESK_58::TQVESK_58() : ui_(new Ui::TQVESK_58) {
    ui_->setupUi(this);
}

TQVESK_58::~TQVESK_58() = default;

void TQVESK_58::FormShow() {
    // The notice is its own help: the frame's More has nothing to add here.
    if (auto* more = FrameWnd()->findChild<QPushButton*>("More")) more->hide();
    HandlerSlots().AnswerHandler = [](QObject*) {
        if (!FrameWnd()->GoingBack()) SetNextScreen(screen_ids::DependantNavigation);
    };
}

VESK_REGISTER_SCREEN(TQVESK_58)
