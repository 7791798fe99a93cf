#pragma once
// The module's message box: a modal box captioned with the application title, its icon chosen by
// the kind and its buttons by the set, answering 1 to 7 as the host platform numbers results.

#include "Prompter.h"
#include "ShowMessage.h"

#include <QMessageBox>

// Boxes shown while one of these lives carry its caption instead of the application title, and
// the question icon when asked for (the screens' Yes/No questions).
class TMessageBoxStyle {
public:
    explicit TMessageBoxStyle(QString caption, bool questionIcon = false);
    ~TMessageBoxStyle();
    TMessageBoxStyle(const TMessageBoxStyle&) = delete;
    TMessageBoxStyle& operator=(const TMessageBoxStyle&) = delete;

    // The caption of the next box: the innermost style's, else the application title.
    static QString Caption();
    static bool QuestionIcon();

private:
    QString FCaption;
    bool FQuestionIcon;
    const TMessageBoxStyle* FOuter;
};

class TQtPrompter : public TPrompter {
public:
    int ShowMessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons,
                       TMsgButton defaultButton) override;
    int ShowCaptionedMessageBox(const std::string& caption, const std::string& text, TMsgKind kind,
                                TMsgButtons buttons, TMsgButton defaultButton) override;
};

QMessageBox::Icon MessageIcon(TMsgKind kind);
// The buttons a set shows, in their order on the box.
QList<QMessageBox::StandardButton> MessageButtons(TMsgButtons buttons);
int MessageResult(QMessageBox::StandardButton button);
