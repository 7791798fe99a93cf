#include "QNVESK_49.h"
#include "ui_QNVESK_49.h"

#include "Cp1252.h"
#include "Dates.h"
#include "DependantRules.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "TextLbl.h"

#include "CalcTags.h"

VESK_REGISTER_SCREEN(TQVESK_49)

namespace {

const char* const IneligibleUnlessChanged =
    "This dependant will be ineligible for Vesk unless this "
    "circumstance changes at some time during the income "
    "year.";
constexpr int AdultAge = 16;

void SelectCode(QComboBox* combo, const QString& code) {
    combo->setCurrentIndex(code == "2" ? 1 : code == "1" ? 0 : -1);
}

} // namespace

TQVESK_49::TQVESK_49() : ui(new Ui::TQVESK_49) {
    ui->setupUi(this);
    PrepareQuestionScreen(this);
    TabToTextLabels = false;
    AnswerYearScreenTags(this);
    if (CurrentDependant() >= 0) OpenCurrentDependant();

    MirrorCombo(ui->aussieComboBox, ui->TaxEditAussie);
    MirrorCombo(ui->ssComboBox, ui->TaxEditSS);
    MirrorCombo(ui->peComboBox, ui->TaxEditPE);
    MirrorCombo(ui->awolComboBox, ui->TaxEditAWOL);
    MirrorCombo(ui->ftEdComboBox, ui->TaxEditFtEd);
    connect(ui->awolComboBox, &QComboBox::currentIndexChanged, this,
            [this] { EnableAbsenceDate(); });
    connect(ui->ssComboBox, &QComboBox::activated, this, [](int index) {
        if (index == 1) ShowInformation(IneligibleUnlessChanged);
    });
    connect(ui->aussieComboBox, &QComboBox::activated, this, [](int index) {
        if (index == 0) ShowInformation(IneligibleUnlessChanged);
    });
    connect(ui->peComboBox, &QComboBox::activated, this, [this] { peComboBoxCloseUp(); });
    connect(ui->RBFullCareYes, &QRadioButton::clicked, this,
            [this] { ui->TaxEditAgreedPer->setText("100"); });
    connect(ui->RBFullCareNo, &QRadioButton::clicked, this, [this] { RBFullCareNoMouseDown(); });
    connect(ui->sharedCareRadioButton, &QRadioButton::clicked, this,
            [this] { sharedCareRadioButtonMouseDown(); });
    connect(ui->TaxEditAgreedPer, &QLineEdit::textChanged, this,
            [this] { TaxEditAgreedPerChange(); });
    connect(ui->calculateSharedCarePercentButton, &QPushButton::clicked, this,
            [this] { calculateSharedCarePercentButtonClick(); });
}

TQVESK_49::~TQVESK_49() = default;

void TQVESK_49::MirrorCombo(QComboBox* combo, TTaxEdit* edit) {
    connect(combo, &QComboBox::currentIndexChanged, this, [combo, edit] {
        edit->setText(combo->currentIndex() < 0 ? QString()
                                                : QString::number(combo->currentIndex() + 1));
    });
}

void TQVESK_49::FormShow() {
    if (CurrentDependant() < 0) {
        SetNextScreen(DetailsScreen);
        PostShowScreen();
        return;
    }
    ShowFullTimeEducation();
    ShowStartDay();
    SelectCode(ui->aussieComboBox, ui->TaxEditAussie->text());
    SelectCode(ui->ssComboBox, ui->TaxEditSS->text());
    SelectCode(ui->peComboBox, ui->TaxEditPE->text());
    SelectCode(ui->awolComboBox, ui->TaxEditAWOL->text());
    if (!FieldChecked(TagWholeYearEducation)) SelectCode(ui->ftEdComboBox, ui->TaxEditFtEd->text());
    ShowCare();
    RegisterHandlers();
    SubstituteDependantName(ui->initialCircumstanceTextLbl);
    if (ui->awolComboBox->currentIndex() < 0) ui->awolComboBox->setCurrentIndex(0);
    EnableAbsenceDate();
}

void TQVESK_49::RegisterHandlers() {
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    HandlerSlots().LeaveCheck = [this](QObject* sender, TCloseAction& action) {
        CheckVal(sender, action);
    };
}

void TQVESK_49::ShowFullTimeEducation() {
    const bool wholeYear = FieldChecked(TagWholeYearEducation);
    if (wholeYear) ui->ftEdComboBox->setCurrentIndex(1);
    ui->PanelFullTimeEd->setVisible(!wholeYear);
    ui->LabelFullTimeEd->setVisible(wholeYear);
}

void TQVESK_49::ShowStartDay() {
    const bool bornInYear = DependantDayZero() > YearStart;
    ui->TextLblMessage->setCurrentSection(bornInYear ? 1 : 0);
    const QString atStart = bornInYear ? DayText(DependantDayZero()) : "01/07/2003";
    QStringList heading = ui->initialCircumstanceTextLbl->text();
    for (QString& line : heading)
        line.replace("AtStart", atStart);
    ui->initialCircumstanceTextLbl->setText(heading);
}

