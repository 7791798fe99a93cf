// What one answer on a dependant maintenance screen costs: the next-dependant rule walks the
// maintenance-relevant list (the family test on every change date) once or twice. A family of
// 20 children, each with 10 shared-care changes over the year, every child finished.

#include "../tests/calc/FamilyBuilder.h"

#include "CalcTags.h"
#include "Dates.h"
#include "Lookups.h"
#include "MaintenanceFlow.h"
#include "Prompter.h"
#include "RunState.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Children = 20;
constexpr int ChangesEach = 10;

void BuildFinishedFamily() {
    ResetRunState();
    CreateFieldStore();
    TFamily family = Family();
    family.Claimant(20000).Payers({"Chris"}).OwnMaintenanceDone();
    for (int index = 0; index < Children; ++index) {
        TChild child = Child("Child" + std::to_string(index));
        child.Born("01/01/" + std::to_string(1990 + index % 13)).SharedCare(100).MaintenanceDone();
        for (int change = 0; change < ChangesEach; ++change)
            child.Event(FormatDate(YearStart + 1 + (change * 31 + index * 5) % 360),
                        std::string(events::SharedCareChange), change % 2 ? 60 : 100);
        family.Dependant(child);
    }
}

TSilentPrompter silent;

void BM_NextDependantScreenAllFinished(benchmark::State& state) {
    SetPrompter(&silent);
    BuildFinishedFamily();
    for (auto _ : state) {
        SetCurrentDependant(Children / 2);
        benchmark::DoNotOptimize(NextDependantScreen());
    }
    state.counters["relevant"] = double(RelevantDependants().size());
    FreeFieldStore();
}
BENCHMARK(BM_NextDependantScreenAllFinished)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
