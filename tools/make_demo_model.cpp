// make_demo_model OUTPUT [GTX]
//
// Writes a demo model file in the layout of the program's model file (801 ×
// 1201 little-endian signed 32-bit height anomalies in 1e-5 m, row 0 at 48° N,
// column 0 at 13° E, 0.01° apart) from a global geoid grid in the vertical
// grid format: a 40-byte big-endian header (south latitude, west longitude,
// latitude step, longitude step as doubles in degrees; rows, columns as
// int32), then rows × columns big-endian float32 in metres, south row first,
// west column first.  Each model node is sampled bilinearly and rounded to
// 1e-5 m.  The result is a realistic stand-in for demonstrations only; real
// work needs the national model file.
//
// Exit status: 0 written, 1 the grid is missing or malformed or the output
// cannot be written, 2 wrong arguments.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "model/model_grid.h"
#include "platform/error.h"

namespace {

constexpr const char* kDefaultGrid = "/usr/share/proj/egm96_15.gtx";
constexpr size_t kHeaderBytes = 40;
constexpr double kModelSouthDegrees = 48.0;
constexpr double kModelWestDegrees = 13.0;
constexpr double kModelStepsPerDegree = 100.0;
constexpr double kFullCircleDegrees = 360.0;
constexpr double kMetresToGridUnits = 1e5;
// Grids of this format mark missing values with −88.8888.
constexpr double kNoDataBelow = -88.0;

uint64_t BigEndian(const unsigned char* b, int bytes) {
  uint64_t v = 0;
  for (int k = 0; k < bytes; ++k) v = v << 8 | b[k];
  return v;
}

double BigEndianDouble(const unsigned char* b) {
  uint64_t u = BigEndian(b, 8);
  double d;
  std::memcpy(&d, &u, sizeof d);
  return d;
}

float BigEndianFloat(const unsigned char* b) {
  uint32_t u = static_cast<uint32_t>(BigEndian(b, 4));
  float f;
  std::memcpy(&f, &u, sizeof f);
  return f;
}

int32_t BigEndianInt32(const unsigned char* b) {
  return static_cast<int32_t>(static_cast<uint32_t>(BigEndian(b, 4)));
}

// A geoid grid held in memory, nodes at (south + i·latStep, west + j·lonStep).
class GeoidGrid {
 public:
  explicit GeoidGrid(const std::string& path) : path_(path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw qv::Error("cannot open the geoid grid", path);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    if (in.bad()) throw qv::Error("cannot read the geoid grid", path);
    if (bytes.size() < kHeaderBytes) throw qv::Error("the geoid grid has no complete header", path);

    south_ = BigEndianDouble(&bytes[0]);
    west_ = BigEndianDouble(&bytes[8]);
    latStep_ = BigEndianDouble(&bytes[16]);
    lonStep_ = BigEndianDouble(&bytes[24]);
    rows_ = BigEndianInt32(&bytes[32]);
    cols_ = BigEndianInt32(&bytes[36]);
    if (!(std::isfinite(south_) && std::isfinite(west_) && latStep_ > 0 && lonStep_ > 0 &&
          std::isfinite(latStep_) && std::isfinite(lonStep_) && rows_ >= 2 && cols_ >= 2)) {
      throw qv::Error("the geoid grid has a malformed header", path);
    }
    const size_t need = kHeaderBytes + size_t{4} * static_cast<size_t>(rows_) * cols_;
    if (bytes.size() < need) {
      throw qv::Error(
          "the geoid grid is shorter than its header says: " + std::to_string(bytes.size()) +
              " bytes instead of " + std::to_string(need),
          path);
    }
    values_.resize(static_cast<size_t>(rows_) * cols_);
    for (size_t k = 0; k < values_.size(); ++k) {
      values_[k] = BigEndianFloat(&bytes[kHeaderBytes + 4 * k]);
    }
    // A grid spanning the whole circle wraps from its last column to its first.
    wraps_ = std::fabs(cols_ * lonStep_ - kFullCircleDegrees) < lonStep_ / 2;
  }

  // Bilinear value in metres at lat, lon (degrees).
  double Sample(double lat, double lon) const {
    const double fi = (lat - south_) / latStep_;
    double lonFromWest = std::fmod(lon - west_, kFullCircleDegrees);
    if (lonFromWest < 0) lonFromWest += kFullCircleDegrees;
    const double fj = lonFromWest / lonStep_;
    const int i0 = static_cast<int>(std::floor(fi));
    const int j0 = static_cast<int>(std::floor(fj));
    const int i1 = i0 + 1;
    int j1 = j0 + 1;
    if (wraps_ && j1 == cols_) j1 = 0;
    if (i0 < 0 || i1 >= rows_ || j0 < 0 || j1 >= cols_) {
      throw qv::Error("the geoid grid does not cover " + std::to_string(lat) + "° N " +
                          std::to_string(lon) + "° E",
                      path_);
    }
    const double p = fi - i0;
    const double q = fj - j0;
    const double v00 = Node(i0, j0), v10 = Node(i1, j0), v11 = Node(i1, j1), v01 = Node(i0, j1);
    return (1 - p) * (1 - q) * v00 + p * (1 - q) * v10 + p * q * v11 + (1 - p) * q * v01;
  }

 private:
  double Node(int i, int j) const {
    const float v = values_[static_cast<size_t>(i) * cols_ + j];
    if (!std::isfinite(v) || v < kNoDataBelow) {
      throw qv::Error("the geoid grid has no value at row " + std::to_string(i) + ", column " +
                          std::to_string(j),
                      path_);
    }
    return v;
  }

  std::string path_;
  double south_ = 0, west_ = 0, latStep_ = 0, lonStep_ = 0;
  int32_t rows_ = 0, cols_ = 0;
  bool wraps_ = false;
  std::vector<float> values_;
};

void WriteModel(const GeoidGrid& geoid, const std::string& output) {
  std::vector<unsigned char> bytes;
  bytes.reserve(qv::kModelFileBytes);
  for (int r = 0; r < qv::kGridRows; ++r) {
    for (int c = 0; c < qv::kGridCols; ++c) {
      const double lat = kModelSouthDegrees + r / kModelStepsPerDegree;
      const double lon = kModelWestDegrees + c / kModelStepsPerDegree;
      const long units = std::lround(geoid.Sample(lat, lon) * kMetresToGridUnits);
      const uint32_t u = static_cast<uint32_t>(static_cast<int32_t>(units));
      for (int k = 0; k < 4; ++k) bytes.push_back(static_cast<unsigned char>(u >> (8 * k)));
    }
  }
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  if (!out) throw qv::Error("cannot create the model file", output);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw qv::Error("cannot write the model file", output);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: make_demo_model OUTPUT [GTX]\n"
              << "  GTX defaults to " << kDefaultGrid << " (Debian package proj-data)\n";
    return 2;
  }
  const std::string output = argv[1];
  const std::string gridPath = argc == 3 ? argv[2] : kDefaultGrid;
  try {
    const GeoidGrid geoid(gridPath);
    WriteModel(geoid, output);
  } catch (const qv::Error& e) {
    std::cerr << "make_demo_model: " << e.file() << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
