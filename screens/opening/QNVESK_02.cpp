#include "QNVESK_02.h"
#include "ui_QNVESK_02.h"

#include "Frame.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

TQVESK_02::TQVESK_02(QWidget* parent) : TChildForm(parent), ui(std::make_unique<Ui::TQVESK_02>()) {
    ui->setupUi(this);
    AnswerYearScreenTags(this);
}

TQVESK_02::~TQVESK_02() = default;

void TQVESK_02::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
}

// Yes rules the claim out; a declined deletion shows the screen again.
void TQVESK_02::ChildFormYesNoClick(QObject* sender) {
    if (AnsweredYes(sender))
        DeleteAllAndLeaveModule();
    else
        SetNextScreen(7806);
    PostShowScreen();
}

VESK_REGISTER_SCREEN(TQVESK_02)
