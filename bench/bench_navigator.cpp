// Opening a navigation screen and the validate screen for the large family, as the user waits
// for them: the navigator's topics and the completeness check included.

#include "../tests/calc/FamilyBuilder.h"
#include "../tests/calc/LargeFamily.h"

#include "CalcTags.h"

#include "DataFile.h"
#include "FieldStore.h"
#include "Frame.h"
#include "ModuleText.h"
#include "NavigatorData.h"
#include "Prompter.h"
#include "RunState.h"
#include "vesk2004.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string Key = "12345678";

// Every section answered up to the maintenance of the dependants, so that the navigator walks
// all its rules, the maintenance relevance of twenty dependants included.
void AnswerEverySection() {
    SetFieldVal(TagResidentAllYear, 1);
    SetFieldVal(TagTaxFreePensions, ExplicitZero);
    SetFieldChecked(1299);
    SetFieldStr(1271, "1");
    SetFieldChecked(1283);
    Family().OwnMaintenanceDone();
    for (int spouse = 1; spouse <= WorksheetInstanceCount(SpouseGroup); ++spouse) {
        UnpackWorksheetInstance(SpouseGroup, spouse);
        SetFieldStr(TagMaintenanceDone, "1");
        PackWorksheetInstance(SpouseGroup, spouse);
    }
}

// The large family saved as a return, then the module run on it from the screen given.
class TLargeFamilyRun {
public:
    explicit TLargeFamilyRun(int startScreen) {
        BuildLargeFamily(20000);
        AnswerEverySection();
        RunState().KeySource = Key;
        SetFieldStr(TagKeySource, Key);
        SaveDataFile(path_);
        FreeFieldStore();
        const std::string file = Pascal(path_), key = Pascal(Key), none = Pascal("");
        RunVeskModule(host_.winId(), host_.winId(), Bytes(file), Bytes(key), Bytes(none),
                      startScreen, 0, 0, 800, 600, 0, 0);
        QCoreApplication::processEvents();
    }
    ~TLargeFamilyRun() { FreeDLLResources(); }
    TLargeFamilyRun(const TLargeFamilyRun&) = delete;
    TLargeFamilyRun& operator=(const TLargeFamilyRun&) = delete;

private:
    QTemporaryDir folder_;
    QWidget host_;
    std::string path_ = folder_.filePath("LARGE.TAX").toStdString();
};

TSilentPrompter silent;

// Each round stores, destroys and creates the screen again, as a return to it does.
void ShowAgain(benchmark::State& state, int screenId) {
    SetPrompter(&silent);
    const TLargeFamilyRun run(screenId);
    TFrameWnd* frame = FrameWnd();
    for (auto _ : state) {
        RunState().CurrentSection = screenId / 100;
        RunState().CurrentItem = screenId % 100;
        frame->ShowScreen();
        QCoreApplication::sendPostedEvents();
        benchmark::DoNotOptimize(frame->Screen());
    }
    state.counters["shown"] = frame->ScreenId();
    state.counters["topics"] = TVeskNavigatorData::Instance().Count();
}

void BM_NavigationScreen(benchmark::State& state) {
    ShowAgain(state, 7837);
}
BENCHMARK(BM_NavigationScreen)->Unit(benchmark::kMillisecond);

// The large family is incomplete: 7858 runs the check and turns into 7859, which runs it again.
void BM_ValidateScreen(benchmark::State& state) {
    ShowAgain(state, 7858);
}
BENCHMARK(BM_ValidateScreen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
