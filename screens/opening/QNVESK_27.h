#pragma once
// The question screen: whether the information is at hand.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_27;
}

class TQVESK_27 : public TChildForm {
    Q_OBJECT

public:
    explicit TQVESK_27(QWidget* parent = nullptr);
    ~TQVESK_27() override;

    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);

    std::unique_ptr<Ui::TQVESK_27> ui;
};
