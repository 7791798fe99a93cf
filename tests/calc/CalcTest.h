#pragma once
// A fresh store, run state and scripted prompter for each calculation test.

#include "../support/ScriptedPrompter.h"
#include "FamilyBuilder.h"

#include "ATICalcs.h"
#include "Lookups.h"
#include "RunState.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

class CalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRunState();
        CreateFieldStore();
    }
    void TearDown() override {
        FreeFieldStore();
        ResetRunState();
    }

    TScriptedPrompter prompter;
    TPrompterScope prompterScope{prompter};
};

namespace {

// Table cases carry a description in `what`: it names the case in test names and messages.
template <typename TCase>
requires requires(const TCase& c) {
    c.what;
}
void PrintTo(const TCase& c, std::ostream* out) {
    *out << c.what;
}

template <typename TCase>
std::string CaseName(const ::testing::TestParamInfo<TCase>& info) {
    std::string name;
    bool upper = true;
    for (const char* c = info.param.what; *c; ++c) {
        const bool alnum = std::isalnum(static_cast<unsigned char>(*c));
        if (alnum) name += upper ? char(std::toupper(static_cast<unsigned char>(*c))) : *c;
        upper = !alnum;
    }
    return name;
}

} // namespace
