#pragma once
// Did the taxpayer or any spouse receive spousal maintenance?

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_47;
}

class TQVESK_47 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_47();
    ~TQVESK_47() override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::TQVESK_47> ui_;
};
