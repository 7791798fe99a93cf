#include "ChildForm.h"

#include "MessageBox.h"
#include "Prompter.h"
#include "TextLbl.h"

THandlerSlots& HandlerSlots() {
    static THandlerSlots handlers;
    return handlers;
}

TChildForm::TChildForm(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    hide();
}

int TChildForm::MessageBoxWithHelp(const std::string& text, int kind, unsigned buttons) {
    // The confirmation kind of the screens' own boxes shows the question icon.
    TMessageBoxStyle style(TMessageBoxStyle::Caption(), kind == mkConfirmation);
    return ShowMessageBox(text, TMsgKind(kind), buttons);
}

void TChildForm::InformationBox(const std::string& text) {
    ShowMessageBox(text, mkInformation, mbOK);
}

QString TChildForm::AttentionText() const {
    for (const TTextLbl* label : findChildren<TTextLbl*>())
        if (label->isVisible() && label->kind() == TTextLbl::tlkAttention)
            return label->plainText();
    return {};
}
