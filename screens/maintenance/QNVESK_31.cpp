#include "QNVESK_31.h"

#include "CalcTags.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "ui_QNVESK_31.h"

#include <QPushButton>

namespace {

// The dependant's capitalised items go after the user confirms; false when they are kept.
bool ClearCapitalised(int dependant) {
    if (dependant < 0) return true;
    bool cleared = true;
    ChangeInstance(DependantGroup, dependant, [&] {
        cleared = DeleteWithConfirmation(
            {TagCapitalisedMaintenance}, "Deleting capitalised maintenance information for xxx",
            DependantDisplayName(dependant), true,
            "Capitalised maintenance information has been entered for xxx are you sure you want "
            "to continue with this deletion?");
    });
    return cleared;
}

} // namespace

TQVESK_31::TQVESK_31() : ui_(new Ui::TQVESK_31) {
    ui_->setupUi(this);
    SubstituteDependantName(ui_->TextLblFor);
}

TQVESK_31::~TQVESK_31() = default;

void TQVESK_31::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [](QObject* sender) {
        if (sender == FrameWnd()->YesButton())
            PostNextScreen(screen_ids::DependantCapitalisedItems);
        else if (sender == FrameWnd()->NoButton())
            PostNextScreen(ClearCapitalised(CurrentDependant())
                               ? screen_ids::DependantPeriodic
                               : screen_ids::DependantCapitalisedItems);
    };
}

VESK_REGISTER_SCREEN(TQVESK_31)
