// Every question screen the module has, shown on the large family (LargeFamily.h): the time of one
// switch, from the frame's switch to the new screen painted (the old screen stored and destroyed,
// the new one created, filled, shown and painted). A table at the end gives each screen's median
// against its target: 16 ms, 100 ms for the navigation and validate screen that runs the
// completeness check. While no question screen is registered the shell's fixture screens stand in.

#include "../tests/calc/LargeFamily.h"

#include "DataFile.h"
#include "FieldStore.h"
#include "FixtureScreens.h"
#include "Frame.h"
#include "ModuleText.h"
#include "Prompter.h"
#include "RunState.h"
#include "ScreenRegistry.h"
#include "vesk2004.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string Key = "12345678";
constexpr double ScreenTarget = 16;
constexpr double NavigationTarget = 100;

// The one class that serves as navigation and validate screen runs the whole-claim checks.
bool NavigationScreen(int id) {
    const TScreenInfo* info = FindScreenInfo(id);
    return info && std::strcmp(info->className, "TQVESK_38") == 0;
}

class TLargeClaim {
public:
    TLargeClaim() {
        BuildLargeFamily(30000);
        RunState().KeySource = Key;
        SetFieldStr(TagKeySource, Key);
        saved_ = SaveDataFile(pristine_.toStdString()) == 0;
        FreeFieldStore();
    }
    bool Saved() const { return saved_; }

    // Starts the module at the id on a fresh copy of the family; true when the id has a screen.
    bool Run(int id) {
        QFile::remove(path_);
        QFile::remove(path_ + ".BAK");
        QFile::copy(pristine_, path_);
        const std::string file = Pascal(path_.toStdString()), key = Pascal(Key),
                          reserved = Pascal("");
        RunVeskModule(host_.winId(), host_.winId(), Bytes(file), Bytes(key), Bytes(reserved), id, 0,
                      0, 800, 600, 0, 0);
        QCoreApplication::processEvents();
        return FrameWnd() && FrameWnd()->Screen() && FrameWnd()->ScreenId() == id;
    }

private:
    QTemporaryDir folder_;
    QString pristine_ = folder_.filePath("LARGE.TAX");
    QString path_ = folder_.filePath("RUN.TAX");
    QWidget host_;
    bool saved_ = false;
};

std::map<int, std::vector<double>> switchTimes; // milliseconds per screen id

void BM_ShowScreen(benchmark::State& state, TLargeClaim* claim, int id) {
    if (!claim->Run(id)) {
        state.SkipWithError("the screen did not show");
        FreeDLLResources();
        return;
    }
    std::vector<double>& times = switchTimes[id];
    QElapsedTimer clock;
    for (auto _ : state) {
        // The same target again: the frame leaves the screen and shows a new one.
        clock.start();
        FrameWnd()->ShowScreen();
        const double milliseconds = clock.nsecsElapsed() / 1e6;
        state.SetIterationTime(milliseconds / 1e3);
        times.push_back(milliseconds);
        benchmark::DoNotOptimize(FrameWnd()->Screen());
    }
    FreeDLLResources();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PrintTable() {
    int slow = 0;
    std::printf("\nscreen   median ms   target ms\n");
    for (const auto& [id, times] : switchTimes) {
        if (times.empty()) continue;
        const double median = Median(times);
        const double target = NavigationScreen(id) ? NavigationTarget : ScreenTarget;
        const bool over = median > target;
        slow += over;
        std::printf("%d   %9.2f   %9.0f%s\n", id, median, target, over ? "   SLOW" : "");
    }
    std::printf("%d of %zu screens over their target\n", slow, switchTimes.size());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TSilentPrompter prompter;
    SetPrompter(&prompter);
    TLargeClaim claim;
    if (!claim.Saved()) {
        std::fprintf(stderr, "bench_screens: cannot save the large family\n");
        return 1;
    }
    std::vector<int> ids;
    auto collect = [&] {
        for (int id = FirstScreenId; id <= LastScreenId; ++id) {
            if (claim.Run(id)) ids.push_back(id);
            FreeDLLResources();
        }
    };
    collect();
    if (ids.empty()) {
        std::printf("No question screen is registered: timing the shell's fixture screens.\n");
        RegisterFixtureScreens();
        collect();
    }
    for (const int id : ids)
        benchmark::RegisterBenchmark(("BM_ShowScreen/" + std::to_string(id)).c_str(), BM_ShowScreen,
                                     &claim, id)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(30);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintTable();
    return 0;
}
