// The cost of the loading gauge: reading the model file with no gauge, with
// the dialog's gauge advanced once per value, and with a plain progress bar
// set once per value, for comparison.  Runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QProgressBar>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/model_grid.h"
#include "ui/gauge.h"
#include "ui/model_dialog.h"

namespace {

const std::string& ModelFile() {
  static const std::string path = [] {
    const std::string file =
        (std::filesystem::temp_directory_path() / "qv-bench-gauge-model.bin").string();
    std::ofstream out(file, std::ios::binary);
    for (long i = 0; i < qv::kGridValues; ++i) {
      const uint32_t v = 3000000 + static_cast<uint32_t>(i % 1000);
      const char bytes[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                             static_cast<char>((v >> 16) & 0xFF),
                             static_cast<char>((v >> 24) & 0xFF)};
      out.write(bytes, sizeof bytes);
    }
    return file;
  }();
  return path;
}

void EnsureApp() {
  static int argc = 1;
  static char name[] = "bench_ui_gauge";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
  }
}

void LoadWithoutGauge(benchmark::State& state) {
  qv::ModelGrid grid;
  for (auto _ : state) qv::LoadModelGrid(ModelFile(), grid, [] {});
}
BENCHMARK(LoadWithoutGauge)->Unit(benchmark::kMillisecond);

void LoadWithGauge(benchmark::State& state) {
  EnsureApp();
  qv::ModelGrid grid;
  qv::Gauge gauge;
  gauge.resize(215, 20);
  gauge.show();
  gauge.SetRange(0, qv::kGaugeMaxValue);
  for (auto _ : state) {
    gauge.SetProgress(0);
    qv::LoadModelGrid(ModelFile(), grid, [&gauge] { gauge.AddProgress(1); });
  }
}
BENCHMARK(LoadWithGauge)->Unit(benchmark::kMillisecond);

void LoadWithProgressBar(benchmark::State& state) {
  EnsureApp();
  qv::ModelGrid grid;
  QProgressBar bar;
  bar.resize(215, 20);
  bar.show();
  bar.setRange(0, qv::kGaugeMaxValue);
  for (auto _ : state) {
    bar.setValue(0);
    int value = 0;
    qv::LoadModelGrid(ModelFile(), grid, [&bar, &value] {
      if (value < qv::kGaugeMaxValue) bar.setValue(++value);
    });
  }
}
BENCHMARK(LoadWithProgressBar)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
