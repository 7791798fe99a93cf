#include "QNVESK_11.h"
#include "ui_QNVESK_11.h"

#include "ATICalcs.h"
#include "DependantRules.h"
#include "Frame.h"
#include "Lookups.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "TextLbl.h"

#include <cmath>

VESK_REGISTER_SCREEN(TQVESK_11)

namespace {

// A typed 0 is kept as a tiny amount so that it differs from a blank; it adds nothing.
double Amount(TTaxEdit* edit) {
    const double value = edit->numValue();
    return std::abs(value) < 0.005 ? 0 : value;
}

} // namespace

TQVESK_11::TQVESK_11() : ui(new Ui::TQVESK_11) {
    ui->setupUi(this);
    PrepareQuestionScreen(this);
    OpenCurrentDependant();
    SubstituteDependantName(ui->TextLbl1);
}

TQVESK_11::~TQVESK_11() = default;

void TQVESK_11::FormShow() {
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) {
        if (!FrameWnd()->GoingBack() && RunState().ScreenValid && !Complete())
            RunState().ScreenValid = false;
    };
}

bool TQVESK_11::Complete() {
    for (TTaxEdit* edit :
         {ui->TaxEdit4, ui->TaxEdit6, ui->TaxEdit1, ui->TaxEdit2, ui->TaxEdit3, ui->TaxEdit5}) {
        if (!edit->text().trimmed().isEmpty()) continue;
        edit->setFocus();
        ShowError("Please fill in all the fields on this screen. Where there is no income or "
                  "expenditure enter \"0\"");
        return false;
    }
    return true;
}

double TQVESK_11::AdjustedTaxableIncome() {
    return Amount(ui->TaxEdit1) + Amount(ui->TaxEdit2) + Amount(ui->TaxEdit3) +
           Amount(ui->TaxEdit4) - Amount(ui->TaxEdit5) + Amount(ui->TaxEdit6);
}

void TQVESK_11::ChildFormYesNoClick(QObject*) {
    if (FrameWnd()->GoingBack() || !Complete()) return;
    const auto birth = DependantBirthDay();
    const bool adult = birth && AgeOn(*birth, YearStart) >= AdultDependantAge;
    if (adult && AdjustedTaxableIncome() > DependantIncomeLimit) {
        SetNotQualifiedReason(ReasonIncome);
        SetNextScreen(NotQualifiedScreen);
    } else {
        SetNextScreen(InitialCircumstancesScreen);
    }
}
