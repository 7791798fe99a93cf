#pragma once
// The module's message box for Qt texts: converts to the store's code page and goes through the
// installed prompter like every other box.

#include "Prompter.h"

#include <QString>

int ShowMessageBox(const QString& text, TMsgKind kind, TMsgButtons buttons = mbOK,
                   TMsgButton defaultButton = TMsgButton(0));

// The error box with an OK button that every failed entry check shows.
inline void ShowErrorBox(const QString& text) {
    ShowMessageBox(text, mkError, mbOK);
}
