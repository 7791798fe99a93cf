#pragma once
// The waiver notice before the dependants' section.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_58;
}

class TQVESK_58 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_58();
    ~TQVESK_58() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_58> ui_;
};
