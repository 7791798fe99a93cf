#pragma once
// The question screen: own income and the two overseas questions.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_05;
}

class TQVESK_05 : public TChildForm {
    Q_OBJECT

public:
    explicit TQVESK_05(QWidget* parent = nullptr);
    ~TQVESK_05() override;

    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);
    void LeaveCheck();

    std::unique_ptr<Ui::TQVESK_05> ui;
};
