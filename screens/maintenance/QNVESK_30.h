#pragma once
// Did the current person receive capitalised spousal maintenance?

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_30;
}

class TQVESK_30 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_30();
    ~TQVESK_30() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_30> ui_;
};
