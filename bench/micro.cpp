// Micro benchmarks of the program's own work: the gamma text, the long name, the centring rule, and one
// slider update with its repaint on the real window (offscreen).

#include "CenterForm.h"
#include "Commands.h"
#include "GammaValue.h"
#include "QtForm1.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

// A kernel that knows no path, so that the long name takes the casing fallback.
class NoPaths final : public Commands::Kernel32 {
  public:
    Commands::Result<std::uint32_t> GetWindowsDirectoryA(char*, std::uint32_t) override { return 0u; }
    Commands::Result<std::uint32_t> GetSystemDirectoryA(char*, std::uint32_t) override { return 0u; }
    Commands::Result<std::uint32_t> GetTempPathA(std::uint32_t, char*) override { return 0u; }
    Commands::Result<std::uint32_t> GetLongPathNameA(const char*, char*, std::uint32_t) override { return 0u; }
    std::string ToNarrow(const Commands::Text& t) override { return std::string(t.begin(), t.end()); }
    Commands::Text FromNarrow(std::string_view n) override { return Commands::Text(n.begin(), n.end()); }
};

void GetGammaValue(benchmark::State& state) {
    std::int16_t level = 81;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ChartWindow::GetGammaValue(level));
        level = level == 237 ? 81 : level + 1;
    }
}
BENCHMARK(GetGammaValue);

void GetLongName(benchmark::State& state) {
    NoPaths kernel;
    const Commands::Text path = u"C:\\PROGRAM FILES\\QUENBURY\\TONALYX\\TONALYX.EXE";
    for (auto _ : state)
        benchmark::DoNotOptimize(Commands::GetLongName(kernel, path));
}
BENCHMARK(GetLongName);

void CenterForm(benchmark::State& state) {
    struct Screen final : Commands::Screen {
        float Width() const override { return 15360; }
        float Height() const override { return 11520; }
    } screen;
    struct Form final : Commands::FormGeometry {
        float left = 0, top = 0;
        float Left() const override { return left; }
        float Top() const override { return top; }
        float Width() const override { return 8190; }
        float Height() const override { return 6795; }
        void SetLeft(float v) override { left = v; }
        void SetTop(float v) override { top = v; }
    } form;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Commands::CenterForm(form, screen));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CenterForm);

// One step of the slider, with the window repainted at once, as a user sees it.
void SliderUpdateWithRepaint(benchmark::State& state) {
    Commands::Environment env;
    ChartWindow::QtForm1 form(env);
    form.Show();
    auto* slider = form.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    int level = 81;
    for (auto _ : state) {
        slider->setValue(level);
        QApplication::processEvents(); // the update requests: painting into the window's buffer and out

        level = level == 237 ? 81 : level + 1;
    }
}
BENCHMARK(SliderUpdateWithRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
