#pragma once
// A fresh store, run state and scripted prompter for each calculation test.

#include "../support/ScriptedPrompter.h"
#include "FamilyBuilder.h"

#include "ATICalcs.h"
#include "Lookups.h"
#include "RunState.h"

#include <gtest/gtest.h>

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
