// The four functions the host calls. Nothing thrown inside may reach the host.

#include "vesk2004.h"

#include "Guard.h"
#include "ModuleRun.h"
#include "RunState.h"

namespace {

std::string PascalString(const unsigned char* text) {
    return text ? std::string(reinterpret_cast<const char*>(text + 1), text[0]) : std::string();
}

} // namespace

extern "C" {

VESK_EXPORT int16_t VESK_CALL CheckVersion(int32_t version) {
    const int16_t asked = static_cast<int16_t>(version & 0xFFFF);
    return asked == VESK_INTERFACE_VERSION ? 0 : asked > VESK_INTERFACE_VERSION ? -1 : 1;
}

VESK_EXPORT int32_t VESK_CALL GetFailedScreenIndex(void) {
    return RunState().FailedScreenId;
}

VESK_EXPORT void VESK_CALL RunVeskModule(VeskWindow owner, VeskWindow notifyWindow,
                                         const unsigned char* dataFilePath,
                                         const unsigned char* keyText,
                                         const unsigned char* reserved, int32_t startScreen,
                                         int32_t left, int32_t top, int32_t width, int32_t height,
                                         uint8_t maximised, uint8_t minimised) {
    Guarded([&] {
        TRunArguments arguments;
        arguments.owner = owner;
        arguments.notifyWindow = notifyWindow;
        arguments.dataFilePath = PascalString(dataFilePath);
        arguments.keyText = PascalString(keyText);
        arguments.reserved = PascalString(reserved);
        arguments.startScreen = startScreen;
        arguments.left = left;
        arguments.top = top;
        arguments.width = width;
        arguments.height = height;
        arguments.maximised = maximised != 0;
        arguments.minimised = minimised != 0;
        StartRun(arguments);
    });
}

VESK_EXPORT uint8_t VESK_CALL FreeDLLResources(void) {
    bool freed = false;
    const bool ok = Guarded([&] { freed = FreeRun(); });
    return ok && freed ? 1 : 0;
}
}
