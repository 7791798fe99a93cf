#pragma once
// A prompter for tests: records every box and answers from a queue (the default button when the
// queue is empty). Installed for its lifetime.

#include "Prompter.h"

#include <deque>
#include <string>
#include <vector>

struct TScriptedPrompter : TPrompter {
    struct TBox {
        std::string text;
        TMsgKind kind;
        TMsgButtons buttons;
        TMsgButton defaultButton;
    };
    std::vector<TBox> boxes;
    std::deque<int> answers;

    TScriptedPrompter() { SetPrompter(this); }
    ~TScriptedPrompter() override { SetPrompter(nullptr); }

    int ShowMessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons,
                       TMsgButton defaultButton) override {
        boxes.push_back({text, kind, buttons, defaultButton});
        if (answers.empty()) return DefaultResult(buttons, defaultButton);
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const TBox& box : boxes)
            texts.push_back(box.text);
        return texts;
    }
};
