// The residency screens as a user feels them: Next from the residency table, whose checks walk
// every day of the income year, to the Corvel periods painted, and Prev back.

#include "FieldStore.h"
#include "Frame.h"
#include "ModuleText.h"
#include "Prompter.h"
#include "vesk2004.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int ResidentAllYearId = 7809;
constexpr int ResidencyTableId = 7810;

// A year split into monthly periods, so the checks compare every row with every other.
TStringList MonthlyResidency() {
    static const char* const bounds[][2] = {
        {"01/07/2003", "31/07/2003"}, {"01/08/2003", "31/08/2003"}, {"01/09/2003", "30/09/2003"},
        {"01/10/2003", "31/10/2003"}, {"01/11/2003", "30/11/2003"}, {"01/12/2003", "31/12/2003"},
        {"01/01/2004", "31/01/2004"}, {"01/02/2004", "29/02/2004"}, {"01/03/2004", "31/03/2004"},
        {"01/04/2004", "30/04/2004"}, {"01/05/2004", "31/05/2004"}, {"01/06/2004", "30/06/2004"}};
    TStringList lines;
    for (const auto& month : bounds)
        lines.insert(lines.end(), {"Australian resident", month[0], month[1]});
    return lines;
}

void BM_ResidencyTableNextAndPrev(benchmark::State& state) {
    QTemporaryDir folder;
    QWidget host;
    const std::string path = Pascal(folder.filePath("BENCH.TAX").toStdString());
    const std::string key = Pascal("12345678");
    const std::string reserved = Pascal("");
    RunVeskModule(host.winId(), host.winId(), Bytes(path), Bytes(key), Bytes(reserved),
                  ResidentAllYearId, 0, 0, 800, 600, 0, 0);
    SetFieldLst(1266, MonthlyResidency());
    TFrameWnd* frame = FrameWnd();
    frame->NoButton()->click();
    QCoreApplication::processEvents();
    if (frame->ScreenId() != ResidencyTableId)
        state.SkipWithError("the residency table is not shown");
    int unchanged = 0;
    for (auto _ : state) {
        const int before = frame->ScreenId();
        if (before == ResidencyTableId)
            frame->NextButton()->click();
        else
            frame->PrevButton()->click();
        benchmark::DoNotOptimize(frame->Screen());
        if (frame->ScreenId() == before) ++unchanged;
    }
    if (unchanged > 0) state.SkipWithError("a click left the screen as it was");
    FreeDLLResources();
}
BENCHMARK(BM_ResidencyTableNextAndPrev)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TSilentPrompter prompter;
    SetPrompter(&prompter);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetPrompter(nullptr);
    return 0;
}
