#include "ViHelperForm.h"
#include "ui_ViHelperForm.h"

#include "DialogPlacement.h"

namespace {

const QStringList HelpLines = {
    "",
    "You can use the F9 key at any time to display this dialogue.",
    "You can use the escape key to close this dialog when it is displayed.",
    "",
    "The shortcut keys to help you work with tables are:",
    "F6 to navigate forwards out of a table",
    "Shift-F6 to navigate backwards out of a table",
    "F8 to read the heading and additional descriptive text for the current column.",
    "HOME key to navigate to the first cell in the current row of the table",
    "",
    "The help-related shortcuts are:",
    "Alt-M for detailed help on the current question.",
    "Alt-H to display a list of links on the current screen.",
    "",
    "Quellet uses a standard windows help.",
    "Shortcut keys when using the help file:",
    "Alt-I to select the Index tab.",
    "Alt-S to select the Search tab. ",
    "Alt-C to select the Contents tab.",
};

} // namespace

TviHelperForm::TviHelperForm(QWidget* mainWindow)
    : QDialog(mainWindow), ui(std::make_unique<Ui::TviHelperForm>()) {
    ui->setupUi(this);
    ui->helpMemo->setPlainText(HelpLines.join('\n'));
    ui->helpMemo->moveCursor(QTextCursor::Start);
    ui->helpMemo->setFocus();
    // Close is both the default and the cancel button: Escape (without modifiers) presses it.
    connect(ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);
    CentreOn(this, mainWindow);
}

TviHelperForm::~TviHelperForm() = default;

QPlainTextEdit* TviHelperForm::Memo() const {
    return ui->helpMemo;
}
