#pragma once
// The question screen: basic eligibility.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_01;
}

class TQVESK_01 : public TChildForm {
    Q_OBJECT

public:
    explicit TQVESK_01(QWidget* parent = nullptr);
    ~TQVESK_01() override;

    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);

    std::unique_ptr<Ui::TQVESK_01> ui;
};
