#pragma once
// The maintenance action test of the current dependant: who could apply for maintenance, from when,
// when action was first taken, or which exemption applies.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_19;
}

class TQVESK_19 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_19();
    ~TQVESK_19() override;
    void FormShow() override;

private:
    // The way on once the table's rows have passed their checks; 0 keeps the screen.
    int NextAfterChecks();

    std::unique_ptr<Ui::TQVESK_19> ui_;
};
