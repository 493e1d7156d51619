#include "model/model_grid.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/error.h"

namespace qv {

namespace {

constexpr int kValueBytes = 4;
// The file is read in a handful of large blocks, never value by value.
constexpr size_t kReadBlockBytes = size_t{1} << 20;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// Little-endian signed 32-bit value, independent of the machine's byte order.
int32_t DecodeLittleEndian(const unsigned char* b) {
  uint32_t u = uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
  return static_cast<int32_t>(u);
}

}  // namespace

ModelGrid::ModelGrid() : values_(std::make_unique<int32_t[]>(kGridValues)) {}

void LoadModelGrid(const std::string& path, ModelGrid& grid, const std::function<void()>& step) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) throw Error("cannot open the model file: " + std::string(std::strerror(errno)), path);

  // The whole grid is read before any value is stored, so a short or
  // unreadable file leaves the grid as it was.
  constexpr size_t kBytes = kModelFileBytes;
  // Not zero-filled: every byte is read before it is used.
  const auto bytes = std::make_unique_for_overwrite<unsigned char[]>(kBytes);
  size_t have = 0;
  while (have < kBytes) {
    const size_t want = std::min(kReadBlockBytes, kBytes - have);
    const size_t got = std::fread(bytes.get() + have, 1, want, file.get());
    have += got;
    if (got < want) break;
  }
  if (std::ferror(file.get())) {
    throw Error("cannot read the model file: " + std::string(std::strerror(errno)), path);
  }
  if (have < kBytes) {
    throw Error("the model file is too short: " + std::to_string(have) + " bytes instead of " +
                    std::to_string(kModelFileBytes),
                path);
  }

  int32_t* out = grid.data();
  for (long k = 0; k < kGridValues; ++k) {
    step();
    out[k] = DecodeLittleEndian(bytes.get() + k * kValueBytes);
  }
}

}  // namespace qv
