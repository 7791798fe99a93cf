#pragma once
// The overview of the steps of the claim, shown when the module starts.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_51;
}

class TQVESK_51 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_51();
    ~TQVESK_51() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_51> ui_;
};
