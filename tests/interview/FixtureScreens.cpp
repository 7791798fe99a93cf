#include "FixtureScreens.h"

#include "FieldStore.h"
#include "Frame.h"
#include "Prompter.h"
#include "RunState.h"
#include "ScreenRegistry.h"
#include "TaxEdit.h"
#include "TextLbl.h"
#include "XGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

const char* const FixtureAmountMessage = "Please enter the amount you received.";
int TFixtureQuestion::created = 0;

namespace {

template <class T>
T* Place(QWidget* screen, const char* name, int tag, QRect geometry) {
    auto* control = new T(screen);
    control->setObjectName(name);
    control->setProperty("Tag", tag);
    control->setGeometry(geometry);
    return control;
}

void AddText(QWidget* screen, const char* name, const QString& text) {
    auto* label = Place<TTextLbl>(screen, name, 0, {16, 16, 580, 60});
    label->setText({text});
}

TTaxEdit* AddEdit(QWidget* screen, const char* name, int tag, int top,
                  TTaxEdit::TNumericType type = TTaxEdit::ntNone) {
    auto* edit = Place<TTaxEdit>(screen, name, tag, {200, top, 160, 24});
    edit->setNumericType(type);
    return edit;
}

void SetTarget(int section, int item) {
    RunState().CurrentSection = section;
    RunState().CurrentItem = item;
}

void PostShowScreen() {
    QCoreApplication::postEvent(FrameWnd(), new QEvent(QEvent::Type(WM_SHOW_SCREEN)));
}

} // namespace

TFixtureIntro::TFixtureIntro() {
    setCaption("Fixture introduction");
    AddText(this, "TextLblIntro", "<B>Please complete</B> the fixture interview.");
    AddEdit(this, "TaxEdit1", TagFixtureText, 90);
    auto* combo = Place<QComboBox>(this, "aussieComboBox", TagFixtureCombo, {200, 130, 160, 24});
    combo->addItems({"Yes", "No"});
    Place<QCheckBox>(this, "chbSexMale", TagFixtureCheck, {200, 170, 160, 24})->setText("Male");
    Place<QLabel>(this, "lblAmount", TagFixtureLabel, {200, 210, 160, 24});
    auto* grid = Place<TXGrid>(this, "XGrid1", TagFixtureGrid, {16, 250, 420, 130});
    grid->setDisplay({"Date|0|2|10|0|F|F", "Status|0|0|20|0|F|T|||||5|1|2|Single|Married|F|F"});
    grid->setColCount(2);
}

TFixtureQuestion::TFixtureQuestion() {
    ++created;
    setCaption("Fixture question");
    AddText(this, "TextLblQuestion", "Do you want to go on?");
}

void TFixtureQuestion::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [](QObject* sender) {
        if (sender == FrameWnd()->YesButton())
            SetTarget(78, 5);
        else if (sender == FrameWnd()->NoButton())
            SetTarget(80, 1);
        PostShowScreen();
    };
}

TFixtureChecked::TFixtureChecked() {
    setCaption("Fixture amount");
    AddText(this, "TextLblAmount", "How much did you receive?");
    AddEdit(this, "TaxEdit7", TagFixtureAmount, 90, TTaxEdit::ntCurrency);
}

void TFixtureChecked::FormShow() {
    HandlerSlots().AnswerHandler = [](QObject*) { RunState().CurrentItem = 6; };
    auto* edit = findChild<TTaxEdit*>("TaxEdit7");
    HandlerSlots().LeaveCheck = [edit](QObject*, TCloseAction&) {
        if (FrameWnd()->GoingBack() || !RunState().ScreenValid) return;
        if (edit->text().trimmed().isEmpty()) {
            ShowMessageBox(FixtureAmountMessage, mkWarning, mbOK);
            RunState().ScreenValid = false;
        }
    };
}

TFixtureDependant::TFixtureDependant() {
    setCaption("Fixture dependant");
    AddText(this, "TextLblDependant", "Tell us about your child.");
    AddEdit(this, "edtName", TagLabel, 90);
    AddEdit(this, "edtBirth", 713, 130, TTaxEdit::ntDate);
}

void TFixtureDependant::FormShow() {
    if (RunState().CurrentWorksheetGroup == 0) FrameWnd()->OpenNewWorksheet(DependantGroup);
    HandlerSlots().AnswerHandler = [](QObject*) { SetTarget(66, 1); };
}

void RegisterFixtureScreens() {
    RegisterTestScreen(FixtureIntroId, [] { return new TFixtureIntro; });
    RegisterTestScreen(FixtureQuestionId, [] { return new TFixtureQuestion; });
    RegisterTestScreen(FixtureCheckedId, [] { return new TFixtureChecked; });
    RegisterTestScreen(FixtureDependantId, [] { return new TFixtureDependant; });
}
