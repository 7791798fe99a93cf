#include "QNVESK_06.h"
#include "ui_QNVESK_06.h"

#include "ClaimantScreens.h"
#include "Cp1252.h"
#include "Dates.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "RecordDeletion.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

#include <QKeyEvent>

VESK_REGISTER_SCREEN(TQVESK_06)

namespace {

std::string ToStore(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

} // namespace

TQVESK_06::TQVESK_06() : ui_(new Ui::TQVESK_06) {
    ui_->setupUi(this);
    PrepareQuestionScreen(this);
    for (QLineEdit* edit :
         {ui_->TaxEditFamily, ui_->TaxEditGiven1, ui_->TaxEditGiven2, ui_->TaxeditTFN})
        connect(edit, &QLineEdit::textChanged, this, &TQVESK_06::RebuildDisplayName);
    // Claiming the exemption clears the number; a stored return that holds both keeps both until
    // the leave check asks the user to choose.
    connect(ui_->CheckBoxTFNExemption, &QCheckBox::clicked, ui_->TaxeditTFN, [this](bool exempt) {
        if (exempt) ui_->TaxeditTFN->clear();
    });
    connect(ui_->CheckBoxTFNExemption, &QCheckBox::toggled, this, [this] {
        TaxFileNumberOrExemption();
        RebuildDisplayName();
    });
    for (QCheckBox* box : {ui_->chbSexMale, ui_->chbSexFemale})
        connect(box, &QCheckBox::toggled, this, [box] { FrameWnd()->ExclusiveCheckBox(box); });
    ui_->TaxEdit5->installEventFilter(this);
    if (RunState().VisionImpairedMode) EnableVisionScrolling();
}

TQVESK_06::~TQVESK_06() = default;

void TQVESK_06::FormShow() {
    // Opening the instance fills the controls and shows the screen again.
    if (!instanceOpened_) {
        instanceOpened_ = true;
        OpenSpouseInstance();
        return;
    }
    TaxFileNumberOrExemption();
    ui_->TextLblRollover->setVisible(
        RemoveRolloverNotice(SpouseRolloverPrefix + GetFieldStr(TagLabel)));
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) { LeaveCheck(); };
}

void TQVESK_06::OpenSpouseInstance() {
    const int count = WorksheetInstanceCount(SpouseGroup);
    int current = CurrentSpouse();
    if (current == NewSpouseRequested || current >= count)
        current = NoSpouseChosen;
    else if (current == NoSpouseChosen && count > 0)
        current = 0;
    SetCurrentSpouse(current);
    if (current == NoSpouseChosen)
        FrameWnd()->OpenNewWorksheet(SpouseGroup);
    else
        FrameWnd()->OpenWorksheet(SpouseGroup, current + 1);
}

void TQVESK_06::ChildFormYesNoClick(QObject*) {
    // The leave check keeps the screen while it holds data that names no one.
    SetNextScreen(AnotherSpouseScreen);
}

void TQVESK_06::LeaveCheck() {
    const int instance = FrameWnd()->CurrentWorksheetInstance();
    SetCurrentSpouse(instance - 1);
    const TSpouseEntry entry = Entry();
    if (const auto problem = SpouseDetailsProblem(entry, YearStart, YearEnd)) {
        ShowProblem(*problem);
        return;
    }
    const bool identified = !entry.taxFileNumber.trimmed().isEmpty() || entry.exempt;
    if (!identified && ScreenHasData(this)) {
        ShowProblem({"You must specify your spouse's tax file number or check TFN exemption.",
                     TSpouseField::sfNone});
        return;
    }
    // Only an accepted entry renames: the tables must never name a spouse that was not stored.
    const bool named = !(entry.given + entry.other + entry.family).isEmpty() ||
                       !entry.taxFileNumber.trimmed().isEmpty();
    const std::string stored = SpouseName(instance - 1);
    const std::string shown = ToStore(ui_->TaxEditCalcedName->text());
    if (named && !stored.empty() && stored != shown) RenameSpouseReferences(stored, shown);
}

