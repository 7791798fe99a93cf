#include "QNVESK_14.h"
#include "ui_QNVESK_14.h"

#include "DependantRules.h"
#include "Frame.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

#include <QRadioButton>

VESK_REGISTER_SCREEN(TQVESK_14)

TQVESK_14::TQVESK_14() : ui(new Ui::TQVESK_14) {
    ui->setupUi(this);
    PrepareQuestionScreen(this);
    OpenCurrentDependant();
    const QList<QRadioButton*> births{ui->RadioSingle, ui->RadioTwins, ui->RadioTriplets,
                                      ui->RadioQuadruplets};
    for (int i = 0; i < births.size(); ++i)
        connect(births[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) ui->TaxEditMultiBirth->setText(QString::number(i + 1));
        });
}

TQVESK_14::~TQVESK_14() = default;

void TQVESK_14::FormShow() {
    ShowChoice();
    HandlerSlots().AnswerHandler = [](QObject*) {
        if (FrameWnd()->GoingBack()) return;
        FrameWnd()->SaveScreenInstance();
        SetNextScreen(AnotherChildScreen);
    };
}

void TQVESK_14::ShowChoice() {
    if (ui->TaxEditMultiBirth->text().trimmed().isEmpty()) ui->TaxEditMultiBirth->setText("1");
    bool number = false;
    const int value = ui->TaxEditMultiBirth->text().trimmed().toInt(&number);
    const QList<QRadioButton*> births{ui->RadioSingle, ui->RadioTwins, ui->RadioTriplets,
                                      ui->RadioQuadruplets};
    if (number && value >= 1 && value <= births.size()) births[value - 1]->setChecked(true);
}
