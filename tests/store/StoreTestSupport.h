#pragma once
// A fresh store and run state per test, and a prompter that records every box.

#include "FieldStore.h"
#include "Prompter.h"
#include "RunState.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class TRecordingPrompter : public TPrompter {
public:
    int ShowMessageBox(const std::string& text, TMsgKind kind, TMsgButtons buttons,
                       TMsgButton defaultButton) override {
        messages.push_back(text);
        kinds.push_back(kind);
        return DefaultResult(buttons, defaultButton);
    }
    std::vector<std::string> messages;
    std::vector<TMsgKind> kinds;
};

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRunState();
        CreateFieldStore();
        SetPrompter(&prompter);
    }
    void TearDown() override {
        SetPrompter(nullptr);
        FreeFieldStore();
        ResetRunState();
    }
    TRecordingPrompter prompter;
};

// A folder of its own for each test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("vesk-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};
