#pragma once
// The question screen: the residency periods table.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_37;
}

class TQVESK_37 : public TChildForm {
    Q_OBJECT

public:
    explicit TQVESK_37(QWidget* parent = nullptr);
    ~TQVESK_37() override;

    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);
    void LeaveAsNeverResident();

    std::unique_ptr<Ui::TQVESK_37> ui;
};
