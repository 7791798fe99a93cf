#pragma once
// Maintenance information is not required: one screen for three ids, each with its own text and way
// on.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_33;
}

class TQVESK_33 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_33();
    ~TQVESK_33() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_33> ui_;
};
