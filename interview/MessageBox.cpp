#include "MessageBox.h"

#include "Cp1252.h"

#include <QApplication>
#include <QPushButton>

namespace {

using SB = QMessageBox::StandardButton;

SB StandardButtonOf(TMsgButton button) {
    switch (button) {
    case mbOK:
        return QMessageBox::Ok;
    case mbCancel:
        return QMessageBox::Cancel;
    case mbAbort:
        return QMessageBox::Abort;
    case mbRetry:
        return QMessageBox::Retry;
    case mbIgnore:
        return QMessageBox::Ignore;
    case mbYes:
        return QMessageBox::Yes;
    case mbNo:
        return QMessageBox::No;
    default:
        return QMessageBox::NoButton;
    }
}

const TMessageBoxStyle* currentStyle = nullptr;

} // namespace

TMessageBoxStyle::TMessageBoxStyle(QString caption, bool questionIcon)
    : FCaption(std::move(caption)), FQuestionIcon(questionIcon), FOuter(currentStyle) {
    currentStyle = this;
}

TMessageBoxStyle::~TMessageBoxStyle() {
    currentStyle = FOuter;
}

QString TMessageBoxStyle::Caption() {
    return currentStyle ? currentStyle->FCaption : QGuiApplication::applicationDisplayName();
}

bool TMessageBoxStyle::QuestionIcon() {
    return currentStyle && currentStyle->FQuestionIcon;
}

QMessageBox::Icon MessageIcon(TMsgKind kind) {
    switch (kind) {
    case mkWarning:
        return QMessageBox::Warning;
    case mkError:
        return QMessageBox::Critical;
    case mkInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QList<SB> MessageButtons(TMsgButtons buttons) {
    switch (buttons & ~TMsgButtons(mbHelp)) {
    case mbYes | mbNo:
        return {QMessageBox::Yes, QMessageBox::No};
    case mbYes | mbNo | mbCancel:
        return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case mbOK | mbCancel:
        return {QMessageBox::Ok, QMessageBox::Cancel};
    case mbCancel | mbRetry:
        return {QMessageBox::Retry, QMessageBox::Cancel};
    case mbAbort | mbRetry | mbIgnore:
        return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    default:
        return {QMessageBox::Ok};
    }
}

int MessageResult(SB button) {
    switch (button) {
    case QMessageBox::Cancel:
        return mrCancel;
    case QMessageBox::Abort:
        return mrAbort;
    case QMessageBox::Retry:
        return mrRetry;
    case QMessageBox::Ignore:
        return mrIgnore;
    case QMessageBox::Yes:
        return mrYes;
    case QMessageBox::No:
        return mrNo;
    default:
        return mrOK;
    }
}

int TQtPrompter::ShowMessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons,
                                TMsgButton defaultButton) {
    QString shown = QString::fromStdString(Cp1252ToUtf8(text));
    shown.replace("\r\n", "\n").replace('\r', '\n');
    const QMessageBox::Icon icon =
        TMessageBoxStyle::QuestionIcon() ? QMessageBox::Question : MessageIcon(kind);
    QMessageBox box(icon, TMessageBoxStyle::Caption(), shown, QMessageBox::NoButton,
                    QApplication::activeWindow());
    const QList<SB> set = MessageButtons(buttons);
    for (SB button : set)
        box.addButton(button);
    const SB preferred = StandardButtonOf(defaultButton);
    box.setDefaultButton(set.contains(preferred) ? preferred : set.first());
    box.setEscapeButton(set.contains(QMessageBox::Cancel) ? QMessageBox::Cancel
                        : set.contains(QMessageBox::No)   ? QMessageBox::No
                                                          : set.first());
    box.exec();
    return MessageResult(box.standardButton(box.clickedButton()));
}

int TQtPrompter::ShowCaptionedMessageBox(const std::string& caption, const std::string& text,
                                         TMsgKind kind, TMsgButtons buttons,
                                         TMsgButton defaultButton) {
    const TMessageBoxStyle style(QString::fromStdString(Cp1252ToUtf8(caption)));
    return ShowMessageBox(text, kind, buttons, defaultButton);
}
