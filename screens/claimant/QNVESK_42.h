#pragma once
// Were the taxpayer or a spouse permanently blind and paid a blind pension?

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_42;
}

class TQVESK_42 : public TChildForm {
    Q_OBJECT
public:
    TQVESK_42();
    ~TQVESK_42() override;
    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);
    bool PeriodsMayGo();

    std::unique_ptr<Ui::TQVESK_42> ui_;
};
