// Loading a grid from a 500-row list and storing it back (target: under 20 ms together).

#include "XGrid.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

const QStringList Display = {
    "Payer|2|0|30|0|F|T|0||||10|1|0|F|F|",
    "Start Date\rof Period|2|2|10||F|F||-1|0|F|F|",
    "End Date\rof Period|2|2|10||F|F||-1|0|F|F|",
    "Total Maintenance\rReceived|2|1|8|0|F|F|0|F|0|||-1|0|F|F|",
};

QStringList Rows(int count) {
    QStringList cells;
    for (int row = 0; row < count; ++row)
        cells << QString("Payer %1").arg(row) << "01/07/2003"
              << "30/06/2004" << QString::number(1000 + row);
    return cells;
}

void GridLoadAndStore(benchmark::State& state) {
    const QStringList list = Rows(int(state.range(0)));
    QStringList stored;
    for (auto _ : state) {
        TXGrid grid;
        grid.setDisplay(Display);
        grid.LoadFromList(list);
        grid.StoreToList(stored);
        benchmark::DoNotOptimize(stored.size());
    }
    if (stored != list) state.SkipWithError("the stored list differs from the loaded one");
}
BENCHMARK(GridLoadAndStore)->Arg(500)->Unit(benchmark::kMillisecond);

void GridColumnTotal(benchmark::State& state) {
    TXGrid grid;
    grid.setDisplay(Display);
    grid.LoadFromList(Rows(500));
    for (auto _ : state)
        benchmark::DoNotOptimize(grid.ColumnTotal(3));
}
BENCHMARK(GridColumnTotal)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
