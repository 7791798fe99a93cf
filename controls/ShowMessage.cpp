#include "ShowMessage.h"

#include "Cp1252.h"

int ShowMessageBox(const QString& text, TMsgKind kind, TMsgButtons buttons,
                   TMsgButton defaultButton) {
    return ShowMessageBox(Utf8ToCp1252(text.toStdString()), kind, buttons, defaultButton);
}
