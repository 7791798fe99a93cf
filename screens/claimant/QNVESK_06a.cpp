#include "QNVESK_06a.h"
#include "ui_QNVESK_06a.h"

#include "CalcTags.h"
#include "ClaimantScreens.h"
#include "ControlBinding.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

#include <QPushButton>

VESK_REGISTER_SCREEN(TQVESK_06a)

TQVESK_06a::TQVESK_06a() : ui_(new Ui::TQVESK_06a) {
    ui_->setupUi(this);
    PrepareQuestionScreen(this);
}

TQVESK_06a::~TQVESK_06a() = default;

void TQVESK_06a::FormShow() {
    FrameWnd()->ShowYesNo(true);
    HandlerSlots().AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
}

void TQVESK_06a::ChildFormYesNoClick(QObject* sender) {
    if (sender == FrameWnd()->YesButton()) {
        SetCurrentSpouse(NewSpouseRequested);
        ui_->TaxEditAllSpouse->setText("0");
        StoreBoundControls(this);
        SetNextScreen(SpouseDetailsScreen);
    } else {
        ui_->TaxEditAllSpouse->setText("1");
        StoreBoundControls(this);
        const int spouses = WorksheetInstanceCount(SpouseGroup);
        if (spouses >= 2) {
            SetNextScreen(MaritalStatusScreen);
        } else if (spouses == 1) {
            SetNextScreen(OneSpouseScreen);
        } else {
            ClearField(TagMaritalStatus);
            SetFieldStr(TagHadSpouse, "0");
            SetNextScreen(SpouseNavigationScreen);
        }
    }
    PostShowScreen();
}
