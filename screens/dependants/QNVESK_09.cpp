#include "QNVESK_09.h"
#include "ui_QNVESK_09.h"

#include "CalcTags.h"
#include "Cp1252.h"
#include "Dates.h"
#include "DependantRules.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

#include <QCheckBox>

VESK_REGISTER_SCREEN(TQVESK_09)

namespace {

const char* const RolloverPrefix = "Vesk Dependant details - ";
constexpr int DetailsItem = 27;
constexpr int TagDetailsShown = 1283; // the navigator offers the details topic once set

bool BlankDate(const QString& text) {
    return text.trimmed().remove('/').trimmed().isEmpty();
}

} // namespace

TQVESK_09::TQVESK_09() : ui(new Ui::TQVESK_09) {
    ui->setupUi(this);
    PrepareQuestionScreen(this);
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::clicked, this, [box] { FrameWnd()->ExclusiveCheckBox(box); });
    connect(ui->TaxEdit1, &QLineEdit::textChanged, this, [this] { RebuildDisplayName(); });

    int current = CurrentDependant();
    if (current == -1 && WorksheetInstanceCount(DependantGroup) > 0) current = 0;
    if (current == -2) current = -1;
    SetCurrentDependant(current);
    if (current == -1)
        FrameWnd()->OpenNewWorksheet(DependantGroup);
    else
        FrameWnd()->OpenWorksheet(DependantGroup, current + 1);
}

TQVESK_09::~TQVESK_09() = default;

void TQVESK_09::FormShow() {
    SetFieldChecked(TagDetailsShown);
    // The notice goes once the record has been looked at and left.
    const std::string name = DependantDisplayName();
    rolledOverName_ = RolloverNoticeExists(RolloverPrefix + name) ? name : std::string();
    ui->TextLblRollover->setVisible(!rolledOverName_.empty());
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    HandlerSlots().LeaveCheck = [this](QObject* sender, TCloseAction& action) {
        CheckVal(sender, action);
    };
}

void TQVESK_09::mousePressEvent(QMouseEvent* event) {
    RebuildDisplayName();
    TChildForm::mousePressEvent(event);
}

void TQVESK_09::RebuildDisplayName() {
    const QString family = ui->TaxEdit1->text().trimmed();
    const QString birth = ui->TaxEditDOB->text();
    if (family.isEmpty() || BlankDate(birth))
        ui->ID->clear();
    else
        ui->ID->setText(ui->TaxEdit2->text() + " " + ui->TaxEdit5->text() + " " +
                        ui->TaxEdit1->text() + " (" + birth + ")");
}

void TQVESK_09::ChildFormYesNoClick(QObject*) {
    if (!RunState().ScreenValid || ui->TaxEdit1->text().trimmed().isEmpty() ||
        BlankDate(ui->TaxEditDOB->text()) || !ScreenHasData(this)) {
        SetNextScreen(AnotherChildScreen);
        return;
    }
    RebuildDisplayName();
    SetCurrentDependant(FrameWnd()->CurrentWorksheetInstance() - 1);
    FrameWnd()->SaveScreenInstance();
    const int next = ScreenAfterDetails();
    SetNextScreen(next);
    if (next == NotQualifiedScreen) return;
    if (ui->chbOSYes->isChecked() && ui->chbOSThisYearYes->isChecked()) {
        SetNextScreen(OverseasScreen);
        return;
    }
    if (!OverseasPeriodsKept()) SetNextScreen(DetailsScreen);
}

// The periods only count with both travel answers Yes; anything else deletes them once the
// user agrees.
bool TQVESK_09::OverseasPeriodsKept() {
    if (FieldEmpty(TagDependantTrips)) return true;
    if (!WarningYesNo(
            "As you have not answered \"Yes\" to both the questions relating to overseas travel, "
            "any time you spent overseas by this dependant will not affect your Vesk claim. The "
            "information you have allreay entered in the overseas travel table (on the next "
            "screen) will be deleted. \r\rIf you wish to continue with this deletion select "
            "\"Yes\". Select \"No\" and set the answer to both overseas questions to \"Yes\" "
            "before proceeding if you wish to save the information you have already entered in "
            "the overseas periods table.",
            "Data deletion pending"))
        return false;
    SetFieldLst(TagDependantTrips, {});
    FrameWnd()->SaveScreenInstance();
    return true;
}

void TQVESK_09::CheckVal(QObject*, TCloseAction&) {
    SetPrevBlockedItem(DetailsItem);
    RebuildDisplayName();
    if (ScreenHasData(this)) {
        if (!RequiredAnswersGiven()) RunState().ScreenValid = false;
        CheckBirthDate();
        CheckSpouseBirthDate();
    }
    if (!RunState().ScreenValid) return;
    if (!rolledOverName_.empty()) RemoveRolloverNotice(RolloverPrefix + rolledOverName_);
    SetCurrentDependant(FrameWnd()->CurrentWorksheetInstance() - 1);
    HideWorksheetPickList();
}

bool TQVESK_09::RequiredAnswersGiven() {
    auto missing = [](TTaxEdit* edit, const QString& text, bool date = false) {
        const bool blank = date ? BlankDate(edit->text()) : edit->text().trimmed().isEmpty();
        if (!blank) return false;
        ShowError(text);
        edit->setFocus();
        return true;
    };
    auto unanswered = [](const QCheckBox* yes, const QCheckBox* no, const QString& text) {
        if (yes->isChecked() || no->isChecked()) return false;
        ShowError(text);
        return true;
    };
    const QString travel = "Please answer both questions pertaining to travel overseas.";
    return !(
        missing(ui->TaxEdit1, "Please enter this dependant's \"Family Name\".") ||
        missing(ui->TaxEdit2, "Please enter this dependant's \"Given Name\".") ||
        unanswered(ui->chbSexMale, ui->chbSexFemale, "Please enter this dependant's \"Sex\".") ||
        missing(ui->TaxEditDOB, "Please enter this dependant's \"Date of Birth\"", true) ||
        unanswered(ui->chbEducYes, ui->chbEducNo,
                   "Please enter whether this dependant was in full time education for the "
                   "whole year.") ||
        unanswered(ui->chbOSYes, ui->chbOSNo, travel) ||
        unanswered(ui->chbOSThisYearYes, ui->chbOSThisYearNo, travel));
}

void TQVESK_09::CheckBirthDate() {
    const auto birth = ParseDate(Utf8ToCp1252(ui->TaxEditDOB->text().toStdString()));
    if (!birth || *birth <= YearEnd) return;
    ShowError("Check dependant's date of birth. Date of birth cannot be later than the end of the "
              "year.");
    RunState().ScreenValid = false;
}

void TQVESK_09::CheckSpouseBirthDate() {
    const std::string birth = Utf8ToCp1252(ui->TaxEditDOB->text().toStdString());
    for (int spouse = 0; spouse < WorksheetInstanceCount(SpouseGroup); ++spouse) {
        const std::string name = SpouseName(spouse);
        const TVariant date = GetWorksheetField(SpouseGroup, spouse, TagDateOfBirth);
        const auto* text = std::get_if<std::string>(&date);
        if (name.empty() || !text || *text != birth) continue;
        if (!WarningYesNo("This dependant has the same date of birth as a spouse already "
                          "entered " +
                              ScreenText(name) + "." + "\r\n" +
                              "Are you sure this dependant's date of birth is correct?" +
                              "\r\n\r\n" +
                              "If there is an error spouse's record you should go "
                              "back to " +
                              "the spouse screen and fix this after entering all this "
                              "dependant's details.",
                          "Warning"))
            RunState().ScreenValid = false;
        return;
    }
}
