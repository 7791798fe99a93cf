#pragma once
// The question screen: the Corvel direct-payment periods table.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_21;
}

class TQVESK_21 : public TChildForm {
    Q_OBJECT

public:
    explicit TQVESK_21(QWidget* parent = nullptr);
    ~TQVESK_21() override;

    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);
    void LeaveCheck();

    std::unique_ptr<Ui::TQVESK_21> ui;
};
