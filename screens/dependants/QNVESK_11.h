#pragma once
// The dependant's income: six amounts whose total decides whether an older child still counts.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_11;
}

class TQVESK_11 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_11();
    ~TQVESK_11() override;
    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);
    // The first blank amount is focused with a message.
    bool Complete();
    double AdjustedTaxableIncome();

    std::unique_ptr<Ui::TQVESK_11> ui;
};
