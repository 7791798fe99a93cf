#pragma once
// The periodic spousal maintenance of the current person.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_20;
}

class TQVESK_20 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_20();
    ~TQVESK_20() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_20> ui_;
};
