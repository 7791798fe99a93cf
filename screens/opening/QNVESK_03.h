#pragma once
// The question screen: income support or rent assistance.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_03;
}

class TQVESK_03 : public TChildForm {
    Q_OBJECT

public:
    explicit TQVESK_03(QWidget* parent = nullptr);
    ~TQVESK_03() override;

    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);

    std::unique_ptr<Ui::TQVESK_03> ui;
};
