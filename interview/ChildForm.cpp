#include "ChildForm.h"

#include "Prompter.h"

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
    return ShowMessageBox(text, TMsgKind(kind), buttons);
}

void TChildForm::InformationBox(const std::string& text) {
    ShowMessageBox(text, mkInformation, mbOK);
}

QString TChildForm::AttentionText() const {
    for (QWidget* child : findChildren<QWidget*>()) {
        if (!child->inherits("TTextLbl") || !child->isVisible()) continue;
        if (child->property("Kind").toString() == QLatin1String("tlkAttention"))
            return child->property("plainText").toString();
    }
    return {};
}
