// The dependant screens' own work: the year scan that decides whether a child was ever a
// dependant (its worst case, a child who never was), and tidying a full change table.

#include "../tests/calc/FamilyBuilder.h"

#include "ATICalcs.h"
#include "CalcTags.h"
#include "Prompter.h"
#include "dependants/ChangeTable.h"

#include <benchmark/benchmark.h>

namespace {

// Answers every box with its default and shows nothing.
class TSilentPrompter : public TPrompter {
public:
    int ShowMessageBox(const std::string&, TMsgKind, TMsgButtons buttons,
                       TMsgButton defaultButton) override {
        return DefaultResult(buttons, defaultButton);
    }
};

void BM_NeverEligibleYearScan(benchmark::State& state) {
    CreateFieldStore();
    TFamily().Claimant(30000).Dependant(Child("Bo").Born("01/01/2000").AbsentSince("01/01/2000"));
    for (auto _ : state) {
        bool eligible = false;
        for (int day = YearStart; day <= YearEnd && !eligible; ++day)
            eligible = DependantEligibleOn(0, tpProfile, day);
        benchmark::DoNotOptimize(eligible);
    }
    FreeFieldStore();
}
BENCHMARK(BM_NeverEligibleYearScan)->Unit(benchmark::kMillisecond);

// Twenty rows alternating the absence events, a shared care change among them.
TChangeRows FullTable() {
    TChangeRows rows;
    for (int i = 0; i < 20; ++i) {
        const QString date = QString::fromStdString(FormatDate(YearStart + 10 + i * 15));
        const QString event = QString::fromLatin1(i == 10 ? events::SharedCareChange
                                                  : i % 2 ? events::EndAbsence
                                                          : events::StartAbsence);
        rows.push_back({date, event, i == 10 ? "50" : ""});
    }
    return rows;
}

void BM_NormaliseFullChangeTable(benchmark::State& state) {
    TSilentPrompter prompter;
    SetPrompter(&prompter);
    TInitialCircumstances initial;
    initial.codes = {"1", "1", "1", "2", "1"};
    initial.share = "100";
    const TChangeRows rows = FullTable();
    for (auto _ : state) {
        TChangeTable table(rows, initial);
        table.Normalise(19, true, "100");
        benchmark::DoNotOptimize(table.Rows().size());
    }
    SetPrompter(nullptr);
}
BENCHMARK(BM_NormaliseFullChangeTable)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
