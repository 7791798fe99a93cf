#include "QNVESK_30.h"

#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "MaintenanceWidgets.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "ui_QNVESK_30.h"

#include <QPushButton>

namespace {

const char* const ClearCaption = "Deleting capitalised maintenance information for xxx";

// The person's capitalised items go after the user confirms; false when they are kept.
bool ClearCapitalised(int person) {
    if (person == TaxpayerPerson)
        return DeleteWithConfirmation(
            {TagOwnCapitalised}, ClearCaption, "you", true,
            "Capitalised maintenance information has been entered for "
            "xxx . Are you sure you want to continue with this deletion?");
    bool cleared = true;
    ChangeInstance(SpouseGroup, person, [&] {
        cleared =
            DeleteWithConfirmation({TagSpouseCapitalised}, ClearCaption, PersonName(person), true,
                                   "Capitalised maintenance information has been entered "
                                   "for xxx you. Are you sure you want to continue with "
                                   "this deletion?");
    });
    return cleared;
}

} // namespace

TQVESK_30::TQVESK_30() : ui_(new Ui::TQVESK_30) {
    ui_->setupUi(this);
    AnswerYearScreenTags(this);
    WordForPerson(ui_->TextLblPerson, CurrentSpouse());
}

TQVESK_30::~TQVESK_30() = default;

void TQVESK_30::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [](QObject* sender) {
        if (sender == FrameWnd()->YesButton())
            PostNextScreen(screen_ids::CapitalisedItems);
        else if (sender == FrameWnd()->NoButton())
            PostNextScreen(ClearCapitalised(CurrentSpouse()) ? screen_ids::PeriodicSpousal
                                                             : screen_ids::CapitalisedItems);
    };
}

VESK_REGISTER_SCREEN(TQVESK_30)
