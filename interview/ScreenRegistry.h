#pragma once
// The screen ids of the interview with the class, help context and answer kind behind each, and
// the factory that turns an id into a screen. An id without a factory is an exit to the host.

#include <functional>

class TChildForm;

enum class TAnswerKind { akNext, akYesNo };

struct TScreenInfo {
    int id;
    const char* className;
    TAnswerKind answer;
    int helpContext;
};

constexpr int FirstScreenId = 7803;
constexpr int LastScreenId = 7859;

// The table's row for the id, or nullptr outside 7803..7859.
const TScreenInfo* FindScreenInfo(int id);

using TScreenFactory = std::function<TChildForm*()>;

// A screen class makes itself known with one line in its unit:
//     VESK_REGISTER_SCREEN(TQVESK_38)
void RegisterScreenClass(const char* className, TScreenFactory factory);

struct TScreenRegistrar {
    TScreenRegistrar(const char* className, TScreenFactory factory) {
        RegisterScreenClass(className, std::move(factory));
    }
};
#define VESK_REGISTER_SCREEN(Class)                                                                \
    static const TScreenRegistrar registrar##Class(#Class, [] { return new Class; });

// A new screen for the id, or nullptr when the id is an exit. The screen's help context is the
// table's unless the screen set its own.
TChildForm* CreateScreen(int id);

// Test hook: screens for ids of the test's choosing, in front of the table.
void RegisterTestScreen(int id, TScreenFactory factory);
void ClearTestScreens();
