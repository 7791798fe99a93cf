#include "QNVESK_45.h"

#include "Frame.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "ScreenRegistry.h"
#include "ui_QNVESK_45.h"

#include <QPushButton>

namespace {

QString DependantLines() {
    QStringList lines;
    for (int dependant : RelevantDependants())
        lines << "  •   " + DependantDisplayName(dependant);
    return lines.join('\n');
}

// Every listed dependant is finished, their tables cleared after confirmation.
bool NoneReceived() {
    bool allCleared = true;
    for (int dependant : RelevantDependants())
        allCleared = ClearDependantMaintenance(dependant) && allCleared;
    return allCleared;
}

} // namespace

TQVESK_45::TQVESK_45() : ui_(new Ui::TQVESK_45) {
    ui_->setupUi(this);
    QStringList text = ui_->TextLbl1->text();
    text.replaceInStrings("DNames", DependantLines());
    ui_->TextLbl1->setText(text.join('\n').split('\n'));
}

TQVESK_45::~TQVESK_45() = default;

void TQVESK_45::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [](QObject* sender) {
        if (sender == FrameWnd()->YesButton()) {
            SetCurrentDependant(-1);
            PostNextScreen(NextDependantScreen());
        } else if (sender == FrameWnd()->NoButton()) {
            // Kept tables are reviewed dependant by dependant.
            PostNextScreen(NoneReceived() ? screen_ids::Validate : NextDependantScreen());
        }
    };
}

VESK_REGISTER_SCREEN(TQVESK_45)
