#pragma once
// With exactly one spouse: a spouse on 1 July, a separation, a blended family.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_06b;
}

class TQVESK_06b : public TChildForm {
    Q_OBJECT
public:
    TQVESK_06b();
    ~TQVESK_06b() override;
    void FormShow() override;

private:
    void ShowAnswers();
    void AnswerChanged();
    void ChildFormYesNoClick(QObject* sender);
    void LeaveCheck();

    std::unique_ptr<Ui::TQVESK_06b> ui_;
};
