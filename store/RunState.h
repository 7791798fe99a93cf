#pragma once
// The module's run state: what one run of the interview keeps between the host's calls.

#include <cstdint>
#include <string>
#include <vector>

constexpr int IncomeYearDefault = 2004;

// Outcome of the data file load, kept so that a return that could not be read is never
// written over by an empty or partial store.
enum class TLoadOutcome { NotLoaded, Loaded, NoFile, Failed };

struct TRunState {
    std::uintptr_t HostNotifyWindow = 0;
    std::string DataFilePath;
    std::string CurrentFileName;
    std::string KeySource;
    int CurrentSection = 0;
    int CurrentItem = 0;
    bool ScreenShown = false;
    bool DataModified = false;
    bool ScreenValid = true;
    std::vector<std::int32_t> ScreenHistory;
    bool SupportMode = false;
    bool VisionImpairedMode = false;
    int IncomeYear = IncomeYearDefault;
    int FailedScreenId = 0;
    int CurrentWorksheetGroup = 0;
    int CurrentWorksheetInstance = 0;
    TLoadOutcome LoadOutcome = TLoadOutcome::NotLoaded;
    std::string LoadedPath; // the path LoadOutcome speaks of
};

TRunState& RunState();
// Back to a fresh state, as before the first run.
void ResetRunState();
