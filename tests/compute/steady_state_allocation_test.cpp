// Reading and writing lines allocate no memory per line once their buffers
// have grown.  Every allocation of this test program is counted.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "compute/line_reader.h"
#include "compute/record.h"
#include "compute/result_file.h"
#include "work_folder.h"

namespace {
long allocations = 0;
}

// The replacements pair malloc with free by design; GCC cannot see that the
// global operators are replaced as a set and warns when it inlines them.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

namespace qv {
namespace {

TEST(SteadyState, ReadingSplittingAndConvertingLinesAllocatesNothing) {
  test::WorkFolder folder;
  // The longest line that needs the reader's own buffer comes first; the file
  // spans several blocks, so lines cross block boundaries too.
  std::string bytes = "first line with a lone \r CR, longer than any that follows\r\n";
  for (int i = 0; bytes.size() < (std::size_t{5} << 20); ++i) {
    bytes += "P" + std::to_string(i) + " 52 15 30.5 21 $1E 12.3456789012345678" +
             (i % 3 == 0   ? "\r\n"
              : i % 3 == 1 ? "\n"
                           : "\r\r\n");
  }
  folder.Write("bl", bytes);

  LineReader reader(folder / "bl");
  FieldList fields;
  std::string_view line;
  ASSERT_TRUE(reader.Next(line));
  const long before = allocations;
  long records = 0;
  long double sum = 0;
  while (reader.Next(line)) {
    int count = SplitRecord(line, fields);
    if (!IsDataRecord(fields, count, 2)) continue;
    PointRecord p = ReadPointRecord(fields);
    sum += ArcSeconds(p.BDeg, p.BMin, p.BSec) + p.LSec;
    ++records;
  }
  EXPECT_EQ(allocations - before, 0);
  EXPECT_GT(records, 100000);
  EXPECT_GT(sum, 0.0L);
}

TEST(SteadyState, WritingResultLinesAllocatesNothing) {
  test::WorkFolder folder;
  ResultFile file(folder / "bln");
  const long before = allocations;
  // Far more than one buffer's worth, so the buffer is written out many times.
  for (int i = 0; i < 100000; ++i) {
    file.Text("P12345678", 16).Text(" ").Integer(52, 3).Integer(15, 3).Real(30.5L + i, 9, 5);
    file.Integer(21, 3).Integer(0, 3).Real(0.123456L * i, 9, 5).Real(33.12345L, 9, 3);
    file.Real(-1.2345L, 7, 2).Real(2.5L, 7, 2).Text(" PL-ETRF2000").EndLine();
  }
  EXPECT_EQ(allocations - before, 0);
  file.Close();
}

}  // namespace
}  // namespace qv
