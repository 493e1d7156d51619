// Writes the program's icon as a PNG for the desktop entry:
//   make_program_icon OUTPUT.png [SIZE]
// SIZE in pixels, 128 when not given.
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "ui/program_icon.h"

int main(int argc, char** argv) {
  constexpr int kDefaultSize = 128;
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: make_program_icon OUTPUT.png [SIZE]\n");
    return 2;
  }
  const int size = argc == 3 ? std::atoi(argv[2]) : kDefaultSize;
  if (!qv::DrawProgramIcon(size).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "make_program_icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
