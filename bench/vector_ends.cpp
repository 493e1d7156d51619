// The index of task 4's point table: building it for a full table, and
// finding the two ends of a vector, with distinct names and with names that
// repeat a thousand times (long runs of entries per name).
#include "compute/vector_ends.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "compute/point_table.h"

namespace {

// A full table whose k-th entry is named after k modulo `names`.
void FillTable(qv::PointTable& table, int names) {
  table.Clear();
  char name[24];
  for (int32_t k = 0; k < qv::kPointCapacity; ++k) {
    std::snprintf(name, sizeof name, "P%06d", k % names + 1);
    table.Add(name, k);
  }
}

void BM_BuildIndex(benchmark::State& state) {
  qv::PointTable table;
  FillTable(table, static_cast<int>(state.range(0)));
  qv::PointIndex index;
  for (auto _ : state) {
    index.Build(table);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BuildIndex)->Arg(qv::kPointCapacity)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_FindVectorEnds(benchmark::State& state) {
  const int names = static_cast<int>(state.range(0));
  qv::PointTable table;
  FillTable(table, names);
  qv::PointIndex index;
  index.Build(table);
  // Pairs of names spread over the table, fixed before timing.
  std::vector<std::string> queries;
  char name[24];
  for (int k = 0; k < 1024; ++k) {
    std::snprintf(name, sizeof name, "P%06d", (k * 7919) % names + 1);
    queries.emplace_back(name);
  }
  size_t q = 0;
  for (auto _ : state) {
    auto ends = index.FindVectorEnds(queries[q], queries[(q + 511) % queries.size()]);
    benchmark::DoNotOptimize(ends);
    q = (q + 1) % queries.size();
  }
}
BENCHMARK(BM_FindVectorEnds)->Arg(qv::kPointCapacity)->Arg(100);

}  // namespace

BENCHMARK_MAIN();
