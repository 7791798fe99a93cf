#include "QNVESK_40.h"
#include "ui_QNVESK_40.h"

#include "CalcTags.h"
#include "Dates.h"
#include "DependantRules.h"
#include "FieldStore.h"
#include "Frame.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

#include "TextLbl.h"
#include <QPushButton>

VESK_REGISTER_SCREEN(TQVESK_40)

namespace {

// The departure asked about; kept while the module is loaded.
std::string openDeparture;

std::string FirstOpenDeparture() {
    const TStringList* trips = GetFieldLst(TagDependantTrips);
    if (!trips) return {};
    for (size_t i = 0; i + 1 < trips->size(); i += PeriodWidth)
        if (!(*trips)[i].empty() && (*trips)[i + 1].empty()) return (*trips)[i];
    return {};
}

} // namespace

TQVESK_40::TQVESK_40() : ui(new Ui::TQVESK_40) {
    ui->setupUi(this);
    PrepareQuestionScreen(this);
    OpenCurrentDependant();
    SubstituteDependantName(ui->TextLbl1);
    openDeparture = FirstOpenDeparture();
    QStringList lines = ui->TextLbl1->text();
    for (QString& line : lines)
        if (line.contains("00/00/0000")) {
            line.replace(line.indexOf("00/00/0000"), 10, ScreenText(openDeparture));
            break;
        }
    ui->TextLbl1->setText(lines);
}

TQVESK_40::~TQVESK_40() = default;

void TQVESK_40::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [this](QObject* sender) { AnswerClick(sender); };
}

void TQVESK_40::AnswerClick(QObject* sender) {
    if (FrameWnd()->GoingBack()) return;
    const bool permanent = AnsweredYes(sender);
    ui->CheckBoxPermanentDeparture->setChecked(permanent);
    SetNextScreen(NextScreenAfterAnswer(permanent));
    PostShowScreen();
}

int TQVESK_40::NextScreenAfterAnswer(bool permanent) {
    const auto departure = ParseDate(openDeparture);
    if (!permanent || !departure || *departure >= YearStart) return ScreenAfterDetails();
    if (WarningYesNo("You have entered a permanent departure date before the start of the income "
                     "year, consequently this child will not be regarded as a dependant for Vesk "
                     "purposes this income year.\r\rIf this permanent departure date is correct "
                     "click \"Yes\", otherwise select \"No\" and correct your departure date.",
                     "Ineligible for Vesk"))
        return AnotherChildScreen;
    return OverseasScreen;
}
