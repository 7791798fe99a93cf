#include "NotesForm.h"
#include "ui_NotesForm.h"

#include "Cp1252.h"
#include "DialogPlacement.h"
#include "FieldStore.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>

namespace {

QPointer<TNotesForm> openNotes;

} // namespace

TNotesForm::TNotesForm(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::WindowStaysOnTopHint),
      ui(std::make_unique<Ui::TNotesForm>()) {
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->Notes->setFocus();
    ui->Notes->installEventFilter(this);
    connect(ui->btnClose, &QPushButton::clicked, this, &QWidget::close);
    CentreOn(this, mainWindow);
}

TNotesForm::~TNotesForm() = default;

QPlainTextEdit* TNotesForm::Memo() const {
    return ui->Notes;
}

TNotesForm* TNotesForm::Current() {
    return openNotes;
}

TNotesForm* TNotesForm::Open(QWidget* mainWindow) {
    if (!openNotes) openNotes = new TNotesForm(mainWindow);
    openNotes->show();
    openNotes->raise();
    openNotes->activateWindow();
    return openNotes;
}

void TNotesForm::StoreOpenNotes() {
    if (openNotes) openNotes->StoreNotes();
}

void TNotesForm::LoadNotes() {
    if (GetFieldType(TagNotes) != dtList) return;
    if (!GetFieldLst(TagNotes)) SetFieldLst(TagNotes, {});
    QStringList lines;
    for (const std::string& line : *GetFieldLst(TagNotes))
        lines << QString::fromStdString(Cp1252ToUtf8(line));
    ui->Notes->setPlainText(lines.join('\n'));
    ui->Notes->document()->setModified(false);
}

void TNotesForm::StoreNotes() {
    if (ui->Notes->document()->isModified()) SetDataModified(true);
    ui->Notes->document()->setModified(false);
    if (GetFieldType(TagNotes) != dtList) SetFieldType(TagNotes, dtList);
    TStringList lines;
    const QString text = ui->Notes->toPlainText();
    if (!text.isEmpty())
        for (const QString& line : text.split('\n'))
            lines.push_back(Utf8ToCp1252(line.toStdString()));
    SetFieldLst(TagNotes, std::move(lines));
}

// Tab leaves the memo, as in every edit box; it never goes into the notes.
bool TNotesForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->Notes && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            focusNextPrevChild(key->key() == Qt::Key_Tab &&
                               !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TNotesForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) LoadNotes();
    QWidget::showEvent(event);
}

void TNotesForm::closeEvent(QCloseEvent* event) {
    StoreNotes();
    emit closed();
    QWidget::closeEvent(event);
}
