#pragma once
// Had the taxpayer a spouse at any time during the income year?

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_05a;
}

class TQVESK_05a : public TChildForm {
    Q_OBJECT
public:
    TQVESK_05a();
    ~TQVESK_05a() override;
    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);

    std::unique_ptr<Ui::TQVESK_05a> ui_;
};
