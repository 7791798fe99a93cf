#include "QNVESK_28.h"
#include "ui_QNVESK_28.h"

#include "Cp1252.h"
#include "Dates.h"
#include "Frame.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int LongTripDays = 182; // 26 weeks

// One row of the table: the days of its dates and the texts as typed.
struct TTrip {
    int row;
    std::optional<int> departure, arrival;
    QString arrivalText;
    // An open return counts as never.
    int End() const { return arrival.value_or(NeverDate); }
};

std::vector<TTrip> Trips(const TXGrid& grid) {
    std::vector<TTrip> trips;
    for (int row = 1; row < grid.RowCount(); ++row) {
        auto day = [&](int col) {
            return ParseDate(Utf8ToCp1252(grid.Cells(col, row).toStdString()));
        };
        trips.push_back({row, day(0), day(1), grid.Cells(1, row)});
    }
    return trips;
}

QString DateText(int day) {
    return QString::fromStdString(FormatDate(day));
}

int CountingFrom() {
    return DayOf(RunState().IncomeYear - 4, 7, 1);
}

QString FirstTripTooShort() {
    const QString from = QString::number(RunState().IncomeYear - 4);
    return "The first period overseas you enter should be of a duration greater or equal to 26 "
           "weeks and at least 26 weeks of this period should occur after 1 July " +
           from + ". Note that " +
           "the date of your departure and the date of your return are not included in the "
           "period you spent overseas." +
           "\r\r" +
           "You should enter a period of at least 26 weeks in the first row (use the "
           "<Ctrl><Insert> key) and if " +
           "you have already entered this period in a different place in the table delete the "
           "entry form its old position. " +
           "If you have not been overseas for a period of greater than 26 weeks since 1 July " +
           from + ", clear all the records " +
           "in this table, go back to the previous screen and answer \"No\" to the question "
           "relating to periods overseas for more than 26 weeks.";
}

const char* const NoTripThisYear =
    "You must enter at least one period that occurs during this income year.\r\rNote that the "
    "date of your deprture and the date of your return are not included in the period you spent "
    "overseas. If you have not been overseas this income year you should delete the entries in "
    "this table, go back to the previous screen and answer \"No\" to the question relating to "
    "periods overseas this income year.";

// Neither the departure day nor the return day counts as a day away.
bool FirstTripLongEnough(const TTrip& first) {
    if (!first.departure || !first.arrival) return true;
    return *first.arrival - std::max(*first.departure, CountingFrom()) - 1 >= LongTripDays;
}

// The message for the first row whose dates cannot stand, or nothing.
std::optional<std::pair<int, QString>> RowFault(const std::vector<TTrip>& trips) {
    for (const TTrip& trip : trips) {
        if (trip.arrival && !trip.departure)
            return std::pair{trip.row,
                             QString("You must enter a departure date for every arrival date.")};
        if (trip.arrival && *trip.arrival < *trip.departure)
            return std::pair{trip.row, QString("The arrival date for a period overseas can not "
                                               "occur prior to the departure date.")};
    }
    return std::nullopt;
}

bool SomeTripInYear(const std::vector<TTrip>& trips) {
    return std::any_of(trips.begin(), trips.end(), [](const TTrip& trip) {
        return trip.departure && *trip.departure < YearEnd &&
               (!trip.arrival || *trip.arrival > YearStart);
    });
}

std::optional<std::pair<int, QString>> Overlap(const std::vector<TTrip>& trips) {
    for (const TTrip& trip : trips) {
        if (!trip.departure) continue;
        for (const TTrip& other : trips) {
            if (&other == &trip || !other.departure) continue;
            auto within = [&](int day) { return *other.departure <= day && day <= other.End(); };
            if (!within(*trip.departure) && !within(trip.End())) continue;
            return std::pair{trip.row,
                             "Dates for periods oversaes are can not overlap.\rThe period " +
                                 DateText(*trip.departure) + " to " + DateText(trip.End()) +
                                 " overlaps with" + "\r" + "the period " +
                                 DateText(*other.departure) + " to " + other.arrivalText + "."};
        }
    }
    return std::nullopt;
}

} // namespace

TQVESK_28::TQVESK_28(QWidget* parent) : TChildForm(parent), ui(std::make_unique<Ui::TQVESK_28>()) {
    ui->setupUi(this);
    AnswerYearScreenTags(this);
    // The first row holds the first long absence, which has its own hint.
    connect(ui->XGrid1, &TXGrid::EnterCell, ui->TextLblYellowBox, [this](int col, int row) {
        ui->TextLblYellowBox->setCurrentSection(col == 1 ? 3 : row == 1 ? 1 : 2);
    });
}

TQVESK_28::~TQVESK_28() = default;

void TQVESK_28::FormShow() {
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    HandlerSlots().LeaveCheck = [this](QObject*, TCloseAction&) { FinalCheck(); };
}

// A period without a return asks next whether that departure was permanent.
void TQVESK_28::ChildFormYesNoClick(QObject*) {
    if (!FrameWnd()->GoingBack()) SetNextScreen(PairIncomplete(*ui->XGrid1) ? 7815 : 7816);
}

void TQVESK_28::FinalCheck() {
    const std::vector<TTrip> trips = Trips(*ui->XGrid1);
    std::optional<std::pair<int, QString>> fault;
    if (!trips.empty() && !FirstTripLongEnough(trips.front()))
        fault = std::pair{1, FirstTripTooShort()};
    if (!fault) fault = RowFault(trips);
    if (!fault && !FrameWnd()->GoingBack() && !SomeTripInYear(trips)) {
        RunState().ScreenValid = false;
        ShowError(NoTripThisYear);
        return;
    }
    if (!fault) fault = Overlap(trips);
    if (!fault) return;
    RunState().ScreenValid = false;
    ShowError(fault->second);
    ui->XGrid1->setFocus();
    ui->XGrid1->MoveTo(0, fault->first);
}

VESK_REGISTER_SCREEN(TQVESK_28)
