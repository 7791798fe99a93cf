#include "QNVESK_46.h"

#include "Cp1252.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "TextLbl.h"
#include "ui_QNVESK_46.h"

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

TQVESK_46::TQVESK_46() : ui_(new Ui::TQVESK_46) {
    ui_->setupUi(this);
    heading_ = ui_->TextLblHeading->text();
    if (CurrentDependant() == -1) {
        const std::vector<int> listed = RelevantDependants();
        if (!listed.empty()) SetCurrentDependant(listed.front());
    }
    OpenInstanceForScreen(DependantGroup, CurrentDependant());
    ShowDependant();
}

TQVESK_46::~TQVESK_46() = default;

void TQVESK_46::ShowDependant() {
    ui_->TextLblHeading->setText(heading_);
    SubstituteDependantName(ui_->TextLblHeading);
}

void TQVESK_46::FormShow() {
    FrameWnd()->ShowYesNo(true);
    if (DependantPending())
        FrameWnd()->ShowSelectPanel({});
    else
        ShowDependantList();
    HandlerSlots().AnswerHandler = [this](QObject* sender) { Answer(sender); };
    HandlerSlots().LeaveCheck = [](QObject*, TCloseAction&) {
        FrameWnd()->SelectionList()->setToolTip({});
        FrameWnd()->ShowSelectPanel({});
    };
    HandlerSlots().WorksheetListHandler = [this](QObject*) { DependantChosen(); };
}

void TQVESK_46::ShowDependantList() {
    TFrameWnd* frame = FrameWnd();
    frame->ShowSelectPanel("PanelFreeFormSelect");
    frame->DeleteRefusalText = DeleteRefusal;
    QListWidget* list = frame->SelectionList();
    list->clear();
    for (int dependant : RelevantDependants())
        list->addItem(DependantDisplayName(dependant));
    list->addItem(CreateLine);
    list->setToolTip(AddRefusal);
    const auto shown = list->findItems(DependantDisplayName(CurrentDependant()), Qt::MatchExactly);
    if (!shown.isEmpty()) list->setCurrentItem(shown.first());
}

void TQVESK_46::DependantChosen() {
    TFrameWnd* frame = FrameWnd();
    const int chosen =
        DependantIndexByName(Utf8ToCp1252(frame->SelectedWorksheetName.toStdString()));
    QListWidget* list = frame->SelectionList();
    if (frame->SelectedWorksheetName.isEmpty() || chosen < 0) {
        InformationBox(
            "Worksheets cannot be added from this screen. Edit existing worksheets only.");
    } else {
        const int current = CurrentDependant();
        if (current >= 0) frame->StoreWorksheetInstance(DependantGroup, current + 1);
        SetCurrentDependant(chosen);
        OpenInstanceForScreen(DependantGroup, chosen);
        ShowDependant();
    }
    const auto shown = list->findItems(DependantDisplayName(CurrentDependant()), Qt::MatchExactly);
    if (!shown.isEmpty()) list->setCurrentItem(shown.first());
}

void TQVESK_46::Answer(QObject* sender) {
    if (sender == FrameWnd()->YesButton()) {
        PostNextScreen(screen_ids::ActionTest);
    } else if (sender == FrameWnd()->NoButton()) {
        // A declined deletion keeps the tables, yet the dependant counts as answered.
        ClearDependantMaintenance(CurrentDependant());
        PostNextScreen(NextAfterDependantFinished());
    }
}

VESK_REGISTER_SCREEN(TQVESK_46)
