#pragma once
// The key help for vision-impaired users: the shortcut keys of tables and help, read-only.

#include <QDialog>

#include <memory>

namespace Ui {
class TviHelperForm;
}
class QPlainTextEdit;

class TviHelperForm : public QDialog {
    Q_OBJECT

public:
    // Opens centred on `mainWindow`.
    explicit TviHelperForm(QWidget* mainWindow = nullptr);
    ~TviHelperForm() override;

    QPlainTextEdit* Memo() const;

private:
    std::unique_ptr<Ui::TviHelperForm> ui;
};
