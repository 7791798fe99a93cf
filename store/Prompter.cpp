#include "Prompter.h"

#include <cstdio>

namespace {

int ResultOf(TMsgButton button) {
    switch (button) {
    case mbCancel:
        return mrCancel;
    case mbAbort:
        return mrAbort;
    case mbRetry:
        return mrRetry;
    case mbIgnore:
        return mrIgnore;
    case mbYes:
        return mrYes;
    case mbNo:
        return mrNo;
    default:
        return mrOK;
    }
}

class TStderrPrompter : public TPrompter {
public:
    int ShowMessageBox(const std::string& text, TMsgKind, TMsgButtons buttons,
                       TMsgButton defaultButton) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return DefaultResult(buttons, defaultButton);
    }
};

TStderrPrompter stderrPrompter;
TPrompter* installed = nullptr;

} // namespace

int TSilentPrompter::ShowMessageBox(const std::string&, TMsgKind, TMsgButtons buttons,
                                    TMsgButton defaultButton) {
    return DefaultResult(buttons, defaultButton);
}

void SetPrompter(TPrompter* prompter) {
    installed = prompter;
}

TPrompter& Prompter() {
    return installed ? *installed : stderrPrompter;
}

int ShowMessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons,
                   TMsgButton defaultButton) {
    return Prompter().ShowMessageBox(text, kind, buttons, defaultButton);
}

int ShowCaptionedMessageBox(const std::string& caption, const std::string& text, TMsgKind kind,
                            TMsgButtons buttons, TMsgButton defaultButton) {
    return Prompter().ShowCaptionedMessageBox(caption, text, kind, buttons, defaultButton);
}

int DefaultResult(TMsgButtons buttons, TMsgButton defaultButton) {
    if (defaultButton != 0) return ResultOf(defaultButton);
    for (TMsgButton b : {mbYes, mbOK, mbRetry, mbAbort, mbNo, mbCancel, mbIgnore})
        if (buttons & b) return ResultOf(b);
    return mrOK;
}
