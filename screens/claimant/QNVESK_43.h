#pragma once
// The periods of a blind pension and who received it.

#include "ChildForm.h"

#include <memory>

#include <QStringList>
namespace Ui {
class TQVESK_43;
}

class TQVESK_43 : public TChildForm {
    Q_OBJECT
public:
    TQVESK_43();
    ~TQVESK_43() override;
    void FormShow() override;

private:
    void XGrid1PicklistDropdown(int col, int row, QStringList& picklist);

    std::unique_ptr<Ui::TQVESK_43> ui_;
};
