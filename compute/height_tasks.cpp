#include "compute/height_tasks.h"

#include <optional>
#include <string_view>

#include "compute/point_anomaly.h"
#include "compute/record.h"
#include "compute/record_loop.h"
#include "model/deflection.h"

namespace qv {
namespace {

constexpr int kEllipsoidalToNormalTask = 2;
constexpr int kNormalToEllipsoidalTask = 3;
constexpr int kTask2MinimumFields = 8;
constexpr int kTask3MinimumFields = 2;
constexpr int kHeightField = 8;

// Cells whose deflection task 2 computes, both limits included: one row and
// one column further north and east than task 1.
constexpr int32_t kFirstRow = 2, kLastRow = 798;
constexpr int32_t kFirstCol = 2, kLastCol = 1198;

constexpr int kHeightWidth = 9, kHeightDecimals = 4;
constexpr int kDeflectionWidth = 6, kDeflectionDecimals = 2;

// "*** Błedny rekord: " in Windows-1250, without the "ę" of task 1.
constexpr std::string_view kBadRecord =
    "*** B\xB3"
    "edny rekord: ";
constexpr std::string_view kNoDeflection = " ***  ";
constexpr std::string_view kNormalHeights = "  PL-KRON86-NH z ";

bool HasDeflection(const GridCell& cell) {
  return cell.Row >= kFirstRow && cell.Row <= kLastRow && cell.Col >= kFirstCol &&
         cell.Col <= kLastCol;
}

// A converted record of tasks 2 and 3: the point and the height of field 8.
struct HeightRecord {
  PointRecord point;
  long double height;
};

// Fields 1 to 7, then field 8; no value (and the bad-record line written) when
// one of them does not convert.
std::optional<HeightRecord> ReadHeightRecord(const FieldList& fields, std::string_view line,
                                             ResultFile& out) {
  try {
    PointRecord point = ReadPointRecord(fields);
    long double height = RealField(fields[kHeightField]);
    return HeightRecord{point, height};
  } catch (const ConversionError&) {
    out.Text(kBadRecord).Text(line).EndLine();
    return std::nullopt;
  }
}

}  // namespace

void RunEllipsoidalToNormal(const TaskContext& context, LineReader& blhE, ResultFile& blhN1) {
  context.host.ShowMessage(blhE.path() + "->" + blhN1.path());

  RecordCounter counter(context.host, kEllipsoidalToNormalTask);
  RecordLoop(blhE, kTask2MinimumFields, counter,
             [&](std::string_view line, const FieldList& fields) {
               std::optional<HeightRecord> record = ReadHeightRecord(fields, line, blhN1);
               if (!record) return;
               std::optional<PointAnomaly> point =
                   AnomalyAtPoint(record->point, context.grid, context.FrameCode);
               if (!point) {
                 WriteOutOfArea(blhN1, record->point.Name, kEllipsoidalToNormalTask);
                 return;
               }
               const long double Hn = record->height - point->N;
               WritePosition(blhN1, record->point);
               blhN1.Real(Hn, kHeightWidth, kHeightDecimals).Text(" KSI = ");
               if (HasDeflection(point->cell)) {
                 Deflection d = ComputeDeflection(context.grid, point->cell);
                 blhN1.Real(d.KSI, kDeflectionWidth, kDeflectionDecimals).Text(kArcSecondMark);
                 blhN1.Text("  ETA = ").Real(d.ETA, kDeflectionWidth, kDeflectionDecimals);
               } else {
                 // One blank before ETA here, two after a computed KSI.
                 blhN1.Text(kNoDeflection).Text(kArcSecondMark);
                 blhN1.Text(" ETA = ").Text(kNoDeflection);
               }
               blhN1.Text(kArcSecondMark).Text(kNormalHeights).Text(context.FrameTag).EndLine();
             });
  counter.Finish();
  blhE.Close();
  blhN1.Close();
}

void RunNormalToEllipsoidal(const TaskContext& context, LineReader& blhN, ResultFile& blhE1) {
  context.host.ShowMessage(blhN.path() + "->" + blhE1.path());

  RecordCounter counter(context.host, kNormalToEllipsoidalTask);
  RecordLoop(
      blhN, kTask3MinimumFields, counter, [&](std::string_view line, const FieldList& fields) {
        std::optional<HeightRecord> record = ReadHeightRecord(fields, line, blhE1);
        if (!record) return;
        std::optional<PointAnomaly> point =
            AnomalyAtPoint(record->point, context.grid, context.FrameCode);
        if (!point) {
          WriteOutOfArea(blhE1, record->point.Name, kNormalToEllipsoidalTask);
          return;
        }
        const long double He = record->height + point->N;
        WritePosition(blhE1, record->point);
        blhE1.Real(He, kHeightWidth, kHeightDecimals).Text(" ").Text(context.FrameTag).EndLine();
      });
  counter.Finish();
  blhN.Close();
  blhE1.Close();
}

}  // namespace qv
