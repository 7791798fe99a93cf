#pragma once
// Single or multiple birth, for young children: the chosen birth is kept as a number 1 to 4.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_14;
}

class TQVESK_14 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_14();
    ~TQVESK_14() override;
    void FormShow() override;

private:
    void ShowChoice();

    std::unique_ptr<Ui::TQVESK_14> ui;
};
