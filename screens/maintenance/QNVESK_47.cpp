#include "QNVESK_47.h"

#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "ScreenRegistry.h"
#include "ui_QNVESK_47.h"

#include <QPushButton>

namespace {

// "you" and every spouse, one bulleted line each.
QString PeopleLines() {
    QStringList lines;
    for (const QString& name : RecipientNames())
        lines << "  •   " + (lines.isEmpty() ? QString("you") : name);
    return lines.join('\n');
}

// Everybody answers No: every person is finished, their tables cleared after confirmation.
bool NobodyReceived() {
    bool allCleared = ClearSpousalMaintenance(TaxpayerPerson);
    for (int spouse = 0; spouse < WorksheetInstanceCount(SpouseGroup); ++spouse)
        allCleared = ClearSpousalMaintenance(spouse) && allCleared;
    return allCleared;
}

} // namespace

TQVESK_47::TQVESK_47() : ui_(new Ui::TQVESK_47) {
    ui_->setupUi(this);
    QStringList text = ui_->TextLbl1->text();
    text.replaceInStrings("SNames", PeopleLines());
    ui_->TextLbl1->setText(text.join('\n').split('\n'));
}

TQVESK_47::~TQVESK_47() = default;

void TQVESK_47::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [](QObject* sender) {
        if (sender == FrameWnd()->YesButton()) {
            SetCurrentSpouse(PendingPerson().value_or(TaxpayerPerson));
            PostNextScreen(screen_ids::PersonSpousal);
        } else if (sender == FrameWnd()->NoButton()) {
            if (NobodyReceived()) {
                PostNextScreen(screen_ids::DependantMaintenanceNavigation);
            } else {
                // Kept tables are reviewed person by person.
                SetCurrentSpouse(TaxpayerPerson);
                PostNextScreen(screen_ids::PersonSpousal);
            }
        }
    };
}

VESK_REGISTER_SCREEN(TQVESK_47)
