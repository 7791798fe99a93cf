#pragma once
// Reads out a table column for users who cannot see the table: its heading and the screen's
// descriptive text.

#include <QDialog>

#include <memory>

namespace Ui {
class TTableColumnDescriptionForm;
}
class QPlainTextEdit;

// Control characters become blanks and every run of blanks one blank.
QString CleanColumnText(const QString& text);
// The memo's text for a heading and a description.
QString ColumnDescriptionText(const QString& heading, const QString& description);

class TTableColumnDescriptionForm : public QDialog {
    Q_OBJECT

public:
    // Opens centred on `mainWindow`.
    TTableColumnDescriptionForm(const QString& heading, const QString& description,
                                QWidget* mainWindow = nullptr);
    ~TTableColumnDescriptionForm() override;

    QPlainTextEdit* Memo() const;

private:
    std::unique_ptr<Ui::TTableColumnDescriptionForm> ui;
};
