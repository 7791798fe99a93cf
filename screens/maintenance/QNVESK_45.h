#pragma once
// Did anybody receive maintenance for any of the dependants for whom maintenance matters?

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_45;
}

class TQVESK_45 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_45();
    ~TQVESK_45() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_45> ui_;
};
