#pragma once
// The list of everybody who paid maintenance to the family.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_32;
}

class TQVESK_32 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_32();
    ~TQVESK_32() override;
    void FormShow() override;

protected:
    // Names already listed cannot be typed over.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildRecipientList();

    std::unique_ptr<Ui::TQVESK_32> ui_;
};
