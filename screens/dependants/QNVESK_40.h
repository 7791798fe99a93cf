#pragma once
// Whether the dependant's departure without a return date was permanent.

#include "ChildForm.h"

#include <memory>

namespace Ui {
class TQVESK_40;
}

class TQVESK_40 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_40();
    ~TQVESK_40() override;
    void FormShow() override;

private:
    void AnswerClick(QObject* sender);
    int NextScreenAfterAnswer(bool permanent);

    std::unique_ptr<Ui::TQVESK_40> ui;
};
