#include "QNVESK_03.h"
#include "ui_QNVESK_03.h"

#include "ControlBinding.h"
#include "Cp1252.h"
#include "Frame.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

namespace {

constexpr int LowIncomeLimit = 31756;

} // namespace

TQVESK_03::TQVESK_03(QWidget* parent) : TChildForm(parent), ui(std::make_unique<Ui::TQVESK_03>()) {
    ui->setupUi(this);
    AnswerYearScreenTags(this);
    // Screen tag 1 is the family income below which claiming through the Corvel Office is best.
    ui->TextLbl1->setOnScreenTag([](int screenTagId) {
        if (screenTagId != 1) return YearScreenTag(screenTagId);
        return QString::fromStdString(Cp1252ToUtf8(FormatCurrencyCaption(LowIncomeLimit, 0)));
    });
}

TQVESK_03::~TQVESK_03() = default;

void TQVESK_03::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
}

// Yes rules the claim out; a declined deletion shows the screen again.
void TQVESK_03::ChildFormYesNoClick(QObject* sender) {
    if (AnsweredYes(sender))
        DeleteAllAndLeaveModule();
    else
        SetNextScreen(7808);
    PostShowScreen();
}

VESK_REGISTER_SCREEN(TQVESK_03)
