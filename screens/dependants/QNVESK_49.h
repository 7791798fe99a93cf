#pragma once
// The dependant's circumstances at the start of the year (or at birth): care, residency,
// income support, prescribed education, absence and full-time study.

#include "ChildForm.h"

#include <memory>

class QComboBox;
class TTaxEdit;

namespace Ui {
class TQVESK_49;
}

class TQVESK_49 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_49();
    ~TQVESK_49() override;
    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);
    void CheckVal(QObject* sender, TCloseAction& action);
    void RegisterHandlers();
    void ShowFullTimeEducation();
    void ShowStartDay();
    void ShowCare();
    void EnableAbsenceDate();
    void MirrorCombo(QComboBox* combo, TTaxEdit* edit);
    void peComboBoxCloseUp();
    void RBFullCareNoMouseDown();
    void sharedCareRadioButtonMouseDown();
    void TaxEditAgreedPerChange();
    void calculateSharedCarePercentButtonClick();
    bool AllSelected();
    bool AbsenceDateAccepted();

    std::unique_ptr<Ui::TQVESK_49> ui;
};
