#include "QNVESK_36.h"
#include "ui_QNVESK_36.h"

#include "CalcTags.h"
#include "FieldStore.h"
#include "Frame.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

namespace {

const char* const ResidencyDeletion =
    "You have already entered information in the residency table, selecting \"Yes\" will cause "
    "this information to be deleted. \r\rIf you wish to continue with this deletion select "
    "\"Yes\". Select \"No\" to review the information you have already entered in the "
    "residency table.";

} // namespace

TQVESK_36::TQVESK_36(QWidget* parent) : TChildForm(parent), ui(std::make_unique<Ui::TQVESK_36>()) {
    ui->setupUi(this);
    AnswerYearScreenTags(this);
}

TQVESK_36::~TQVESK_36() = default;

void TQVESK_36::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
}

// Yes throughout the year makes the residency table meaningless, so it goes, once confirmed;
// keeping it means the answer stays No.
void TQVESK_36::ChildFormYesNoClick(QObject* sender) {
    bool residentAllYear = AnsweredYes(sender);
    if (residentAllYear && !FieldEmpty(TagResidency)) {
        residentAllYear = WarningYesNo(ResidencyDeletion, "Data deletion pending");
        if (residentAllYear) ClearField(TagResidency);
    }
    ui->TaxEditResQuetionAnswered->setText(residentAllYear ? "1" : "0");
    SetNextScreen(residentAllYear ? 7811 : 7810);
    PostShowScreen();
}

VESK_REGISTER_SCREEN(TQVESK_36)
