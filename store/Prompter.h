#pragma once
// The one way the core asks or tells the user something. The module installs a prompter built
// on its message box, vesk-tool one that writes to stderr, tests a scripted one.

#include <string>

enum TMsgKind { mkWarning = 0, mkError = 1, mkInformation = 2, mkConfirmation = 3, mkPlain = 4 };

// Button sets are combinations of these flags.
enum TMsgButton : unsigned {
    mbOK = 1,
    mbCancel = 2,
    mbAbort = 4,
    mbRetry = 8,
    mbIgnore = 16,
    mbYes = 32,
    mbNo = 64,
    mbHelp = 128,
};
using TMsgButtons = unsigned;

// Results of a box, as the host platform numbers them.
enum TModalResult {
    mrOK = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7
};

class TPrompter {
public:
    virtual ~TPrompter() = default;
    // text is single-byte Windows-1252, like every text of the store. defaultButton 0 lets the
    // prompter choose the first button of the set.
    virtual int ShowMessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons,
                               TMsgButton defaultButton) = 0;
    // A box with a caption of its own instead of the application title. Prompters that show no
    // captions need not override it.
    virtual int ShowCaptionedMessageBox(const std::string& caption, const std::string& text,
                                        TMsgKind kind, TMsgButtons buttons,
                                        TMsgButton defaultButton) {
        (void)caption;
        return ShowMessageBox(text, kind, buttons, defaultButton);
    }
};

// Answers every box with its default button and shows nothing: for batch work and benchmarks.
class TSilentPrompter : public TPrompter {
public:
    int ShowMessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons,
                       TMsgButton defaultButton) override;
};

// Installs the prompter every box goes through (not owned); nullptr restores the default one,
// which writes to stderr and answers with the default button.
void SetPrompter(TPrompter* prompter);
TPrompter& Prompter();

int ShowMessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons = mbOK,
                   TMsgButton defaultButton = TMsgButton(0));
int ShowCaptionedMessageBox(const std::string& caption, const std::string& text, TMsgKind kind,
                            TMsgButtons buttons = mbOK, TMsgButton defaultButton = TMsgButton(0));

// The button a box answers with when nobody presses one.
int DefaultResult(TMsgButtons buttons, TMsgButton defaultButton);
