// Runs a fuzz target once on every file of the folders (or files) given, so
// that the corpus found by fuzzing is replayed as an ordinary test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void RunOne(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<char> bytes(std::istreambuf_iterator<char>(in), {});
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  long inputs = 0;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path arg(argv[i]);
    if (std::filesystem::is_directory(arg)) {
      for (const auto& entry : std::filesystem::directory_iterator(arg)) {
        if (entry.is_regular_file()) {
          RunOne(entry.path());
          ++inputs;
        }
      }
    } else {
      RunOne(arg);
      ++inputs;
    }
  }
  std::printf("replayed %ld inputs\n", inputs);
  return inputs > 0 ? 0 : 1;
}
