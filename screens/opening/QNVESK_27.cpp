#include "QNVESK_27.h"
#include "ui_QNVESK_27.h"

#include "Frame.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

TQVESK_27::TQVESK_27(QWidget* parent) : TChildForm(parent), ui(std::make_unique<Ui::TQVESK_27>()) {
    ui->setupUi(this);
    AnswerYearScreenTags(this);
}

TQVESK_27::~TQVESK_27() = default;

void TQVESK_27::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
}

// No leaves the module without deleting anything: the user comes back later.
void TQVESK_27::ChildFormYesNoClick(QObject* sender) {
    if (AnsweredYes(sender))
        SetNextScreen(7809);
    else
        SetLeaveModule();
    PostShowScreen();
}

VESK_REGISTER_SCREEN(TQVESK_27)
