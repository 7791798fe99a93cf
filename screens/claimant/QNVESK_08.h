#pragma once
// The marital status table: status or spouse for each period of the income year.

#include "ChildForm.h"

#include <memory>

#include <QStringList>
namespace Ui {
class TQVESK_08;
}

class TQVESK_08 : public TChildForm {
    Q_OBJECT
public:
    TQVESK_08();
    ~TQVESK_08() override;
    void FormShow() override;

private:
    void XGrid1PicklistDropdown(int col, int row, QStringList& picklist);
    void XGrid1EnterCell(int col, int row);
    void XGrid1ExitCell(int col, int row);
    void LeaveCheck();

    std::unique_ptr<Ui::TQVESK_08> ui_;
};
