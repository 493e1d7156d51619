// model_to_gtx MODEL GTX: writes the model file's grid as a vertical-shift
// grid in the GTX layout (a 40-byte big-endian header: south latitude, west
// longitude, latitude step, longitude step in degrees as doubles, rows and
// columns as int32; then rows × columns big-endian float32 values in metres,
// south row first), so that other coordinate tools can apply the same model
// in benchmarks and cross-checks.  float32 keeps N to about 2e-6 m.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "model/model_grid.h"
#include "platform/error.h"

namespace {

constexpr double kSouthDegrees = 48.0;
constexpr double kWestDegrees = 13.0;
constexpr double kStepDegrees = 0.01;

template <typename T>
void AppendBigEndian(std::vector<unsigned char>& out, T value) {
  static_assert(sizeof(T) == 4 || sizeof(T) == 8);
  unsigned char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  for (size_t i = sizeof(T); i-- > 0;) out.push_back(bytes[i]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: model_to_gtx MODEL GTX\n");
    return 2;
  }
  try {
    qv::ModelGrid grid;
    qv::LoadModelGrid(argv[1], grid, [] {});
    std::vector<unsigned char> out;
    out.reserve(40 + qv::kGridValues * 4);
    AppendBigEndian(out, kSouthDegrees);
    AppendBigEndian(out, kWestDegrees);
    AppendBigEndian(out, kStepDegrees);
    AppendBigEndian(out, kStepDegrees);
    AppendBigEndian(out, int32_t{qv::kGridRows});
    AppendBigEndian(out, int32_t{qv::kGridCols});
    for (int r = 0; r < qv::kGridRows; ++r) {
      for (int c = 0; c < qv::kGridCols; ++c) {
        AppendBigEndian(out, static_cast<float>(qv::GridValueToMetres(grid.G(r, c))));
      }
    }
    FILE* f = std::fopen(argv[2], "wb");
    if (f == nullptr || std::fwrite(out.data(), 1, out.size(), f) != out.size() ||
        std::fclose(f) != 0) {
      std::perror(argv[2]);
      return 1;
    }
  } catch (const qv::Error& e) {
    std::fprintf(stderr, "model_to_gtx: %s: %s\n", e.file().c_str(), e.what());
    return 1;
  }
  return 0;
}
