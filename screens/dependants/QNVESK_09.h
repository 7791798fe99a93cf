#pragma once
// Dependant details: names, date of birth, sex and the study and travel answers of one child,
// one record of the dependant worksheet per child, chosen from the frame's pick list.

#include "ChildForm.h"

#include <memory>
#include <string>

namespace Ui {
class TQVESK_09;
}

class TQVESK_09 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_09();
    ~TQVESK_09() override;
    void FormShow() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ChildFormYesNoClick(QObject* sender);
    void CheckVal(QObject* sender, TCloseAction& action);
    void RebuildDisplayName();
    bool RequiredAnswersGiven();
    void CheckBirthDate();
    void CheckSpouseBirthDate();
    bool OverseasPeriodsKept();

    std::unique_ptr<Ui::TQVESK_09> ui;
    std::string rolledOverName_;
};
