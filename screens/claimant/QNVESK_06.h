#pragma once
// One spouse's details and income: one instance of the spouse worksheet, picked, created and
// deleted through the frame's worksheet list.

#include "ChildForm.h"
#include "SpouseRules.h"

#include <memory>

class QLineEdit;

namespace Ui {
class TQVESK_06;
}

class TQVESK_06 : public TChildForm {
    Q_OBJECT
public:
    TQVESK_06();
    ~TQVESK_06() override;
    void FormShow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenSpouseInstance();
    void ChildFormYesNoClick(QObject* sender);
    void LeaveCheck();
    void ShowProblem(const TSpouseProblem& problem);
    void TaxFileNumberOrExemption();
    void RebuildDisplayName();
    bool StateKeyPressed(QLineEdit* edit, int key, const QString& text);
    TSpouseEntry Entry() const;
    void EnableVisionScrolling();

    std::unique_ptr<Ui::TQVESK_06> ui_;
    bool instanceOpened_ = false;
};
