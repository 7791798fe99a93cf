// Painting the longest text of the module: the validate screen's introduction, all ten
// sections interpreted on every paint, section 0 shown.

#include "TextLbl.h"

#include "../tests/support/ValidateScreenText.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

TTextLbl* MakeIntroLabel() {
    auto* label = new TTextLbl;
    label->setGeometry(12, 10, 600, 300);
    label->setColor(Qt::white);
    label->setCalculateHeight(true);
    label->setOnScreenTag([](int id) { return id == 99998 ? QString("2003") : QString("2004"); });
    label->setCurrentSection(0);
    label->setText(kValidateScreenText);
    return label;
}

void PaintValidateScreenText(benchmark::State& state) {
    TTextLbl* label = MakeIntroLabel();
    QImage canvas(label->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        label->render(&canvas);
        benchmark::DoNotOptimize(canvas.constBits());
    }
    delete label;
}
BENCHMARK(PaintValidateScreenText)->Unit(benchmark::kMicrosecond)->Repetitions(9);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
