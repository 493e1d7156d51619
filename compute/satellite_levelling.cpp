#include "compute/satellite_levelling.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "compute/line_reader.h"
#include "compute/point_table.h"
#include "compute/record.h"
#include "compute/result_file.h"
#include "compute/vector_ends.h"
#include "frames/etrf89.h"
#include "model/grid_cell.h"
#include "model/interpolation.h"
#include "platform/folder_names.h"
#include "platform/win1250.h"

namespace qv {
namespace {

constexpr const char* kVectorFile = "deltah.gps";
constexpr const char* kPointFile = "blh.grs";
constexpr const char* kResultFile = "deltah1";
constexpr int kResultPanel = 9;
constexpr int kTask = 4;

constexpr int kPointMinimumFields = 7;
constexpr int kVectorMinimumFields = 3;
constexpr int kNrIField = 1, kNrJField = 2, kDHField = 3, kWeightField = 4;

constexpr int kNameWidth = static_cast<int>(kNameLength);
constexpr int kHeightWidth = 12, kHeightDecimals = 5;
constexpr int kWeightWidth = 12, kWeightDecimals = 8;

// Lines of deltah1, Windows-1250.
// "*** Błedny rekord: "
constexpr std::string_view kBadVector =
    "*** B\xB3"
    "edny rekord: ";
// " *** Brak współrzędnych B,L"
constexpr std::string_view kMissingPoint =
    " *** Brak wsp\xF3\xB3rz\xEA"
    "dnych B,L";
constexpr std::string_view kOutOfArea = " *** punkt poza obszarem dopuszczalnym";
// " *** nie obliczono z powodu błędu w pliku BLH.grs"
constexpr std::string_view kPointListError =
    " *** nie obliczono z powodu b\xB3\xEA"
    "du w pliku BLH.grs";
// Fifteen blanks, "0", three times four blanks and "0", two blanks.
constexpr std::string_view kEndLine = "               0    0    0    0  ";

// Messages to the host, UTF-8.
constexpr const char* kBadPointMessage = "*** BLH.grs - błędny rekord: ";
constexpr const char* kTooManyPointsMessage = "*** Liczba punktów > 100000";

enum class LoadStop { None, BadPointRecord, TooManyPoints };

struct PointLoad {
  LoadStop stop = LoadStop::None;
  std::string badLine;  // the bad point record as read, Windows-1250
};

// Phase 1: the points of blh.grs inside the model area into `table`, an
// out-of-area line into deltah1 for each point outside.  Stops at a bad point
// record and at the point that would exceed the table's capacity.
PointLoad LoadPointTable(const TaskContext& context, LineReader& points, ResultFile& deltah1,
                         PointTable& table, RecordCounter& counter) {
  table.Clear();
  FieldList fields;
  std::string_view line;
  while (points.Next(line)) {
    counter.Count();
    if (!IsDataRecord(fields, SplitRecord(line, fields), kPointMinimumFields)) continue;
    PointRecord record;
    try {
      record = ReadPointRecord(fields);
    } catch (const ConversionError&) {
      return {LoadStop::BadPointRecord, std::string(line)};
    }
    const long double B = ArcSeconds(record.BDeg, record.BMin, record.BSec);
    const long double L = ArcSeconds(record.LDeg, record.LMin, record.LSec);
    // No clamp: points on 56° or on 25° lie outside for this task.
    const std::optional<GridCell> cell = LocateCell(B, L, EdgeClamp::Off);
    if (!cell) {
      deltah1.Text(record.Name).Text(kOutOfArea).EndLine();
      continue;
    }
    long double N = InterpolateAnomaly(context.grid, *cell);
    if (context.FrameCode == kFrameETRF89) N = AnomalyToETRF89(B, L, N);
    if (!table.Add(record.Name, N)) return {LoadStop::TooManyPoints, {}};
  }
  return {};
}

// Phase 2: one line of deltah1 for every vector record of deltah.gps.
void LevelVectors(const TaskContext& context, LineReader& vectors, const PointTable& table,
                  const PointIndex& index, ResultFile& deltah1, RecordCounter& counter) {
  FieldList fields;
  std::string_view line;
  while (vectors.Next(line)) {
    counter.Count();
    if (!IsDataRecord(fields, SplitRecord(line, fields), kVectorMinimumFields)) continue;
    const std::string_view nrI = NameField(fields[kNrIField]);
    const std::string_view nrJ = NameField(fields[kNrJField]);
    long double DH = 0, weight = 0;
    try {
      DH = RealField(fields[kDHField]);
      weight = RealField(fields[kWeightField]);
    } catch (const ConversionError&) {
      deltah1.Text(kBadVector).Text(line).EndLine();
      continue;
    }
    deltah1.Text(nrI, kNameWidth).Text(" ").Text(nrJ, kNameWidth);
    const std::optional<VectorEnds> ends = index.FindVectorEnds(nrI, nrJ);
    if (!ends) {
      deltah1.Text(kMissingPoint).EndLine();
      continue;
    }
    const long double dHNormal = DH + table.N(ends->I) - table.N(ends->J);
    deltah1.Text(" ").Real(dHNormal, kHeightWidth, kHeightDecimals);
    deltah1.Text(" ").Real(weight, kWeightWidth, kWeightDecimals);
    deltah1.Text(" ").Text(context.FrameTag).EndLine();
  }
}

}  // namespace

RunOutcome RunSatelliteLevelling(const TaskContext& context) {
  LineReader vectors(ResolveInFolder(context.WorkFolder, kVectorFile));
  LineReader points(ResolveInFolder(context.WorkFolder, kPointFile));
  ResultFile deltah1(ResolveInFolder(context.WorkFolder, kResultFile));
  context.host.MarkFilePresent(kResultPanel);

  // Both reserved once for this execution; neither grows.
  auto table = std::make_unique<PointTable>();
  // The lines of both files, for a console's progress.
  RecordCounter counter(context.host, kTask);
  const PointLoad load = LoadPointTable(context, points, deltah1, *table, counter);
  switch (load.stop) {
    case LoadStop::BadPointRecord:
      points.Close();
      vectors.Close();
      deltah1.Text(kPointListError).EndLine();
      deltah1.Close();
      context.host.ShowMessage(kBadPointMessage + Win1250ToUtf8(load.badLine));
      context.host.EndProgram();
      return RunOutcome::FatalData;
    case LoadStop::TooManyPoints:
      // deltah1 stays without an end line, but what it holds survives.
      deltah1.Close();
      context.host.ShowMessage(kTooManyPointsMessage);
      context.host.EndProgram();
      return RunOutcome::FatalData;
    case LoadStop::None:
      break;
  }
  points.Close();

  auto index = std::make_unique<PointIndex>();
  index->Build(*table);
  LevelVectors(context, vectors, *table, *index, deltah1, counter);
  counter.Finish();
  deltah1.Text(kEndLine).EndLine();
  vectors.Close();
  deltah1.Close();
  return RunOutcome::Completed;
}

}  // namespace qv
