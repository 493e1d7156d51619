#include "compute/anomaly_task.h"

#include <string>

#include "compute/point_anomaly.h"
#include "compute/record.h"
#include "compute/record_loop.h"
#include "model/deflection.h"

namespace qv {
namespace {

constexpr int kTask = 1;
constexpr int kMinimumFields = 2;

// Cells whose deflection task 1 computes, both limits included.
constexpr int32_t kFirstRow = 2, kLastRow = 797;
constexpr int32_t kFirstCol = 2, kLastCol = 1197;

constexpr int kAnomalyWidth = 9, kAnomalyDecimals = 4;
constexpr int kDeflectionWidth = 6, kDeflectionDecimals = 2;

// "*** Błędny rekord: " in Windows-1250.
constexpr std::string_view kBadRecord =
    "*** B\xB3\xEA"
    "dny rekord: ";
constexpr std::string_view kNoDeflection = " ***  ";

bool HasDeflection(const GridCell& cell) {
  return cell.Row >= kFirstRow && cell.Row <= kLastRow && cell.Col >= kFirstCol &&
         cell.Col <= kLastCol;
}

}  // namespace

void RunAnomalyTask(const TaskContext& context, LineReader& bl, ResultFile& bln) {
  context.host.ShowMessage(bl.path() + "->" + bln.path());

  RecordCounter counter(context.host, kTask);
  RecordLoop(bl, kMinimumFields, counter, [&](std::string_view line, const FieldList& fields) {
    PointRecord record;
    try {
      record = ReadPointRecord(fields);
    } catch (const ConversionError&) {
      bln.Text(kBadRecord).Text(line).EndLine();
      return;
    }
    std::optional<PointAnomaly> point = AnomalyAtPoint(record, context.grid, context.FrameCode);
    if (!point) {
      WriteOutOfArea(bln, record.Name, kTask);
      return;
    }
    WritePosition(bln, record);
    bln.Real(point->N, kAnomalyWidth, kAnomalyDecimals).Text(" KSI = ");
    if (HasDeflection(point->cell)) {
      // From the grid in PL-ETRF2000 whatever the frame of N.
      Deflection d = ComputeDeflection(context.grid, point->cell);
      bln.Real(d.KSI, kDeflectionWidth, kDeflectionDecimals).Text(kArcSecondMark).Text(" ETA = ");
      bln.Real(d.ETA, kDeflectionWidth, kDeflectionDecimals).Text(kArcSecondMark);
    } else {
      bln.Text(kNoDeflection).Text(kArcSecondMark).Text(" ETA = ");
      bln.Text(kNoDeflection).Text(kArcSecondMark);
    }
    bln.Text("  ").Text(context.FrameTag).EndLine();
  });
  counter.Finish();
  bl.Close();
  bln.Close();
}

}  // namespace qv
