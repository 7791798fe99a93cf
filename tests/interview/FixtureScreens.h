#pragma once
// Screens of the tests' own, standing in for the question screens: a Next screen with one
// control of each bound kind, a Yes/No question, a screen with a leave check and a worksheet
// screen that edits a dependant.

#include "ChildForm.h"

// Field numbers the fixtures bind.
constexpr int TagFixtureText = 1268;
constexpr int TagFixtureCombo = 1269;
constexpr int TagFixtureCheck = 1270;
constexpr int TagFixtureAmount = 1271;
constexpr int TagFixtureLabel = 1272;
constexpr int TagFixtureGrid = 1273;

constexpr int FixtureIntroId = 7803;
constexpr int FixtureQuestionId = 7804;
constexpr int FixtureCheckedId = 7805;
constexpr int FixtureDependantId = 7806;

extern const char* const FixtureAmountMessage;

// Registers the four screens through the registry's test hook.
void RegisterFixtureScreens();

class TFixtureIntro : public TChildForm {
    Q_OBJECT
public:
    TFixtureIntro();
};

class TFixtureQuestion : public TChildForm {
    Q_OBJECT
public:
    TFixtureQuestion();
    void FormShow() override;
    // How often the screen was created, to see a same-target answer re-create it.
    static int created;
};

class TFixtureChecked : public TChildForm {
    Q_OBJECT
public:
    TFixtureChecked();
    void FormShow() override;
};

class TFixtureDependant : public TChildForm {
    Q_OBJECT
public:
    TFixtureDependant();
    void FormShow() override;
};
