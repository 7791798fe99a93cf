#pragma once
// The question screen: already claimed in full.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_02;
}

class TQVESK_02 : public TChildForm {
    Q_OBJECT

public:
    explicit TQVESK_02(QWidget* parent = nullptr);
    ~TQVESK_02() override;

    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);

    std::unique_ptr<Ui::TQVESK_02> ui;
};
