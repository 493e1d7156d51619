// make_levelling_job: a large synthetic job for task 4, for benchmarks.  Writes
// into FOLDER the point list blh.grs (POINTS points inside the model area,
// named from NAMES distinct names in turn), the vector file deltah.gps
// (VECTORS vectors between points drawn at random, ending with a record of
// zeros) and a smooth synthetic model file quavelor_5021RM.bin.  The same
// arguments always give the same files.
//
//   make_levelling_job FOLDER POINTS VECTORS [NAMES]
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "compute/run.h"
#include "model/model_grid.h"

namespace {

constexpr const char* kUsage = "usage: make_levelling_job FOLDER POINTS VECTORS [NAMES]\n";
constexpr uint64_t kSeed = 0x5eed2011;

// A 64-bit linear congruential generator: the same stream on every platform.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return state_ >> 11;
  }
  // 0 <= value < n.
  long Below(long n) { return static_cast<long>(Next() % static_cast<uint64_t>(n)); }

 private:
  uint64_t state_;
};

class Output {
 public:
  explicit Output(const std::string& path) : file_(std::fopen(path.c_str(), "wb")), path_(path) {
    if (file_ == nullptr) Fail();
  }
  ~Output() {
    Flush();
    if (std::fclose(file_) != 0) Fail();
  }
  void Write(const char* bytes, size_t size) {
    buffer_.append(bytes, size);
    if (buffer_.size() > kBufferBytes) Flush();
  }
  void Write(const char* text) { Write(text, std::strlen(text)); }

 private:
  static constexpr size_t kBufferBytes = size_t{1} << 20;
  void Flush() {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) Fail();
    buffer_.clear();
  }
  [[noreturn]] void Fail() {
    std::perror(path_.c_str());
    std::exit(1);
  }
  std::FILE* file_;
  std::string path_;
  std::string buffer_;
};

std::string Name(long k) {
  char text[24];
  std::snprintf(text, sizeof text, "P%06ld", k);
  return text;
}

// A model of smooth hills between about 25 m and 45 m, in units of 1e-5 m.
void WriteModel(const std::string& path) {
  Output out(path);
  for (int r = 0; r < qv::kGridRows; ++r) {
    for (int c = 0; c < qv::kGridCols; ++c) {
      const double metres = 35.0 + 6.0 * std::sin(r / 97.0) + 4.0 * std::cos(c / 151.0);
      const auto value = static_cast<uint32_t>(static_cast<int32_t>(std::lround(metres * 1e5)));
      const char bytes[4] = {
          static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
          static_cast<char>((value >> 16) & 0xFF), static_cast<char>((value >> 24) & 0xFF)};
      out.Write(bytes, sizeof bytes);
    }
  }
}

// Points between 48°00′ and 55°59′ N and 13°00′ and 24°59′ E, with an
// ellipsoidal height that the task does not read.
void WritePoints(const std::string& path, long points, long names, Random& random) {
  Output out(path);
  char line[96];
  for (long k = 0; k < points; ++k) {
    const long bMinutes = random.Below(8 * 60), lMinutes = random.Below(12 * 60);
    const double bSeconds = random.Below(6000000) / 1e5, lSeconds = random.Below(6000000) / 1e5;
    const double height = 100.0 + random.Below(50000000) / 1e5;
    std::snprintf(line, sizeof line, "%s %ld %ld %.5f %ld %ld %.5f %.4f\r\n",
                  Name(k % names + 1).c_str(), 48 + bMinutes / 60, bMinutes % 60, bSeconds,
                  13 + lMinutes / 60, lMinutes % 60, lSeconds, height);
    out.Write(line);
  }
}

void WriteVectors(const std::string& path, long vectors, long names, Random& random) {
  Output out(path);
  out.Write("NrI NrJ DH(elips) 1/w\r\n");
  char line[96];
  for (long k = 0; k < vectors; ++k) {
    const long i = random.Below(names) + 1, j = random.Below(names) + 1;
    const double dh = (random.Below(20000000) - 10000000) / 1e5;
    const double weight = (1 + random.Below(9999)) / 1e8;
    std::snprintf(line, sizeof line, "%s %s %.4f %.8f\r\n", Name(i).c_str(), Name(j).c_str(), dh,
                  weight);
    out.Write(line);
  }
  out.Write("0 0 0 0\r\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string folder = argv[1];
  const long points = std::atol(argv[2]);
  const long vectors = std::atol(argv[3]);
  const long names = argc == 5 ? std::atol(argv[4]) : points;
  if (points < 1 || vectors < 0 || names < 1 || names > points) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  Random random(kSeed);
  WriteModel(folder + "/" + qv::kModelFileName);
  WritePoints(folder + "/blh.grs", points, names, random);
  WriteVectors(folder + "/deltah.gps", vectors, names, random);
  return 0;
}
