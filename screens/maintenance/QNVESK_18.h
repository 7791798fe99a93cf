#pragma once
// The capitalised maintenance items received for the current dependant.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_18;
}

class TQVESK_18 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_18();
    ~TQVESK_18() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_18> ui_;
};
