#include "ScreenRegistry.h"

#include "ChildForm.h"

#include <algorithm>
#include <map>
#include <string>

namespace {

constexpr TAnswerKind N = TAnswerKind::akNext;
constexpr TAnswerKind YN = TAnswerKind::akYesNo;

constexpr TScreenInfo screenTable[] = {
    {7803, "TQVESK_51", N, 542},
    {7804, "TQVESK_38", N, 530},
    {7805, "TQVESK_02", YN, 584},
    {7806, "TQVESK_01", YN, 511},
    {7807, "TQVESK_03", YN, 504},
    {7808, "TQVESK_27", YN, 542},
    {7809, "TQVESK_36", YN, 552},
    {7810, "TQVESK_37", N, 552},
    {7811, "TQVESK_21", N, 524},
    {7812, "TQVESK_38", N, 553},
    {7813, "TQVESK_05", N, 525},
    {7814, "TQVESK_28", N, 529},
    {7815, "TQVESK_41", YN, 529},
    {7816, "TQVESK_38", N, 553},
    {7817, "TQVESK_05a", YN, 506},
    {7818, "TQVESK_06", N, 506},
    {7819, "TQVESK_06a", YN, 506},
    {7820, "TQVESK_06b", N, 539},
    {7821, "TQVESK_08", N, 555},
    {7822, "TQVESK_38", N, 553},
    {7823, "TQVESK_42", YN, 544},
    {7824, "TQVESK_43", N, 544},
    {7825, "TQVESK_58", N, 542},
    {7826, "TQVESK_38", N, 553},
    {7827, "TQVESK_09", N, 550},
    {7828, "TQVESK_39", N, 557},
    {7829, "TQVESK_40", YN, 557},
    {7830, "TQVESK_11", N, 522},
    {7831, "TQVESK_12", N, 522},
    {7832, "TQVESK_49", N, 585},
    {7833, "TQVESK_13_Alternative", N, 569},
    {7834, "TQVESK_35", N, 570},
    {7835, "TQVESK_14", N, 571},
    {7836, "TQVESK_15", YN, 550},
    {7837, "TQVESK_38", N, 545},
    {7838, "TQVESK_33", N, 574},
    {7839, "TQVESK_32", N, 573},
    {7840, "TQVESK_34", YN, 573},
    {7841, "TQVESK_33", N, 574},
    {7842, "TQVESK_38", N, 583},
    {7843, "TQVESK_47", YN, 583},
    {7844, "TQVESK_48", YN, 583},
    {7845, "TQVESK_30", YN, 579},
    {7846, "TQVESK_19a", N, 581},
    {7847, "TQVESK_20", N, 582},
    {7848, "TQVESK_57", YN, 583},
    {7849, "TQVESK_38", N, 553},
    {7850, "TQVESK_33", N, 574},
    {7851, "TQVESK_45", YN, 576},
    {7852, "TQVESK_46", YN, 575},
    {7853, "TQVESK_19", N, 577},
    {7854, "TQVESK_31", YN, 579},
    {7855, "TQVESK_18", N, 581},
    {7856, "TQVESK_17", N, 582},
    {7857, "TQVESK_56", YN, 576},
    {7858, "TQVESK_38", N, 553},
    {7859, "TQVESK_38", N, 546},
};
static_assert(std::size(screenTable) == LastScreenId - FirstScreenId + 1);

// Function-local so that registrars in other units may run before anything here.
std::map<std::string, TScreenFactory>& ClassFactories() {
    static std::map<std::string, TScreenFactory> factories;
    return factories;
}

std::map<int, TScreenFactory>& TestScreens() {
    static std::map<int, TScreenFactory> screens;
    return screens;
}

TScreenFactory FactoryFor(int id) {
    if (auto test = TestScreens().find(id); test != TestScreens().end()) return test->second;
    const TScreenInfo* info = FindScreenInfo(id);
    if (!info) return {};
    auto found = ClassFactories().find(info->className);
    return found == ClassFactories().end() ? TScreenFactory{} : found->second;
}

} // namespace

const TScreenInfo* FindScreenInfo(int id) {
    if (id < FirstScreenId || id > LastScreenId) return nullptr;
    return &screenTable[id - FirstScreenId];
}

void RegisterScreenClass(const char* className, TScreenFactory factory) {
    ClassFactories()[className] = std::move(factory);
}

TChildForm* CreateScreen(int id) {
    const TScreenFactory factory = FactoryFor(id);
    if (!factory) return nullptr;
    TChildForm* screen = factory();
    if (const TScreenInfo* info = FindScreenInfo(id); screen && info && screen->HelpContext() == 0)
        screen->setHelpContext(info->helpContext);
    return screen;
}

void RegisterTestScreen(int id, TScreenFactory factory) {
    TestScreens()[id] = std::move(factory);
}

void ClearTestScreens() {
    TestScreens().clear();
}
