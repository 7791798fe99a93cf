#pragma once
// The dependant's overseas periods since four years before the income year.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_39;
}

class TQVESK_39 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_39();
    ~TQVESK_39() override;
    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);
    void FinalCheck(QObject* sender, TCloseAction& action);
    void XGrid1EnterCell(int col, int row);

    std::unique_ptr<Ui::TQVESK_39> ui;
};
