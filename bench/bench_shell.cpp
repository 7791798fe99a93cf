// The shell's speed as a user feels it: a screen switch from Next to the new screen painted,
// and RunVeskModule to the first screen painted (the library already loaded).

#include "FixtureScreens.h"
#include "Frame.h"
#include "ModuleRun.h"
#include "ModuleText.h"
#include "Prompter.h"
#include "vesk2004.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

struct TRun {
    QTemporaryDir folder;
    QWidget host;
    std::string path = Pascal(folder.filePath("BENCH.TAX").toStdString());
    std::string key = Pascal("12345678");
    std::string reserved = Pascal("");

    void Start() {
        RunVeskModule(host.winId(), host.winId(), Bytes(path), Bytes(key), Bytes(reserved),
                      FixtureIntroId, 0, 0, 800, 600, 0, 0);
    }
};

void BM_ScreenSwitch(benchmark::State& state) {
    TRun run;
    run.Start();
    TFrameWnd* frame = FrameWnd();
    for (auto _ : state) {
        // Next from the introduction, Prev from the question: one switch each.
        if (frame->ScreenId() == FixtureIntroId)
            frame->NextButton()->click();
        else
            frame->PrevButton()->click();
        benchmark::DoNotOptimize(frame->Screen());
    }
    FreeDLLResources();
}
BENCHMARK(BM_ScreenSwitch)->Unit(benchmark::kMillisecond);

void BM_RunToFirstPaint(benchmark::State& state) {
    TRun run;
    for (auto _ : state) {
        run.Start();
        benchmark::DoNotOptimize(FrameWnd()->Screen());
        state.PauseTiming();
        FreeDLLResources();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RunToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TSilentPrompter prompter;
    SetPrompter(&prompter);
    RegisterFixtureScreens();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetPrompter(nullptr);
    return 0;
}
