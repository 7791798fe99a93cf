#include "QNVESK_46.h"

#include "Cp1252.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "MaintenanceWidgets.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "TextLbl.h"
#include "ui_QNVESK_46.h"

#include <QPushButton>

namespace {

QStringList ListedNames() {
    QStringList names;
    for (int dependant : RelevantDependants())
        names << DependantDisplayName(dependant);
    return names;
}

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
        HidePeopleList();
    else
        ShowPeopleList(ListedNames(), DependantDisplayName(CurrentDependant()));
    HandlerSlots().AnswerHandler = [this](QObject* sender) { Answer(sender); };
    HandlerSlots().LeaveCheck = [](QObject*, TCloseAction&) { HidePeopleList(); };
    HandlerSlots().WorksheetListHandler = [this](QObject*) { DependantChosen(); };
}

void TQVESK_46::DependantChosen() {
    const int chosen = DependantIndexByName(Utf8ToCp1252(ChosenPerson().toStdString()));
    if (ChosenPerson().isEmpty() || chosen < 0) {
        InformationBox(
            "Worksheets cannot be added from this screen. Edit existing worksheets only.");
    } else {
        const int current = CurrentDependant();
        if (current >= 0) FrameWnd()->StoreWorksheetInstance(DependantGroup, current + 1);
        SetCurrentDependant(chosen);
        OpenInstanceForScreen(DependantGroup, chosen);
        ShowDependant();
    }
    SelectListedPerson(DependantDisplayName(CurrentDependant()));
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
