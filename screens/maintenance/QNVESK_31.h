#pragma once
// Did anybody receive capitalised maintenance for the current dependant?

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_31;
}

class TQVESK_31 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_31();
    ~TQVESK_31() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_31> ui_;
};