void TQVESK_49::ShowCare() {
    const QString share = ui->TaxEditAgreedPer->text().trimmed();
    if (share.isEmpty()) return;
    TaxEditAgreedPerChange();
}

void TQVESK_49::EnableAbsenceDate() {
    const bool absent = ui->TaxEditAWOL->text() == "2";
    ui->tedAWOLDate->setEnabled(absent);
    if (!absent) ui->tedAWOLDate->clear();
}

void TQVESK_49::peComboBoxCloseUp() {
    if (ui->peComboBox->currentIndex() != 1) return;
    const auto birth = DependantBirthDay();
    if (!birth) return;
    if (AgeOn(*birth, YearStart) >= AdultAge)
        ShowInformation(IneligibleUnlessChanged);
    else if (AgeOn(*birth, YearEnd) >= AdultAge)
        ShowInformation("After this dependant's sixteenth birthday, this dependant will be "
                        "ineligible for Vesk unless this circumstance changes at some time during "
                        "the income year.");
}

void TQVESK_49::RBFullCareNoMouseDown() {
    ui->TaxEditAgreedPer->setText("0");
    ShowInformation(IneligibleUnlessChanged);
}

void TQVESK_49::sharedCareRadioButtonMouseDown() {
    const QString share = ui->TaxEditAgreedPer->text().trimmed();
    if (share != "0" && share != "100") return;
    ui->TaxEditAgreedPer->clear();
    ui->sharedCareRadioButton->setChecked(true);
    ShowInformation("You have indicated that this dependant is in shared care.\r\nPlease enter "
                    "your shared care % (between 1 and 99) for this dependant in the \"shared "
                    "care %\" field.\r\nYou can also use the calculator provided by clicking the "
                    "\"Calculate Shared Care\" button.");
    ui->TaxEditAgreedPer->setFocus();
}

void TQVESK_49::TaxEditAgreedPerChange() {
    const QString share = ui->TaxEditAgreedPer->text().trimmed();
    QRadioButton* button = share == "100" ? ui->RBFullCareYes
                           : share == "0" ? ui->RBFullCareNo
                                          : ui->sharedCareRadioButton;
    button->setChecked(true);
}

void TQVESK_49::calculateSharedCarePercentButtonClick() {
    FrameWnd()->SaveScreenInstance();
    // The calculator returns here: nothing on this screen is checked on the way.
    HandlerSlots().LeaveCheck = nullptr;
    SetNextScreen(SharedCareScreen);
    PostShowScreen();
}

void TQVESK_49::ChildFormYesNoClick(QObject*) {
    if (!FrameWnd()->GoingBack()) SetNextScreen(ChangesScreen);
}

void TQVESK_49::CheckVal(QObject*, TCloseAction&) {
    if (FrameWnd()->GoingBack() || !RunState().ScreenValid) return;
    bool passed = true;
    if (!AllSelected()) {
        ShowError("Please make a selection for all Yes / No answers before moving on.");
        passed = false;
    } else if (ui->TaxEditAgreedPer->text().trimmed().isEmpty()) {
        ShowError("Please enter a \"Shared care %\" before moving on.");
        ui->TaxEditAgreedPer->setFocus();
        passed = false;
    } else {
        passed = AbsenceDateAccepted();
    }
    if (passed) return;
    RunState().ScreenValid = false;
    RegisterHandlers();
}

bool TQVESK_49::AllSelected() {
    for (const QComboBox* combo :
         {ui->awolComboBox, ui->aussieComboBox, ui->ssComboBox, ui->ftEdComboBox, ui->peComboBox})
        if (combo->currentIndex() < 0) return false;
    return true;
}

bool TQVESK_49::AbsenceDateAccepted() {
    if (ui->TaxEditAWOL->text() != "2") return true;
    auto refuse = [this](const QString& text) {
        if (!text.isEmpty()) ShowError(text);
        ui->tedAWOLDate->setFocus();
        return false;
    };
    const auto absent = ParseDate(Utf8ToCp1252(ui->tedAWOLDate->text().toStdString()));
    if (!absent)
        return refuse("As this dependant has been recorded with an initial circumstance \"Absent "
                      "without consent\" you must enter the date they went absent. If this "
                      "dependant was not initially absent without consent you should select "
                      "\"No\" for this option.");
    const auto birth = DependantBirthDay();
    if (birth && *absent < *birth)
        return refuse("The date a dependant went absent without consent must be on or after the "
                      "child's date of birth (" +
                      DayText(*birth) + ").");
    if (birth && *absent == *birth)
        return WarningYesNo("You have entered the date the dependant went absent as being the "
                            "same as the dependant's date of birth.\r\nAre you sure this is "
                            "correct?",
                            "Warning")
                   ? true
                   : refuse({});
    if (*absent > YearStart)
        return refuse("The date a dependant went absent without consent must be on or before the "
                      "start of the income year (1/7/" +
                      QString::number(RunState().IncomeYear - 1) + ") " +
                      "or, if the child was born after the start of the income year, the child's " +
                      "date of birth.");
    return true;
}
