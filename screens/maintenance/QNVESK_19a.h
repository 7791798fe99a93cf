#pragma once
// The capitalised spousal maintenance items of the current person.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_19a;
}

class TQVESK_19a : public TChildForm {
    Q_OBJECT

public:
    TQVESK_19a();
    ~TQVESK_19a() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_19a> ui_;
};
