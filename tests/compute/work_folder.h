// A temporary work folder for tests, removed at the end, with helpers to write
// input files byte for byte, read result files and write small synthetic
// models whose values come from a function of row and column.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "model/model_grid.h"

namespace qv::test {

class WorkFolder {
 public:
  WorkFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qvtest-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~WorkFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(*this / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(*this / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(*this / name); }

  // Writes a model file named `name` with G[row][col] = value(row, col).
  void WriteModel(const std::function<int32_t(int, int)>& value,
                  const std::string& name = "quavelor_5021RM.bin") const {
    std::string bytes;
    bytes.reserve(kModelFileBytes);
    for (int r = 0; r < kGridRows; ++r) {
      for (int c = 0; c < kGridCols; ++c) {
        uint32_t v = static_cast<uint32_t>(value(r, c));
        for (int k = 0; k < 4; ++k) bytes.push_back(static_cast<char>((v >> (8 * k)) & 0xFF));
      }
    }
    Write(name, bytes);
  }

 private:
  std::string path_;
};

}  // namespace qv::test
