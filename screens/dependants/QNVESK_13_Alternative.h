#pragma once
// The dependant's changes of circumstance during the year: a table of dated events whose pick
// list offers what may change next, tidied after every edit.

#include "ChildForm.h"

#include <memory>

class TChangeTable;

namespace Ui {
class TQVESK_13_Alternative;
}

class TQVESK_13_Alternative : public TChildForm {
    Q_OBJECT

public:
    TQVESK_13_Alternative();
    ~TQVESK_13_Alternative() override;
    void FormShow() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ChildFormYesNoClick(QObject* sender);
    void ValCheck(QObject* sender, TCloseAction& action);
    void XGrid1PicklistDropdown(int col, int row, QStringList& picklist);
    void XGrid1EnterCell(int col, int row);
    void XGrid1ExitCell(int col, int row, bool& enterExitCell);
    void ShowMessageText();
    QString StatusText() const;
    TChangeTable Table() const;
    void PutRows(const TChangeTable& table);
    void NormaliseRow(int row);

    std::unique_ptr<Ui::TQVESK_13_Alternative> ui;
};
