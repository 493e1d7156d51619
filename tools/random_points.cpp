// random_points COUNT SEED FOLDER: writes COUNT random points spread evenly
// over the model area (48°–56° N, 13°–25° E) for benchmarks:
//   FOLDER/bl           name, B and L in degrees, minutes, seconds (CR LF)
//   FOLDER/blh_e        the same points with an ellipsoidal height in metres
//   FOLDER/points.lonlat     longitude, latitude in degrees, height 0
//   FOLDER/points.lonlath    longitude, latitude in degrees, the height of blh_e
// The two last are the same points for other coordinate tools.  Positions
// are multiples of 0.00001″, heights of 0.001 m, so every file holds the same
// values exactly.  Same COUNT and SEED, same files.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int64_t kUnitsPerSecond = 100000;  // positions in 0.00001″
constexpr int64_t kUnitsPerDegree = 3600 * kUnitsPerSecond;
constexpr int64_t kSouth = 48, kNorth = 56, kWest = 13, kEast = 25;
constexpr int64_t kMaxHeightMm = 1000000;  // heights below 1000 m

// xorshift64*: fast and good enough to spread points.
struct Random {
  uint64_t state;
  uint64_t Next() {
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return state * 0x2545F4914F6CDD1DULL;
  }
  int64_t Below(int64_t n) { return static_cast<int64_t>(Next() % static_cast<uint64_t>(n)); }
};

// Appends the angle of `units` (0.00001″) as "DD MM SS.sssss".
void AppendDms(std::string& out, int64_t units) {
  char text[32];
  int64_t degrees = units / kUnitsPerDegree;
  int64_t minutes = units / (60 * kUnitsPerSecond) % 60;
  int64_t rest = units % (60 * kUnitsPerSecond);
  std::snprintf(text, sizeof text, "%lld %lld %lld.%05lld", static_cast<long long>(degrees),
                static_cast<long long>(minutes), static_cast<long long>(rest / kUnitsPerSecond),
                static_cast<long long>(rest % kUnitsPerSecond));
  out += text;
}

// Appends the angle of `units` in degrees with 12 decimals.
void AppendDegrees(std::string& out, int64_t units) {
  char text[32];
  std::snprintf(text, sizeof text, "%.12Lf", static_cast<long double>(units) / kUnitsPerDegree);
  out += text;
}

void AppendHeight(std::string& out, int64_t mm) {
  char text[32];
  std::snprintf(text, sizeof text, "%lld.%03lld", static_cast<long long>(mm / 1000),
                static_cast<long long>(mm % 1000));
  out += text;
}

FILE* Create(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) {
    std::perror(path.c_str());
    std::exit(1);
  }
  return f;
}

void Write(FILE* f, std::string& text) {
  std::fwrite(text.data(), 1, text.size(), f);
  text.clear();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: random_points COUNT SEED FOLDER\n");
    return 2;
  }
  const long count = std::atol(argv[1]);
  Random random{static_cast<uint64_t>(std::atoll(argv[2])) * 2654435761ULL + 1};
  const std::string folder = argv[3];
  FILE* bl = Create(folder + "/bl");
  FILE* blhE = Create(folder + "/blh_e");
  FILE* lonLat = Create(folder + "/points.lonlat");
  FILE* lonLatH = Create(folder + "/points.lonlath");
  std::string a, b, c, d;
  for (long i = 1; i <= count; ++i) {
    const int64_t B = kSouth * kUnitsPerDegree + random.Below((kNorth - kSouth) * kUnitsPerDegree);
    const int64_t L = kWest * kUnitsPerDegree + random.Below((kEast - kWest) * kUnitsPerDegree);
    const int64_t heightMm = random.Below(kMaxHeightMm);
    std::string point = "P" + std::to_string(i) + " ";
    AppendDms(point, B);
    point += " ";
    AppendDms(point, L);
    a += point + "\r\n";
    b += point + " ";
    AppendHeight(b, heightMm);
    b += "\r\n";
    std::string degrees;
    AppendDegrees(degrees, L);
    degrees += " ";
    AppendDegrees(degrees, B);
    c += degrees + " 0\n";
    d += degrees + " ";
    AppendHeight(d, heightMm);
    d += "\n";
    if (a.size() > (1 << 20)) {
      Write(bl, a);
      Write(blhE, b);
      Write(lonLat, c);
      Write(lonLatH, d);
    }
  }
  Write(bl, a);
  Write(blhE, b);
  Write(lonLat, c);
  Write(lonLatH, d);
  for (FILE* f : {bl, blhE, lonLat, lonLatH}) {
    if (std::fclose(f) != 0) {
      std::perror("random_points");
      return 1;
    }
  }
  return 0;
}
