#include "TableColumnDescriptionForm.h"
#include "ui_TableColumnDescriptionForm.h"

#include "DialogPlacement.h"

QString CleanColumnText(const QString& text) {
    QString cleaned;
    cleaned.reserve(text.size());
    for (QChar ch : text) {
        if (ch.unicode() < ' ') ch = ' ';
        if (ch == ' ' && cleaned.endsWith(' ')) continue;
        cleaned += ch;
    }
    return cleaned;
}

QString ColumnDescriptionText(const QString& heading, const QString& description) {
    const QString cleanHeading = CleanColumnText(heading);
    const QString cleanDescription = CleanColumnText(description);
    QString text = "The heading for this column is " +
                   (cleanHeading.isEmpty() ? "unknown" : '"' + cleanHeading + '"') + ".";
    if (!cleanDescription.isEmpty())
        text += "\nThe following text is associated with this column:\n" + cleanDescription;
    return text;
}

TTableColumnDescriptionForm::TTableColumnDescriptionForm(const QString& heading,
                                                         const QString& description,
                                                         QWidget* mainWindow)
    : QDialog(mainWindow), ui(std::make_unique<Ui::TTableColumnDescriptionForm>()) {
    ui->setupUi(this);
    ui->columnMemo->setPlainText(ColumnDescriptionText(heading, description));
    ui->columnMemo->moveCursor(QTextCursor::Start);
    ui->columnMemo->setFocus();
    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);
    CentreOn(this, mainWindow);
}

TTableColumnDescriptionForm::~TTableColumnDescriptionForm() = default;

QPlainTextEdit* TTableColumnDescriptionForm::Memo() const {
    return ui->columnMemo;
}
