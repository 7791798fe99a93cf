#pragma once
// The question screen: resident for the whole year.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_36;
}

class TQVESK_36 : public TChildForm {
    Q_OBJECT

public:
    explicit TQVESK_36(QWidget* parent = nullptr);
    ~TQVESK_36() override;

    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);

    std::unique_ptr<Ui::TQVESK_36> ui;
};
