#pragma once
// Another child: Yes starts a new dependant record, No closes the dependant section.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_15;
}

class TQVESK_15 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_15();
    ~TQVESK_15() override;
    void FormShow() override;

private:
    void AnswerClick(QObject* sender);

    std::unique_ptr<Ui::TQVESK_15> ui;
};
