#include "QNVESK_51.h"

#include "Frame.h"
#include "MaintenanceFlow.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "ui_QNVESK_51.h"

TQVESK_51::TQVESK_51() : ui_(new Ui::TQVESK_51) {
    ui_->setupUi(this);
}

TQVESK_51::~TQVESK_51() = default;

void TQVESK_51::FormShow() {
    HandlerSlots().AnswerHandler = [](QObject*) {
        if (!FrameWnd()->GoingBack()) SetNextScreen(screen_ids::SpouseNavigation);
    };
}

VESK_REGISTER_SCREEN(TQVESK_51)
