#include "QNVESK_48.h"

#include "Cp1252.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "MaintenanceWidgets.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "TextLbl.h"
#include "ui_QNVESK_48.h"

#include <QListWidget>
#include <QPushButton>

namespace {

const char* const CreateLine = "** Create new worksheet **";
const char* const AddRefusal =
    "You can not add maintenance worksheets from this panel, to add a worksheet select \"Yes\" "
    "for \"Received or Entitled to Maintenance\". Maintenance information is not required for "
    "dependants not listed in the grid.";
const char* const DeleteRefusal =
    "You can not delete maintenance worksheets from this panel, to delete a worksheet select "
    "\"No\" for \"Received or Entitled to Maintenance\"";

} // namespace

TQVESK_48::TQVESK_48() : ui_(new Ui::TQVESK_48) {
    ui_->setupUi(this);
    heading_ = ui_->TextLblHeading->text();
    AnswerYearPlaceholders(this);
    OpenInstanceForScreen(SpouseGroup, CurrentSpouse());
    ShowPerson();
}

TQVESK_48::~TQVESK_48() = default;

void TQVESK_48::ShowPerson() {
    ui_->TextLblHeading->setText(heading_);
    WordForPerson(ui_->TextLblHeading, CurrentSpouse());
}

void TQVESK_48::FormShow() {
    FrameWnd()->ShowYesNo(true);
    if (PendingPerson())
        FrameWnd()->ShowSelectPanel({});
    else
        ShowPersonList();
    HandlerSlots().AnswerHandler = [this](QObject* sender) { Answer(sender); };
    HandlerSlots().LeaveCheck = [](QObject*, TCloseAction&) {
        FrameWnd()->SelectionList()->setToolTip({});
        FrameWnd()->ShowSelectPanel({});
    };
    HandlerSlots().WorksheetListHandler = [this](QObject*) { PersonChosen(); };
}

void TQVESK_48::ShowPersonList() {
    TFrameWnd* frame = FrameWnd();
    frame->ShowSelectPanel("PanelFreeFormSelect");
    frame->DeleteRefusalText = DeleteRefusal;
    QListWidget* list = frame->SelectionList();
    list->clear();
    list->addItems(RecipientNames() << CreateLine);
    list->setToolTip(AddRefusal);
    list->setCurrentRow(CurrentSpouse() + 1);
}

void TQVESK_48::PersonChosen() {
    TFrameWnd* frame = FrameWnd();
    if (frame->SelectedWorksheetName.isEmpty()) {
        InformationBox(
            "Worksheets cannot be added from this screen. Edit existing worksheets only.");
        frame->SelectionList()->setCurrentRow(CurrentSpouse() + 1);
        return;
    }
    const int current = CurrentSpouse();
    if (current != TaxpayerPerson) frame->StoreWorksheetInstance(SpouseGroup, current + 1);
    const int chosen = SpouseIndexByName(Utf8ToCp1252(frame->SelectedWorksheetName.toStdString()));
    SetCurrentSpouse(chosen);
    OpenInstanceForScreen(SpouseGroup, chosen);
    ShowPerson();
}

void TQVESK_48::Answer(QObject* sender) {
    if (sender == FrameWnd()->YesButton()) {
        PostNextScreen(screen_ids::CapitalisedQuestion);
    } else if (sender == FrameWnd()->NoButton()) {
        // Kept tables are the next screen's to review.
        PostNextScreen(ClearSpousalMaintenance(CurrentSpouse()) ? NextPersonScreen()
                                                                : screen_ids::CapitalisedQuestion);
    }
}

VESK_REGISTER_SCREEN(TQVESK_48)
