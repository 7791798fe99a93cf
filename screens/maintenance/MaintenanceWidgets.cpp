#include "MaintenanceWidgets.h"

#include "Dates.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "ScreenHelpers.h"
#include "TextLbl.h"
#include "XGrid.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QListWidget>

namespace {

constexpr int PayerNameLength = 30;

const char* const CreateLine = "** Create new worksheet **";
const char* const AddRefusal =
    "You can not add maintenance worksheets from this panel, to add a worksheet select \"Yes\" "
    "for \"Received or Entitled to Maintenance\". Maintenance information is not required for "
    "dependants not listed in the grid.";
const char* const DeleteRefusal =
    "You can not delete maintenance worksheets from this panel, to delete a worksheet select "
    "\"No\" for \"Received or Entitled to Maintenance\"";

bool OutsideYear(const QString& cell) {
    if (cell.isEmpty()) return false;
    const auto day = ParseDate(cell.toStdString());
    return day && (*day < YearStart || *day > YearEnd);
}

} // namespace

void WordForPerson(TTextLbl* label, int person) {
    if (person == TaxpayerPerson)
        SubstituteYouWording(label);
    else
        SubstituteSpouseWording(label);
}

void BindPersonTable(TXGrid* grid, int ownTag, int spouseKey) {
    const int person = CurrentSpouse();
    grid->setTag(person == TaxpayerPerson ? ownTag : spouseKey);
    if (person != TaxpayerPerson) OpenInstanceForScreen(SpouseGroup, person);
}

void ShowPeopleList(const QStringList& names, const QString& current) {
    TFrameWnd* frame = FrameWnd();
    frame->ShowSelectPanel("PanelFreeFormSelect");
    frame->DeleteRefusalText = DeleteRefusal;
    QListWidget* list = frame->SelectionList();
    list->clear();
    list->addItems(names);
    list->addItem(CreateLine);
    list->setToolTip(AddRefusal);
    SelectListedPerson(current);
}

void SelectListedPerson(const QString& current) {
    QListWidget* list = FrameWnd()->SelectionList();
    const auto shown = list->findItems(current, Qt::MatchExactly);
    if (!shown.isEmpty()) list->setCurrentItem(shown.first());
}

QString ChosenPerson() {
    return FrameWnd()->SelectedWorksheetName;
}

void HidePeopleList() {
    FrameWnd()->SelectionList()->setToolTip({});
    FrameWnd()->ShowSelectPanel({});
}

void ConnectAddPayer(QAbstractButton* button, TXGrid* grid, bool limitLength, bool moveToStart) {
    QObject::connect(button, &QAbstractButton::clicked, grid, [=] {
        if (AskForNewPayer(grid->window(), limitLength) && moveToStart)
            grid->MoveTo(0, std::max(grid->Row(), 1));
    });
}

void DefineColumns(TXGrid* grid, const QStringList& definitions,
                   std::initializer_list<int> widths) {
    grid->setDisplay(definitions);
    SetColumnWidths(grid, widths);
}

void RebuildPickLists(TXGrid* grid, TPickColumns columns) {
    QObject::connect(grid, &TXGrid::PicklistDropdown, grid,
                     [columns](int col, int, QStringList& entries) {
                         if (col == columns.payer)
                             entries = PayerNames();
                         else if (col == columns.recipient)
                             entries = RecipientNames();
                     });
}

void FollowCells(TXGrid* grid, TTextLbl* attention, TSectionForCell section) {
    QObject::connect(grid, &TXGrid::EnterCell, attention, [attention, section](int col, int row) {
        attention->setCurrentSection(section(col, row));
    });
}

bool AskForNewPayer(QWidget* parent, bool limitLength) {
    for (;;) {
        bool accepted = false;
        const QString name = QInputDialog::getText(
            parent, "Add Maintenance Payer",
            "Enter the name of the new payer below:", QLineEdit::Normal, QString(), &accepted);
        if (!accepted || name.isEmpty()) return false;
        if (limitLength && name.size() > PayerNameLength) {
            ShowInformation("Payer name cannot be longer than 30 characters");
            continue;
        }
        AddPayer(name);
        return true;
    }
}

bool DatesWithinYear(const TXGrid& grid, int fromCol, int toCol) {
    for (int row = 1; row < grid.RowCount(); ++row)
        for (int col : {fromCol, toCol})
            if (OutsideYear(grid.Cells(col, row))) {
                QString title = grid.Column(col).title;
                title.replace('\r', ' ').replace('\n', ' ');
                ShowError("At least one date for \"" + title +
                          "\" is outside the income year.\rPlease ensure all dates entered are "
                          "within the income year (01/07/2003 to 30/06/2004) before moving on.");
                return false;
            }
    return true;
}
