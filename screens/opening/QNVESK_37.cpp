#include "QNVESK_37.h"
#include "ui_QNVESK_37.h"

#include "CalcTags.h"
#include "Cp1252.h"
#include "Dates.h"
#include "FieldStore.h"
#include "Frame.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

namespace {

const QString AustralianResident = "Australian resident";
// Wide enough for "Not Australian resident".
constexpr int StatusColumnWidth = 190;

QString EmptyTableWarning() {
    const int year = RunState().IncomeYear;
    return "You have not entered any data in the residency grid. Are you sure you wish to "
           "continue?\r\n\r\nLeaving this grid blank indicates you were not an Australian "
           "resident for social security purposes at any time during the income year 1 July " +
           QString::number(year - 1) + " to " + "30 June " + QString::number(year) +
           ". This being the case you will not be eligible for vesk allowance." + "\r\n\r\n" +
           "If this is correct and you wish to continue select \"Yes\". All Vesk data will be "
           "deleted and you will be taken to the next section of Quellet. " +
           "If this is incorrect (you were an Australian resident for social security purposes) "
           "select \"No\" and enter your " +
           "residency information in the table.";
}

const char* const NeverResidentWarning =
    "The data you have entered indicates you were not an Australian resident at any stage "
    "throughout the income year. Are you sure you wish to continue?\r\n\r\nIf this information "
    "is correct and you were not an Australian resident for social security purposes you will "
    "not be eligible for vesk allowance.\r\n\r\nIf this is correct and you wish to continue "
    "select \"Yes\". All Vesk data will be deleted and you will be taken to the next section of "
    "Quellet. If this is incorrect (you were an Australian resident for social security purposes "
    "at some stage) select \"No\" and enter your residency information in the table.";

std::optional<int> CellDay(const TXGrid& grid, int col, int row) {
    return ParseDate(Utf8ToCp1252(grid.Cells(col, row).toStdString()));
}

bool ResidentSometimeInYear(const TXGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        const auto start = CellDay(grid, 1, row);
        const auto end = CellDay(grid, 2, row);
        if (grid.Cells(0, row) == AustralianResident && start && end && *start <= YearEnd &&
            *end >= YearStart)
            return true;
    }
    return false;
}

} // namespace

TQVESK_37::TQVESK_37(QWidget* parent) : TChildForm(parent), ui(std::make_unique<Ui::TQVESK_37>()) {
    ui->setupUi(this);
    AnswerYearScreenTags(this);
    if (GetFieldType(TagResidency) != dtList) ClearField(TagResidency);
    ui->XGrid1->setColumnWidth(0, StatusColumnWidth);
    connect(ui->XGrid1, &TXGrid::EnterCell, ui->TextLblYellowBox,
            [this](int col, int) { ui->TextLblYellowBox->setCurrentSection(col); });
}

TQVESK_37::~TQVESK_37() = default;

void TQVESK_37::FormShow() {
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    ui->XGrid1->MoveTo(0, 1);
    ui->TextLblYellowBox->setCurrentSection(0);
}

// A failed check or a declined warning leaves the target on this screen.
void TQVESK_37::ChildFormYesNoClick(QObject*) {
    if (FrameWnd()->GoingBack()) return;
    TXGrid& grid = *ui->XGrid1;
    if (!GridHasData(grid)) {
        if (WarningYesNo(EmptyTableWarning(), "Warning")) LeaveAsNeverResident();
        return;
    }
    if (!AllTableChecks(grid, 1, 2, true, QString(), YearStart, YearEnd)) return;
    if (ResidentSometimeInYear(grid)) {
        SetNextScreen(7811);
        return;
    }
    if (WarningYesNo(NeverResidentWarning, "Warning")) LeaveAsNeverResident();
}

// The table is emptied too, so that leaving the screen does not store the deleted rows again.
void TQVESK_37::LeaveAsNeverResident() {
    if (!DeleteAllAndLeaveModule()) return;
    ui->XGrid1->LoadFromList({});
    ui->CheckBoxNotOz->setChecked(true);
}

VESK_REGISTER_SCREEN(TQVESK_37)
