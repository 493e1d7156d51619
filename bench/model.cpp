// Speed of the numerical core: loading the model file against a plain read of
// the same bytes, the frame transformation of N, and the interpolation of N
// with the deflection of the vertical, per point.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "frames/etrf89.h"
#include "model/deflection.h"
#include "model/grid_cell.h"
#include "model/interpolation.h"
#include "model/model_grid.h"

namespace {

// A synthetic model file in the temporary folder, removed at exit.
class ModelFile {
 public:
  ModelFile() {
    char pattern[] = "/tmp/qvbench-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd < 0) std::abort();
    path_ = pattern;
    std::vector<unsigned char> bytes;
    bytes.reserve(qv::kModelFileBytes);
    for (long k = 0; k < qv::kGridValues; ++k) {
      const uint32_t v = static_cast<uint32_t>(3'000'000 + (k * 7919) % 1'500'000);
      for (int b = 0; b < 4; ++b) bytes.push_back(static_cast<unsigned char>(v >> (8 * b)));
    }
    if (write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    close(fd);
  }
  ~ModelFile() { unlink(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

const ModelFile& File() {
  static ModelFile file;
  return file;
}

void BM_LoadModelGrid(benchmark::State& state) {
  qv::ModelGrid grid;
  for (auto _ : state) {
    qv::LoadModelGrid(File().path(), grid, [] {});
    benchmark::DoNotOptimize(grid.data());
  }
  state.SetBytesProcessed(state.iterations() * qv::kModelFileBytes);
}
BENCHMARK(BM_LoadModelGrid)->Unit(benchmark::kMillisecond);

// The same with a step that counts, as a gauge does.
void BM_LoadModelGridCountingSteps(benchmark::State& state) {
  qv::ModelGrid grid;
  long steps = 0;
  for (auto _ : state) {
    qv::LoadModelGrid(File().path(), grid, [&] { benchmark::DoNotOptimize(++steps); });
  }
  state.SetBytesProcessed(state.iterations() * qv::kModelFileBytes);
}
BENCHMARK(BM_LoadModelGridCountingSteps)->Unit(benchmark::kMillisecond);

// The floor: the same bytes read in one call, nothing decoded.
void BM_PlainRead(benchmark::State& state) {
  std::vector<unsigned char> bytes(qv::kModelFileBytes);
  for (auto _ : state) {
    std::FILE* f = std::fopen(File().path().c_str(), "rb");
    const size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    benchmark::DoNotOptimize(got);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * qv::kModelFileBytes);
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

struct Point {
  long double B, L;  // seconds of arc
};

// Points spread over the model area.
std::vector<Point> Points() {
  std::vector<Point> points;
  for (int k = 0; k < 1024; ++k) {
    points.push_back({(48 + 8 * ((k * 37 % 1024) / 1024.0L)) * 3600,
                      (13 + 12 * ((k * 101 % 1024) / 1024.0L)) * 3600});
  }
  return points;
}

void BM_AnomalyToETRF89(benchmark::State& state) {
  const std::vector<Point> points = Points();
  size_t k = 0;
  for (auto _ : state) {
    const Point& p = points[k++ % points.size()];
    benchmark::DoNotOptimize(qv::AnomalyToETRF89(p.B, p.L, 35.0L));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AnomalyToETRF89);

void BM_InterpolateAndDeflect(benchmark::State& state) {
  qv::ModelGrid grid;
  qv::LoadModelGrid(File().path(), grid, [] {});
  const std::vector<Point> points = Points();
  size_t k = 0;
  for (auto _ : state) {
    const Point& p = points[k++ % points.size()];
    const std::optional<qv::GridCell> cell = qv::LocateCell(p.B, p.L, qv::EdgeClamp::On);
    benchmark::DoNotOptimize(qv::InterpolateAnomaly(grid, *cell));
    benchmark::DoNotOptimize(qv::ComputeDeflection(grid, *cell));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_InterpolateAndDeflect);

}  // namespace

BENCHMARK_MAIN();
