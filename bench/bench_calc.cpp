// The family calculation on a large family: 20 dependants with 20 change-of-circumstance rows
// and 4 overseas trips each, 5 spouses and a 10-row marital status table.

#include "../tests/calc/FamilyBuilder.h"
#include "../tests/calc/LargeFamily.h"

#include "ATICalcs.h"
#include "CalcTags.h"
#include "ClaimCompleteness.h"
#include "DataFile.h"
#include "Prompter.h"
#include "RunState.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace {

// CPU seconds spent by finished child processes, user and system.
double ChildCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

const std::string Key = "12345678";

// Quiet: the benchmarks measure the calculation, not the terminal.
TSilentPrompter silent;

void BM_RelevanceEveryDateWalked(benchmark::State& state) {
    SetPrompter(&silent);
    BuildLargeFamily(1e6); // the family test fails on every change date
    TStringList list;
    for (auto _ : state) {
        MaintenanceRelevantDependants(list);
        benchmark::DoNotOptimize(list);
    }
    state.counters["dates"] = double(CollectChangeDates().size());
    FreeFieldStore();
}
BENCHMARK(BM_RelevanceEveryDateWalked)->Unit(benchmark::kMillisecond);

void BM_RelevanceAllFoundOnFirstDate(benchmark::State& state) {
    SetPrompter(&silent);
    BuildLargeFamily(0);
    TStringList list;
    for (auto _ : state) {
        MaintenanceRelevantDependants(list);
        benchmark::DoNotOptimize(list);
    }
    state.counters["relevant"] = double(list.size());
    FreeFieldStore();
}
BENCHMARK(BM_RelevanceAllFoundOnFirstDate)->Unit(benchmark::kMillisecond);

void BM_CheckClaimComplete(benchmark::State& state) {
    SetPrompter(&silent);
    BuildLargeFamily(1e6);
    for (auto _ : state) {
        TStringList warnings;
        CheckClaimComplete(warnings);
        benchmark::DoNotOptimize(warnings);
    }
    FreeFieldStore();
}
BENCHMARK(BM_CheckClaimComplete)->Unit(benchmark::kMillisecond);

// The whole command as a user runs it: start, decipher, load, 366 days of JSON.
void BM_ToolDaysWholeYear(benchmark::State& state) {
    SetPrompter(&silent);
    BuildLargeFamily(20000);
    RunState().KeySource = Key;
    SetFieldStr(TagKeySource, Key);
    const std::string file =
        (std::filesystem::temp_directory_path() / "vesk-bench-days.tax").string();
    if (SaveDataFile(file) != 0) state.SkipWithError("cannot save the family");
    FreeFieldStore();
    const std::string command =
        std::string(VESK_TOOL) + " days " + file + " --key " + Key + " 2>/dev/null";
    const double cpuBefore = ChildCpuSeconds();
    for (auto _ : state) {
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[65536];
        std::size_t bytes = 0, got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            bytes += got;
        if (::pclose(pipe) != 0) state.SkipWithError("vesk-tool days failed");
        benchmark::DoNotOptimize(bytes);
    }
    // Wall time suffers on a busy machine; the tool's own CPU time does not.
    state.counters["tool_cpu_ms"] =
        benchmark::Counter((ChildCpuSeconds() - cpuBefore) * 1000 / double(state.iterations()));
    if (!std::getenv("VESK_BENCH_KEEP")) std::filesystem::remove(file);
    std::filesystem::remove(file + ".BAK");
}
BENCHMARK(BM_ToolDaysWholeYear)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
