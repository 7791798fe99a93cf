#pragma once
// The question screen: the overseas periods table.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_28;
}

class TQVESK_28 : public TChildForm {
    Q_OBJECT

public:
    explicit TQVESK_28(QWidget* parent = nullptr);
    ~TQVESK_28() override;

    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);
    void FinalCheck();

    std::unique_ptr<Ui::TQVESK_28> ui;
};
