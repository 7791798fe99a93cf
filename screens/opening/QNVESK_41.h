#pragma once
// The question screen: whether an open-ended departure was permanent.

#include "ChildForm.h"

#include <memory>
#include <string>

namespace Ui {
class TQVESK_41;
}

class TQVESK_41 : public TChildForm {
    Q_OBJECT

public:
    explicit TQVESK_41(QWidget* parent = nullptr);
    ~TQVESK_41() override;

    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);

    std::unique_ptr<Ui::TQVESK_41> ui;
    // Windows-1252, as stored.
    std::string departure;
};
