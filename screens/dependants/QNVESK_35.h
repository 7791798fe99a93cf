#pragma once
// The shared care calculator: nights in care over nights in the assessment period, offered as
// the dependant's initial shared care percentage.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_35;
}

class TQVESK_35 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_35();
    ~TQVESK_35() override;
    void FormShow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ChildFormYesNoClick(QObject* sender);
    void CheckValid(QObject* sender, TCloseAction& action);
    void ButtonCalcClick();
    void ClearResult();

    std::unique_ptr<Ui::TQVESK_35> ui;
};
