#pragma once
// The navigation screen that opens each section of the interview, and at its end the
// validate-and-complete screen that lists what the claim still lacks.

#include "ChildForm.h"

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TQVESK_38;
}

class TQVESK_38 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_38();
    ~TQVESK_38() override;

    void FormShow() override { ChildFormShow(); }

private:
    // A warning of the completeness check: the item of the screen that fixes it and the spouse
    // or dependant concerned.
    struct TWarning {
        int item;
        int instance;
        std::string text;
    };

    void ChildFormCreate();
    void ChildFormShow();
    void ChildFormClose(QObject* sender);
    void ChildFormYesNoClick(QObject* sender);
    void ListBoxWarningsClick(int row);
    void ListClicked(QObject* sender);
    QString TextLblYellowBoxScreenTag(int screenTag) const;

    // False when the screen turned into the warnings screen and is about to be replaced.
    bool BuildWarnings(int item);
    void ShowWarnings();
    void ShowSection(int item);
    bool AskAboutMaritalStatusTable(const std::string& spouseName);

    std::unique_ptr<Ui::TQVESK_38> ui_;
    std::vector<TWarning> warnings_;
};
