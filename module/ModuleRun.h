#pragma once
// One interview run: start-up, tear-down and the windows that outlive it until unloading.

#include <cstdint>
#include <string>

class TMainForm;

struct TRunArguments {
    std::uintptr_t owner = 0;
    std::uintptr_t notifyWindow = 0;
    std::string dataFilePath;
    std::string keyText;
    std::string reserved;
    int startScreen = 0;
    int left = 0, top = 0, width = 0, height = 0;
    bool maximised = false;
    bool minimised = false;
};

// A second start while a run is under way only brings its window to the front.
void StartRun(const TRunArguments& arguments);
// Saves and ends the run; false when there was no run or anything failed.
bool FreeRun();
bool RunActive();
// The main window of the current or last run (it stays until unloading), or nullptr.
TMainForm* MainForm();
// What unloading does: the windows go.
void DestroyModuleWindows();
