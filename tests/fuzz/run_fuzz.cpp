// Fuzz target of a whole run: the input becomes a work folder (its first byte
// chooses which of the five input files exist and the frame; the rest is cut
// into the five files at 0x1E bytes), the run computes all enabled tasks on a
// small synthetic model, and every result file must hold exactly one line per
// record accepted by the record test (task 4: plus its out-of-area lines and
// the end line).
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "compute/line_reader.h"
#include "compute/record.h"
#include "compute/run.h"
#include "model/grid_cell.h"
#include "model/model_grid.h"

namespace {

namespace fs = std::filesystem;

const char* const kInputs[5] = {"bl", "blh_e", "blh_n", "deltah.gps", "blh.grs"};

class QuietHost : public qv::RunHost {
 public:
  void AdvanceGauge() override {}
  void HideDialog() override {}
  void MarkFilePresent(int) override {}
  void ShowMessage(const std::string&) override {}
  void ShowInformation(const std::string&) override {}
  void EndProgram() override { ended = true; }
  bool ended = false;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

const fs::path& Folder() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "qvfuzz-XXXXXX").string();
    fs::path made = mkdtemp(pattern.data());
    std::string bytes;
    bytes.reserve(qv::kModelFileBytes);
    for (int r = 0; r < qv::kGridRows; ++r) {
      for (int c = 0; c < qv::kGridCols; ++c) {
        uint32_t v = static_cast<uint32_t>(3000000 + 100 * r - 50 * c);
        for (int k = 0; k < 4; ++k) bytes.push_back(static_cast<char>(v >> (8 * k)));
      }
    }
    std::ofstream(made / "model.bin", std::ios::binary) << bytes;
    return made;
  }();
  return folder;
}

long CountLines(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes(std::istreambuf_iterator<char>(in), {});
  long lines = 0;
  for (size_t i = 0; i + 1 < bytes.size(); ++i) lines += bytes[i] == '\r' && bytes[i + 1] == '\n';
  return lines;
}

// Records of `file` accepted by the record test with `minimum` fields.
long AcceptedRecords(const fs::path& file, int minimum) {
  qv::LineReader reader(file.string());
  qv::FieldList fields;
  std::string_view line;
  long accepted = 0;
  while (reader.Next(line)) accepted += qv::IsDataRecord(fields, qv::SplitRecord(line, fields), minimum);
  return accepted;
}

struct PointList {
  long outside = 0;
  bool bad = false;  // a record that fails conversion stops the task
};

PointList ScanPoints(const fs::path& file) {
  PointList list;
  qv::LineReader reader(file.string());
  qv::FieldList fields;
  std::string_view line;
  while (reader.Next(line)) {
    if (!qv::IsDataRecord(fields, qv::SplitRecord(line, fields), 7)) continue;
    try {
      qv::PointRecord p = qv::ReadPointRecord(fields);
      auto cell = qv::LocateCell(qv::ArcSeconds(p.BDeg, p.BMin, p.BSec),
                                 qv::ArcSeconds(p.LDeg, p.LMin, p.LSec), qv::EdgeClamp::Off);
      list.outside += !cell.has_value();
    } catch (const qv::ConversionError&) {
      list.bad = true;
      return list;
    }
  }
  return list;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const fs::path& folder = Folder();
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename() != "model.bin") fs::remove_all(entry.path());
  }
  unsigned flags = data[0];
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  bool present[5];
  for (int i = 0; i < 5; ++i) {
    size_t cut = rest.find('\x1E');
    std::string_view part = rest.substr(0, cut);
    rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
    present[i] = (flags >> i) & 1;
    if (present[i]) std::ofstream(folder / kInputs[i], std::ios::binary) << part;
  }

  qv::RunRequest request;
  request.WorkFolder = folder.string();
  request.FrameCode = (flags & 0x20) ? qv::kFrameETRF89 : qv::kFrameETRF2000;
  request.ModelPath = (folder / "model.bin").string();
  QuietHost host;
  static qv::ModelGrid grid;
  qv::RunOutcome outcome = qv::RunComputation(request, host, grid);

  bool task4 = present[3] && present[4];
  if (!present[0] && !present[1] && !present[2] && !task4) {
    Check(outcome == qv::RunOutcome::NoData);
    return 0;
  }
  const char* const results[3] = {"bln", "blh_n.1", "blh_e.1"};
  const int minimum[3] = {2, 8, 2};
  for (int t = 0; t < 3; ++t) {
    Check(fs::exists(folder / results[t]) == present[t]);
    if (present[t]) {
      Check(CountLines(folder / results[t]) == AcceptedRecords(folder / kInputs[t], minimum[t]));
    }
  }
  Check(fs::exists(folder / "deltah1") == task4);
  if (task4) {
    PointList points = ScanPoints(folder / "blh.grs");
    long lines = CountLines(folder / "deltah1");
    if (points.bad) {
      Check(outcome == qv::RunOutcome::FatalData && host.ended);
      Check(lines == points.outside + 1);
    } else {
      Check(outcome == qv::RunOutcome::Completed);
      Check(lines == points.outside + AcceptedRecords(folder / "deltah.gps", 3) + 1);
    }
  } else {
    Check(outcome == qv::RunOutcome::Completed);
  }
  return 0;
}
