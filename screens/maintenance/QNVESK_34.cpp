#include "QNVESK_34.h"

#include "Frame.h"
#include "MaintenanceFlow.h"
#include "ScreenRegistry.h"
#include "ui_QNVESK_34.h"

#include <QPushButton>

TQVESK_34::TQVESK_34() : ui_(new Ui::TQVESK_34) {
    ui_->setupUi(this);
}

TQVESK_34::~TQVESK_34() = default;

void TQVESK_34::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [this](QObject* sender) {
        if (sender == FrameWnd()->YesButton()) {
            ui_->CheckBoxNoPayers->setChecked(true);
            PostNextScreen(RelevantDependants().empty() ? screen_ids::NotRequiredDependants
                                                        : screen_ids::AnyDependant);
        } else if (sender == FrameWnd()->NoButton()) {
            ui_->CheckBoxNoPayers->setChecked(false);
            PostNextScreen(screen_ids::Payers);
        }
    };
}

VESK_REGISTER_SCREEN(TQVESK_34)
