#include "compute/point_anomaly.h"

#include "compute/run.h"
#include "frames/etrf89.h"
#include "model/interpolation.h"

namespace qv {
namespace {

constexpr int kDegreeWidth = 2;
constexpr int kMinuteWidth = 2;
constexpr int kSecondWidth = 8;
constexpr int kSecondDecimals = 5;
constexpr int kNameWidth = static_cast<int>(kNameLength);

}  // namespace

std::optional<PointAnomaly> AnomalyAtPoint(const PointRecord& record, const ModelGrid& grid,
                                           int frameCode) {
  const long double B = ArcSeconds(record.BDeg, record.BMin, record.BSec);
  const long double L = ArcSeconds(record.LDeg, record.LMin, record.LSec);
  std::optional<GridCell> cell = LocateCell(B, L, EdgeClamp::On);
  if (!cell) return std::nullopt;
  long double N = InterpolateAnomaly(grid, *cell);
  if (frameCode == kFrameETRF89) N = AnomalyToETRF89(B, L, N);
  return PointAnomaly{*cell, N};
}

void WritePosition(ResultFile& out, const PointRecord& record) {
  out.Text(record.Name, kNameWidth).Text(" ");
  out.Integer(record.BDeg, kDegreeWidth).Text(" ");
  out.Integer(record.BMin, kMinuteWidth).Text(" ");
  out.Real(record.BSec, kSecondWidth, kSecondDecimals).Text(" ");
  out.Integer(record.LDeg, kDegreeWidth).Text(" ");
  out.Integer(record.LMin, kMinuteWidth).Text(" ");
  out.Real(record.LSec, kSecondWidth, kSecondDecimals).Text(" ");
}

void WriteOutOfArea(ResultFile& out, std::string_view name, int task) {
  static constexpr std::string_view kTexts[] = {
      " *** punkt poza obszarem dopuszczalnym (1)",
      " *** punkt poza obszarem dopuszczalnym (2)",
      " *** punkt poza obszarem dopuszczalnym (3)",
  };
  out.Text(name).Text(kTexts[task - 1]).EndLine();
}

}  // namespace qv
