#include "QNVESK_57.h"

#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "ScreenRegistry.h"
#include "ui_QNVESK_57.h"

#include <QPushButton>

TQVESK_57::TQVESK_57() : ui_(new Ui::TQVESK_57) {
    ui_->setupUi(this);
}

TQVESK_57::~TQVESK_57() = default;

void TQVESK_57::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [](QObject* sender) {
        if (sender == FrameWnd()->YesButton()) {
            PostNextScreen(screen_ids::DependantMaintenanceNavigation);
        } else if (sender == FrameWnd()->NoButton()) {
            // Back with the taxpayer, where the list of people allows any of them to be edited.
            SetCurrentSpouse(TaxpayerPerson);
            PostNextScreen(screen_ids::PersonSpousal);
        }
    };
}

VESK_REGISTER_SCREEN(TQVESK_57)
