// Speed of the record side: splitting and converting a typical point line,
// reading lines from a file, and writing one task-1 result line.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "compute/line_reader.h"
#include "compute/record.h"
#include "compute/result_file.h"

namespace {

constexpr const char* kPointLine = "PKT_0001  52 15 30.12345 21 0 45.67890";

void SplitAndReadPointRecord(benchmark::State& state) {
  qv::FieldList fields;
  for (auto _ : state) {
    int count = qv::SplitRecord(kPointLine, fields);
    benchmark::DoNotOptimize(count);
    qv::PointRecord p = qv::ReadPointRecord(fields);
    benchmark::DoNotOptimize(p);
  }
}
BENCHMARK(SplitAndReadPointRecord);

void RealFieldTypical(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(qv::RealField("30.12345"));
}
BENCHMARK(RealFieldTypical);

// More than 19 significant digits: the general conversion.
void RealFieldLong(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(qv::RealField("30.123456789012345678901"));
}
BENCHMARK(RealFieldLong);

void AppendRealTypical(benchmark::State& state) {
  std::string out;
  out.reserve(64);
  for (auto _ : state) {
    out.clear();
    qv::AppendReal(out, 30.12345L, 5);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(AppendRealTypical);

std::string TemporaryPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

// Name, B, L, N, KSI and ETA with their texts, as task 1 writes them.
void WriteTask1Line(benchmark::State& state) {
  const std::string path = TemporaryPath("qvbench-bln");
  {
    qv::ResultFile file(path);
    long double seconds = 30.12345L;
    for (auto _ : state) {
      file.Text("PKT_0001", 16).Text(" ").Integer(52, 2).Text(" ").Integer(15, 2).Text(" ");
      file.Real(seconds, 8, 5).Text(" ").Integer(21, 2).Text(" ").Integer(0, 2).Text(" ");
      file.Real(45.6789L, 8, 5).Text(" ").Real(31.2345678L, 9, 4).Text(" KSI = ");
      file.Real(-1.234567L, 6, 2).Text("[\"] ETA = ").Real(2.345678L, 6, 2).Text("[\"]  ");
      file.Text(" PL-ETRF2000").EndLine();
      seconds += 1e-5L;
    }
    file.Close();
  }
  std::filesystem::remove(path);
}
BENCHMARK(WriteTask1Line);

void ReadLines(benchmark::State& state) {
  const std::string path = TemporaryPath("qvbench-bl");
  constexpr int kLines = 200000;
  {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < kLines; ++i) out << kPointLine << "\r\n";
  }
  for (auto _ : state) {
    qv::LineReader reader(path);
    std::string_view line;
    long n = 0;
    while (reader.Next(line)) n += static_cast<long>(line.size());
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          std::filesystem::file_size(path));
  std::filesystem::remove(path);
}
BENCHMARK(ReadLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
