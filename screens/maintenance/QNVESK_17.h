#pragma once
// The periodic maintenance received for the current dependant.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_17;
}

class TQVESK_17 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_17();
    ~TQVESK_17() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_17> ui_;
};
