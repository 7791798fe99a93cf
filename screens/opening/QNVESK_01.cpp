#include "QNVESK_01.h"
#include "ui_QNVESK_01.h"

#include "Frame.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

TQVESK_01::TQVESK_01(QWidget* parent) : TChildForm(parent), ui(std::make_unique<Ui::TQVESK_01>()) {
    ui->setupUi(this);
    AnswerYearScreenTags(this);
}

TQVESK_01::~TQVESK_01() = default;

void TQVESK_01::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
}

// No rules the claim out; a declined deletion shows the screen again.
void TQVESK_01::ChildFormYesNoClick(QObject* sender) {
    if (AnsweredYes(sender))
        SetNextScreen(7807);
    else
        DeleteAllAndLeaveModule();
    PostShowScreen();
}

VESK_REGISTER_SCREEN(TQVESK_01)
