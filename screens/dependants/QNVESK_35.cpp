#include "QNVESK_35.h"
#include "ui_QNVESK_35.h"

#include "DependantRules.h"
#include "Frame.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

#include <QEvent>

#include <cmath>

VESK_REGISTER_SCREEN(TQVESK_35)

namespace {
const char* const NoResult = "??";
constexpr double ExplicitZero = 0.0011;
constexpr int MostNights = 366;
} // namespace

TQVESK_35::TQVESK_35() : ui(new Ui::TQVESK_35) {
    ui->setupUi(this);
    ShowNextButton = ShowPrevButton = true;
    OpenCurrentDependant();
    ui->TaxEditInCare->installEventFilter(this);
    connect(ui->TaxEditWholeTime, &QLineEdit::textChanged, this, [this] { ClearResult(); });
    connect(ui->ButtonCalc, &QPushButton::clicked, this, [this] { ButtonCalcClick(); });
}

TQVESK_35::~TQVESK_35() = default;

void TQVESK_35::FormShow() {
    HandlerSlots().LeaveCheck = [this](QObject* sender, TCloseAction& action) {
        CheckValid(sender, action);
    };
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
}

bool TQVESK_35::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->TaxEditInCare && event->type() == QEvent::FocusIn) ClearResult();
    return TChildForm::eventFilter(watched, event);
}

void TQVESK_35::ClearResult() {
    ui->LabelResult->setText(NoResult);
}

void TQVESK_35::ButtonCalcClick() {
    const double inCare = ui->TaxEditInCare->numValue();
    const double period = ui->TaxEditWholeTime->numValue();
    const QString most = QString::number(MostNights);
    auto refuse = [](TTaxEdit* edit, const QString& text) {
        ShowError(text);
        edit->setFocus();
    };
    if (inCare <= ExplicitZero || period <= ExplicitZero)
        ShowError("You must fill in both fields prior to calculating.");
    else if (inCare > MostNights)
        refuse(ui->TaxEditInCare, "Number of nights in an assessment period cannot exceed " + most);
    else if (period > MostNights)
        refuse(ui->TaxEditWholeTime,
               "The maximum number of nights in an assessment period is " + most);
    else if (inCare > period)
        refuse(ui->TaxEditInCare,
               "The number of nights you cared for this dependant must be less "
               "than or equal to the number of nights in the assessment period.");
    else // halves to even, as the default rounding mode does
        ui->LabelResult->setText(QString::number(std::lrint(inCare * 100 / period)));
}

void TQVESK_35::ChildFormYesNoClick(QObject*) {
    const QString result = ui->LabelResult->text();
    if (result != NoResult &&
        QuestionYesNo("You have calculated a shared care percentage of " + result +
                      ". Do you wish to make this value the initial shared care percentage for " +
                      ScreenText(DependantDisplayName()) + "?")) {
        ui->TaxEditAgreedPer->setText(result);
        FrameWnd()->SaveScreenInstance();
    }
    SetNextScreen(InitialCircumstancesScreen);
}

void TQVESK_35::CheckValid(QObject*, TCloseAction&) {
    ui->TaxEditInCare->clear();
    ui->TaxEditWholeTime->clear();
}
