#pragma once
// All dependant maintenance information has been collected: on to the check of the claim, or back
// to edit.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_56;
}

class TQVESK_56 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_56();
    ~TQVESK_56() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_56> ui_;
};
