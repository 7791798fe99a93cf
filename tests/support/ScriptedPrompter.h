#pragma once
// A prompter for tests: records every box and answers the questions from a queue, in order.
// A box with no queued answer gets its default button, so information boxes need no script.
// Installed for its lifetime.

#include "Prompter.h"

#include <deque>
#include <string>
#include <vector>

struct TShownBox {
    std::string caption; // empty for the application title
    std::string text;
    TMsgKind kind;
    TMsgButtons buttons;
    TMsgButton defaultButton;
};

class TScriptedPrompter : public TPrompter {
public:
    TScriptedPrompter() { SetPrompter(this); }
    ~TScriptedPrompter() override {
        if (&Prompter() == this) SetPrompter(nullptr); // a successor may be installed already
    }
    TScriptedPrompter(const TScriptedPrompter&) = delete;
    TScriptedPrompter& operator=(const TScriptedPrompter&) = delete;

    // Queues the result (mrYes, mrNo, ...) for the next box shown.
    TScriptedPrompter& Answer(int result) {
        answers.push_back(result);
        return *this;
    }

    int ShowMessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons,
                       TMsgButton defaultButton) override {
        return ShowCaptionedMessageBox("", text, kind, buttons, defaultButton);
    }

    int ShowCaptionedMessageBox(const std::string& caption, const std::string& text, TMsgKind kind,
                                TMsgButtons buttons, TMsgButton defaultButton) override {
        boxes.push_back({caption, text, kind, buttons, defaultButton});
        if (answers.empty()) return DefaultResult(buttons, defaultButton);
        const int result = answers.front();
        answers.pop_front();
        return result;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const TShownBox& box : boxes)
            texts.push_back(box.text);
        return texts;
    }
    std::size_t AnswersLeft() const { return answers.size(); }

    std::vector<TShownBox> boxes;
    std::deque<int> answers;
};

// Installs a prompter for the lifetime of the scope.
class TPrompterScope {
public:
    explicit TPrompterScope(TPrompter& prompter) { SetPrompter(&prompter); }
    ~TPrompterScope() { SetPrompter(nullptr); }
    TPrompterScope(const TPrompterScope&) = delete;
    TPrompterScope& operator=(const TPrompterScope&) = delete;
};