void TQVESK_06::ShowProblem(const TSpouseProblem& problem) {
    RunState().ScreenValid = false;
    ShowError(problem.message);
    QWidget* focus = nullptr;
    switch (problem.focus) {
    case TSpouseField::sfNone:
        break;
    case TSpouseField::sfExemption:
        focus = ui_->CheckBoxTFNExemption;
        break;
    case TSpouseField::sfFamily:
        focus = ui_->TaxEditFamily;
        break;
    case TSpouseField::sfBirth:
        focus = ui_->TaxEdit3;
        break;
    case TSpouseField::sfDeath:
        focus = ui_->TaxEdit6;
        break;
    case TSpouseField::sfIncome:
        focus = std::array<QWidget*, 6>{
            ui_->TaxEdit7,  ui_->TaxEdit8,  ui_->TaxEdit9,
            ui_->TaxEdit10, ui_->TaxEdit11, ui_->TaxEdit12}[problem.incomeIndex];
        break;
    }
    if (focus) {
        ui_->ScrollBox->ensureWidgetVisible(focus);
        focus->setFocus();
    }
}

void TQVESK_06::TaxFileNumberOrExemption() {
    ui_->TaxeditTFN->setEnabled(!ui_->CheckBoxTFNExemption->isChecked());
}

void TQVESK_06::RebuildDisplayName() {
    ui_->TaxEditCalcedName->setText(
        SpouseDisplayName(ui_->TaxEditGiven1->text(), ui_->TaxEditGiven2->text(),
                          ui_->TaxEditFamily->text(), ui_->TaxeditTFN->text(),
                          ui_->CheckBoxTFNExemption->isChecked(), ui_->TaxEditCalcedName->text()));
}

TSpouseEntry TQVESK_06::Entry() const {
    TSpouseEntry entry;
    entry.family = ui_->TaxEditFamily->text();
    entry.given = ui_->TaxEditGiven1->text();
    entry.other = ui_->TaxEditGiven2->text();
    entry.birth = ui_->TaxEdit3->text();
    entry.death = ui_->TaxEdit6->text();
    entry.incomes = {ui_->TaxEdit7->text(),  ui_->TaxEdit8->text(),  ui_->TaxEdit9->text(),
                     ui_->TaxEdit10->text(), ui_->TaxEdit11->text(), ui_->TaxEdit12->text()};
    entry.taxFileNumber = ui_->TaxeditTFN->text();
    entry.ownTaxFileNumber = QString::fromStdString(Cp1252ToUtf8(GetFieldStr(TagKeySource)));
    entry.exempt = ui_->CheckBoxTFNExemption->isChecked();
    entry.male = ui_->chbSexMale->isChecked();
    entry.female = ui_->chbSexFemale->isChecked();
    return entry;
}

bool TQVESK_06::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->TaxEdit5 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return StateKeyPressed(ui_->TaxEdit5, key->key(), key->text());
    }
    if (event->type() == QEvent::FocusIn &&
        (watched == ui_->TextLblAddress || watched == ui_->TextLblIncome))
        ui_->ScrollBox->ensureWidgetVisible(static_cast<QWidget*>(watched), 0,
                                            ui_->ScrollBox->viewport()->height() / 2);
    return TChildForm::eventFilter(watched, event);
}

// Each typed key gives a whole state; navigation keys still move the caret and the focus.
bool TQVESK_06::StateKeyPressed(QLineEdit* edit, int key, const QString& text) {
    if (key == Qt::Key_Delete) return true; // would leave part of a state
    const bool typed = key == Qt::Key_Backspace || (!text.isEmpty() && text.at(0).isPrint());
    if (!typed) return false;
    const QChar ch = key == Qt::Key_Backspace ? QChar('\b') : text.at(0);
    const TStateEntry entry{
        edit->text(), edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition(),
        int(edit->selectedText().size())};
    if (const auto next = StateAfterKey(entry, ch)) {
        edit->setText(next->text);
        // The caret stays at the selection's start, so that a Right arrow puts it after the "N".
        if (next->selectionLength > 0)
            edit->setSelection(next->selectionStart + next->selectionLength,
                               -next->selectionLength);
        else
            edit->setCursorPosition(next->selectionStart);
    }
    return true;
}

// For readers who move by Tab: the labels join the tab order (the frame does that) and the two
// block headings bring their block into view.
void TQVESK_06::EnableVisionScrolling() {
    for (QWidget* heading :
         {static_cast<QWidget*>(ui_->TextLblAddress), static_cast<QWidget*>(ui_->TextLblIncome)}) {
        heading->setFocusPolicy(Qt::StrongFocus);
        heading->installEventFilter(this);
    }
}
