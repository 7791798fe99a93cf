#pragma once
// Is there another spouse to enter?

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_06a;
}

class TQVESK_06a : public TChildForm {
    Q_OBJECT
public:
    TQVESK_06a();
    ~TQVESK_06a() override;
    void FormShow() override;

private:
    void ChildFormYesNoClick(QObject* sender);

    std::unique_ptr<Ui::TQVESK_06a> ui_;
};
