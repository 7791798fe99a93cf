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

#include <QPushButton>

TQVESK_48::TQVESK_48() : ui_(new Ui::TQVESK_48) {
    ui_->setupUi(this);
    heading_ = ui_->TextLblHeading->text();
    AnswerYearScreenTags(this);
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
        HidePeopleList();
    else
        ShowPeopleList(RecipientNames(), PersonName(CurrentSpouse()));
    HandlerSlots().AnswerHandler = [this](QObject* sender) { Answer(sender); };
    HandlerSlots().LeaveCheck = [](QObject*, TCloseAction&) { HidePeopleList(); };
    HandlerSlots().WorksheetListHandler = [this](QObject*) { PersonChosen(); };
}

void TQVESK_48::PersonChosen() {
    const QString name = ChosenPerson();
    if (name.isEmpty()) {
        InformationBox(
            "Worksheets cannot be added from this screen. Edit existing worksheets only.");
        SelectListedPerson(PersonName(CurrentSpouse()));
        return;
    }
    const int current = CurrentSpouse();
    if (current != TaxpayerPerson) FrameWnd()->StoreWorksheetInstance(SpouseGroup, current + 1);
    const int chosen = SpouseIndexByName(Utf8ToCp1252(name.toStdString()));
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
