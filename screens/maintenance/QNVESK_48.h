#pragma once
// Did this person receive spousal maintenance? Asked for the taxpayer and each spouse in turn;
// once everybody has been asked, a list of the people lets the user revisit any of them.

#include "ChildForm.h"

#include <QStringList>

#include <memory>

namespace Ui {
class TQVESK_48;
}

class TQVESK_48 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_48();
    ~TQVESK_48() override;
    void FormShow() override;

private:
    void ShowPerson();
    void PersonChosen();
    void Answer(QObject* sender);

    std::unique_ptr<Ui::TQVESK_48> ui_;
    QStringList heading_;
};
