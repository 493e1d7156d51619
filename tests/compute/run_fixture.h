// Helpers of the run and task tests: the plane model whose N and deflection are
// known by hand, points written as input lines, the expected text of a real
// (formatted independently of the result writer, and only where the value is
// far from a rounding tie), and a run on a work folder with a recording host.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "compute/run.h"
#include "model/model_grid.h"
#include "recording_host.h"
#include "work_folder.h"

namespace qv::test {

// The plane model: 30 m at 48° N, 13° E, rising by 0.01 m per grid step towards
// the north and towards the east.  Its N at grid coordinates x (rows) and y
// (columns) is 30 + 0.01·(x + y) metres, exactly bilinear; its deflection is
// the same at every node: KSI = −0.01 m·ρ″/ΔB and ETA = −0.01 m·ρ″/ΔL.
inline constexpr int32_t kPlaneBase = 3000000;  // 1e-5 m
inline constexpr int32_t kPlaneStep = 1000;     // 1e-5 m per grid step
inline int32_t Plane(int row, int col) {
  return kPlaneBase + kPlaneStep * row + kPlaneStep * col;
}

inline constexpr long double kArcSecondsPerRadian = 206264.80624709635515647335733077861L;
inline constexpr long double kPlaneSlope = 0.01L;  // metres per grid step

inline long double GridX(long double B) {
  return (B / 3600 - 48) * 100;
}
inline long double GridY(long double L) {
  return (L / 3600 - 13) * 100;
}
inline long double PlaneN(long double B, long double L) {
  return 30 + kPlaneSlope * (GridX(B) + GridY(L));
}
inline long double PlaneKSI(int row) {
  return -kPlaneSlope * kArcSecondsPerRadian / (1111.9L + 0.0019L * row);
}
inline long double PlaneETA(int row) {
  return -kPlaneSlope * kArcSecondsPerRadian / (746.25L - 0.153L * row);
}

// `value` with `decimals` decimals right-aligned in `width`.  Fails the test
// when the value lies so near a rounding tie that the writer's 18-digit rule
// and printf could differ: the expectation would then not be certain.
inline std::string Fixed(long double value, int width, int decimals) {
  long double scaled = std::fabs(value) * std::pow(10.0L, decimals);
  long double fraction = scaled - std::floor(scaled);
  EXPECT_GT(std::fabs(fraction - 0.5L), 1e-6L) << "too near a tie: " << static_cast<double>(value);
  char text[64];
  std::snprintf(text, sizeof text, "%*.*Lf", width, decimals, value);
  return text;
}

// A point of an input file of tasks 1 to 3, fields as written in the file.
struct PointText {
  std::string name;
  int bDeg, bMin;
  std::string bSec;
  int lDeg, lMin;
  std::string lSec;

  std::string Line() const {
    return name + " " + std::to_string(bDeg) + " " + std::to_string(bMin) + " " + bSec + " " +
           std::to_string(lDeg) + " " + std::to_string(lMin) + " " + lSec;
  }
  long double B() const {
    return bDeg * 3600.0L + bMin * 60.0L + std::strtold(bSec.c_str(), nullptr);
  }
  long double L() const {
    return lDeg * 3600.0L + lMin * 60.0L + std::strtold(lSec.c_str(), nullptr);
  }
  std::string Name16() const { return name.substr(0, 16); }
  // Items 1 to 14 of a result line: name in 16, the position as read, blanks.
  std::string Position() const {
    char text[128];
    std::snprintf(text, sizeof text, "%16s %2d %2d %8.5Lf %2d %2d %8.5Lf ", Name16().c_str(), bDeg,
                  bMin, std::strtold(bSec.c_str(), nullptr), lDeg, lMin,
                  std::strtold(lSec.c_str(), nullptr));
    return text;
  }
};

// The lines joined, each ending with CR LF.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

inline constexpr std::array<bool, 4> kAllTasks{{true, true, true, true}};
inline std::array<bool, 4> OnlyTask(int task) {
  std::array<bool, 4> enabled{};
  enabled[task - 1] = true;
  return enabled;
}

struct RunResult {
  RunOutcome outcome;
  RecordingHost host;
};

// Runs the computation on `folder` with its model file quavelor_5021RM.bin.
inline RunResult RunIn(const WorkFolder& folder, int frameCode,
                       std::array<bool, 4> enabled = kAllTasks) {
  static ModelGrid grid;
  RunResult result{RunOutcome::Completed, {}};
  RunRequest request;
  request.WorkFolder = folder.path();
  request.FrameCode = frameCode;
  request.TaskEnabled = enabled;
  request.ModelPath = folder / kModelFileName;
  result.outcome = RunComputation(request, result.host, grid);
  return result;
}

// The messages of a run that ends normally after the tasks whose start
// messages are given.
inline std::vector<std::string> StartMessage(const WorkFolder& folder, const std::string& input,
                                             const std::string& result) {
  return {"message " + (folder / input) + "->" + (folder / result)};
}

}  // namespace qv::test
