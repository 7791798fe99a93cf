/* The interview module's interface for host programs.
 *
 * A host loads the library (libVESK2004DLL.so), may call CheckVersion, then calls
 * RunVeskModule once from its GUI thread and keeps running its event loop there. The module
 * posts an event to the notify window when the interview ends: VESK_WM_DONE when it reached a
 * screen id that belongs to the host (GetFailedScreenIndex names it), VESK_WM_CLOSED when the
 * user closed the module. The host then calls FreeDLLResources, which saves the return, and
 * unloads the library.
 *
 * Window handles are the host toolkit's native window ids (Qt: QWidget::winId()); the events
 * are posted as QEvent objects whose type is the message number. Texts are length-prefixed
 * 8-bit strings: the first byte holds the length (0 to 255), the characters follow, in
 * Windows-1252.
 */
#ifndef VESK2004_H
#define VESK2004_H

#include <stdint.h>

#if defined(_WIN32) && defined(__i386__)
#define VESK_CALL __attribute__((stdcall))
#else
#define VESK_CALL
#endif

#if defined(_WIN32)
#define VESK_EXPORT __declspec(dllexport)
#else
#define VESK_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef uintptr_t VeskWindow;

enum { VESK_INTERFACE_VERSION = 1, VESK_WM_DONE = 1131, VESK_WM_CLOSED = 1132 };

/* The sign of 1 - version: 0 when the host expects this module's interface. Only the low 16
 * bits of the argument count. */
VESK_EXPORT int16_t VESK_CALL CheckVersion(int32_t version);

/* The screen id at which the user continues in the host; 0 before the interview reached one. */
VESK_EXPORT int32_t VESK_CALL GetFailedScreenIndex(void);

/* Starts the interview on the data file and returns at once, the module's window open. */
VESK_EXPORT void VESK_CALL RunVeskModule(VeskWindow owner, VeskWindow notifyWindow,
                                         const unsigned char* dataFilePath,
                                         const unsigned char* keyText,
                                         const unsigned char* reserved, int32_t startScreen,
                                         int32_t left, int32_t top, int32_t width, int32_t height,
                                         uint8_t maximised, uint8_t minimised);

/* Saves the return to the path given to RunVeskModule and ends the run: 1 on success, 0 when
 * anything failed (the return is then not saved, or there was no run). */
VESK_EXPORT uint8_t VESK_CALL FreeDLLResources(void);

/* Function pointer types for hosts that resolve the exports at run time. */
typedef int16_t(VESK_CALL* VeskCheckVersionFn)(int32_t);
typedef int32_t(VESK_CALL* VeskGetFailedScreenIndexFn)(void);
typedef void(VESK_CALL* VeskRunModuleFn)(VeskWindow, VeskWindow, const unsigned char*,
                                         const unsigned char*, const unsigned char*, int32_t,
                                         int32_t, int32_t, int32_t, int32_t, uint8_t, uint8_t);
typedef uint8_t(VESK_CALL* VeskFreeResourcesFn)(void);

#ifdef __cplusplus
}
#endif

#endif
