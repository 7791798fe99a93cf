#pragma once
// All spousal maintenance information has been collected: on to the dependants, or back to edit.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_57;
}

class TQVESK_57 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_57();
    ~TQVESK_57() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_57> ui_;
};
