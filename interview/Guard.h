#pragma once
// The boundary of every event handler: nothing thrown inside may cross into the event loop.
// A failure is told to the user, and the module stays usable.

#include <exception>
#include <string>

void ReportUnexpectedError(const std::string& what);

template <class F>
bool Guarded(F&& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ReportUnexpectedError(error.what());
    } catch (...) {
        ReportUnexpectedError("unknown error");
    }
    return false;
}
