#include "QNVESK_05.h"
#include "ui_QNVESK_05.h"

#include "CalcTags.h"
#include "FieldStore.h"
#include "Frame.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

#include <QComboBox>
#include <QPalette>

namespace {

// Each overseas question is kept as a pair of check fields: the first means Yes, the second No.
struct TAnswerPair {
    int yesTag, noTag;
};
constexpr TAnswerPair OverseasThisYear{1287, 1288};
constexpr TAnswerPair OverseasLongTrip{1285, 1286};

const char* const TripDeletion =
    "As you have not answered \"Yes\" to both the questions relating to overseas travel, any "
    "time you spent overseas will not affect your Vesk claim. The information you have allreay "
    "entered in the overseas travel table (on the next screen) will be deleted. \r\rIf you wish "
    "to continue with this deletion select \"Yes\". Select \"No\" and set the answer to both "
    "overseas questions to \"Yes\" before proceeding if you wish to save the information you "
    "have already entered in the overseas periods table.";

void ShowAnswer(QComboBox* combo, TAnswerPair pair) {
    if (FieldChecked(pair.noTag))
        SelectComboText(combo, "No");
    else if (FieldChecked(pair.yesTag))
        SelectComboText(combo, "Yes");
    else
        combo->setCurrentIndex(-1);
}

void StoreAnswer(const QComboBox* combo, TAnswerPair pair) {
    const bool yes = ComboSelectionIs(combo, "Yes");
    SetFieldChecked(yes ? pair.yesTag : pair.noTag);
    SetFieldUnchecked(yes ? pair.noTag : pair.yesTag);
}

void HideInFormColour(QWidget* form, QWidget* text) {
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, form->palette().color(QPalette::Window));
    text->setPalette(palette);
}

} // namespace

TQVESK_05::TQVESK_05(QWidget* parent) : TChildForm(parent), ui(std::make_unique<Ui::TQVESK_05>()) {
    ui->setupUi(this);
    AnswerYearScreenTags(this);
    HideInFormColour(this, ui->StaticTextThisYear);
    HideInFormColour(this, ui->StaticText26Weeks);
    const std::pair<QComboBox*, TAnswerPair> questions[] = {
        {ui->overseasThisYearComboBox, OverseasThisYear},
        {ui->overseasAtLeast26WeeksComboBox, OverseasLongTrip}};
    for (auto [combo, pair] : questions) {
        ShowAnswer(combo, pair);
        connect(combo, &QComboBox::activated, this,
                [combo, pair = pair] { StoreAnswer(combo, pair); });
    }
}

TQVESK_05::~TQVESK_05() = default;

void TQVESK_05::FormShow() {
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) { LeaveCheck(); };
}

// Overseas periods matter only when both questions are answered Yes; otherwise stored periods
// go, once confirmed. A question left unanswered deletes nothing: the leave check reports it.
void TQVESK_05::ChildFormYesNoClick(QObject*) {
    if (FrameWnd()->GoingBack()) return;
    const QComboBox* thisYear = ui->overseasThisYearComboBox;
    const QComboBox* longTrip = ui->overseasAtLeast26WeeksComboBox;
    if (ComboSelectionIs(thisYear, "yes") && ComboSelectionIs(longTrip, "yes")) {
        SetNextScreen(7814);
        return;
    }
    SetNextScreen(7816);
    if (thisYear->currentIndex() < 0 || longTrip->currentIndex() < 0) return;
    if (FieldEmpty(TagClaimantTrips)) return;
    if (WarningYesNo(TripDeletion, "Data deletion pending"))
        ClearField(TagClaimantTrips);
    else
        SetNextScreen(7813);
}

void TQVESK_05::LeaveCheck() {
    if (FrameWnd()->GoingBack()) return;
    for (TTaxEdit* amount : {ui->TEPB, ui->TEFI, ui->TEME})
        if (amount->text().trimmed().isEmpty()) {
            RunState().ScreenValid = false;
            amount->setFocus();
            ShowError("Please enter a value (which may be zero) in all income and expenditure "
                      "fields.");
            return;
        }
    if (ui->overseasThisYearComboBox->currentIndex() < 0 ||
        ui->overseasAtLeast26WeeksComboBox->currentIndex() < 0) {
        RunState().ScreenValid = false;
        ShowError("Please answer both Yes / No questions regarding overseas travel");
    }
}

VESK_REGISTER_SCREEN(TQVESK_05)
