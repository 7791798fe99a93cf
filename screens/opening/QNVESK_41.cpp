#include "QNVESK_41.h"
#include "ui_QNVESK_41.h"

#include "ATICalcs.h"
#include "CalcTags.h"
#include "Cp1252.h"
#include "Dates.h"
#include "FieldStore.h"
#include "Frame.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

namespace {

const char* const IneligibleWarning =
    "You have entered a permanent departure date before the start of the income year, "
    "consequently you are not eligible to claim Vesk for this income year.\r\rIf this permanent "
    "departure date is correct click \"Yes\" and Quellet will take you to the next topic. "
    "Otherwise select \"No\" and correct your departure date.";

// The departure of the first stored period that has no return, as typed.
std::string OpenDeparture() {
    const TStringList* trips = GetFieldLst(TagClaimantTrips);
    if (!trips) return {};
    for (std::size_t at = 0; at + 1 < trips->size(); at += PeriodWidth)
        if ((*trips)[at + 1].empty() && !(*trips)[at].empty()) return (*trips)[at];
    return {};
}

} // namespace

TQVESK_41::TQVESK_41(QWidget* parent)
    : TChildForm(parent), ui(std::make_unique<Ui::TQVESK_41>()), departure(OpenDeparture()) {
    ui->setupUi(this);
    AnswerYearScreenTags(this);
    QStringList lines = ui->TextLbl1->text();
    for (QString& line : lines) {
        const qsizetype at = line.indexOf("00/00/0000");
        if (at < 0) continue;
        line.replace(at, 10, QString::fromStdString(Cp1252ToUtf8(departure)));
        break;
    }
    ui->TextLbl1->setText(lines);
}

TQVESK_41::~TQVESK_41() = default;

void TQVESK_41::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
}

// Leaving for good before the income year rules the claim out: everything is deleted, once
// confirmed twice, and the module is left for the next topic.
void TQVESK_41::ChildFormYesNoClick(QObject* sender) {
    const bool permanent = AnsweredYes(sender);
    ui->CheckBoxPermanentDeparture->setChecked(permanent);
    const auto day = ParseDate(departure);
    SetNextScreen(7816);
    if (permanent && day && *day < YearStart) {
        if (!WarningYesNo(IneligibleWarning, "Ineligible for Vesk"))
            SetNextScreen(7814);
        else if (DeleteAllVeskData())
            SetNextScreen((RunState().CurrentSection + 1) * 100 + 1);
        else
            SetNextScreen(7815);
    }
    PostShowScreen();
}

VESK_REGISTER_SCREEN(TQVESK_41)
