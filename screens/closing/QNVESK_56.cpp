#include "QNVESK_56.h"

#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "ScreenRegistry.h"
#include "ui_QNVESK_56.h"

#include <QPushButton>

TQVESK_56::TQVESK_56() : ui_(new Ui::TQVESK_56) {
    ui_->setupUi(this);
}

TQVESK_56::~TQVESK_56() = default;

void TQVESK_56::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [](QObject* sender) {
        if (sender == FrameWnd()->YesButton()) {
            PostNextScreen(screen_ids::Validate);
        } else if (sender == FrameWnd()->NoButton()) {
            // The loop starts again with the first listed dependant.
            SetCurrentDependant(-1);
            PostNextScreen(screen_ids::ThisDependant);
        }
    };
}

VESK_REGISTER_SCREEN(TQVESK_56)
