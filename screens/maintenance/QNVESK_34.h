#pragma once
// Nobody is listed as a payer: the user confirms that no maintenance was received.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_34;
}

class TQVESK_34 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_34();
    ~TQVESK_34() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_34> ui_;
};
