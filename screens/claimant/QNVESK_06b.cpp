#include "QNVESK_06b.h"
#include "ui_QNVESK_06b.h"

#include "CalcTags.h"
#include "ClaimantScreens.h"
#include "ControlBinding.h"
#include "FieldStore.h"
#include "Frame.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

VESK_REGISTER_SCREEN(TQVESK_06b)

namespace {

// A Yes/No list kept in a pair of check boxes; no answer leaves them as they were.
void CopyAnswer(const QComboBox* list, QCheckBox* yes, QCheckBox* no) {
    if (list->currentIndex() < 0) return;
    const bool answeredYes = ComboSelectionIs(list, "Yes");
    yes->setChecked(answeredYes);
    no->setChecked(!answeredYes);
}

void SelectFromPair(QComboBox* list, const QCheckBox* yes, const QCheckBox* no) {
    if (yes->isChecked())
        SelectComboText(list, "yes");
    else if (no->isChecked())
        SelectComboText(list, "no");
}

} // namespace

TQVESK_06b::TQVESK_06b() : ui_(new Ui::TQVESK_06b) {
    ui_->setupUi(this);
    PrepareQuestionScreen(this);
    for (QLabel* repeated : {ui_->LabelStart, ui_->LabelSeparated, ui_->LabelBlended}) {
        QPalette palette = repeated->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Window));
        repeated->setPalette(palette);
    }
    for (QComboBox* list : {ui_->hadSpouseAtStartComboBox, ui_->widowedOrSeparatedComboBox,
                            ui_->blendedFamilyComboBox}) {
        list->addItems({"No", "Yes"});
        list->setCurrentIndex(-1);
    }
}

TQVESK_06b::~TQVESK_06b() = default;

void TQVESK_06b::FormShow() {
    ShowAnswers();
    for (QComboBox* list : {ui_->hadSpouseAtStartComboBox, ui_->widowedOrSeparatedComboBox,
                            ui_->blendedFamilyComboBox})
        connect(list, &QComboBox::currentIndexChanged, this, &TQVESK_06b::AnswerChanged,
                Qt::UniqueConnection);
    connect(ui_->hadSpouseAtStartComboBox, &QComboBox::currentIndexChanged, this, [this] {
        const bool no = ComboSelectionIs(ui_->hadSpouseAtStartComboBox, "No");
        no ? SetFieldChecked(TagNoSpouseAtStart) : SetFieldUnchecked(TagNoSpouseAtStart);
        no ? SetFieldUnchecked(TagSpouseAtStart) : SetFieldChecked(TagSpouseAtStart);
    });
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) { LeaveCheck(); };
}

void TQVESK_06b::ShowAnswers() {
    if (FieldChecked(TagNoSpouseAtStart))
        SelectComboText(ui_->hadSpouseAtStartComboBox, "No");
    else if (FieldChecked(TagSpouseAtStart))
        SelectComboText(ui_->hadSpouseAtStartComboBox, "Yes");
    SelectFromPair(ui_->widowedOrSeparatedComboBox, ui_->CheckBoxSeparated,
                   ui_->CheckBoxSeparatedNo);
    SelectFromPair(ui_->blendedFamilyComboBox, ui_->CheckBoxBlended, ui_->CheckBoxBlendedNo);
}

void TQVESK_06b::AnswerChanged() {
    CopyAnswer(ui_->widowedOrSeparatedComboBox, ui_->CheckBoxSeparated, ui_->CheckBoxSeparatedNo);
    CopyAnswer(ui_->blendedFamilyComboBox, ui_->CheckBoxBlended, ui_->CheckBoxBlendedNo);
}

void TQVESK_06b::ChildFormYesNoClick(QObject*) {
    if (FrameWnd()->GoingBack()) return;
    const bool answered = ui_->hadSpouseAtStartComboBox->currentIndex() >= 0 &&
                          ui_->widowedOrSeparatedComboBox->currentIndex() >= 0 &&
                          ui_->blendedFamilyComboBox->currentIndex() >= 0;
    // A spouse the whole year, with neither a separation nor a blended family, needs no table.
    // Unanswered questions clear nothing: the leave check keeps the screen.
    if (answered && !ui_->CheckBoxBlended->isChecked() && !ui_->CheckBoxSeparated->isChecked() &&
        !ComboSelectionIs(ui_->hadSpouseAtStartComboBox, "no")) {
        ClearField(TagMaritalStatus);
        SetNextScreen(SpouseNavigationScreen);
    } else {
        SetNextScreen(MaritalStatusScreen);
    }
}

void TQVESK_06b::LeaveCheck() {
    if (FrameWnd()->GoingBack()) return;
    StoreBoundControls(this);
    const QString message = "You must answer all questions before continuing to the next screen.";
    for (const QComboBox* list : {ui_->hadSpouseAtStartComboBox, ui_->widowedOrSeparatedComboBox,
                                  ui_->blendedFamilyComboBox})
        RequireSelection(list, message, true);
}
