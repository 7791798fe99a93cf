#pragma once
// Was maintenance received or due for this dependant? Asked for each listed dependant in turn; once
// all have been asked, a list of them lets the user revisit any.

#include "ChildForm.h"

#include <QStringList>

#include <memory>

namespace Ui {
class TQVESK_46;
}

class TQVESK_46 : public TChildForm {
    Q_OBJECT

public:
    TQVESK_46();
    ~TQVESK_46() override;
    void FormShow() override;

private:
    void ShowDependant();
    void DependantChosen();
    void Answer(QObject* sender);

    std::unique_ptr<Ui::TQVESK_46> ui_;
    QStringList heading_;
};
