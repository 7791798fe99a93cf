#pragma once
// The notice for a child who does not qualify, with the reason the earlier screens recorded.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_12;
}

class TQVESK_12 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_12();
    ~TQVESK_12() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_12> ui;
};
