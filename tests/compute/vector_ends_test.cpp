// The point table of task 4 and the index that finds the two ends of a vector:
// the pair must be the one of a plain scan of the table from entry 1.
#include "compute/vector_ends.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "compute/point_table.h"

namespace qv {
namespace {

// The scan as the task describes it: compare with NrI, then with NrJ, stop as
// soon as both have been seen.
std::optional<VectorEnds> ScanForEnds(const PointTable& table, std::string_view nrI,
                                      std::string_view nrJ) {
  nrI = nrI.substr(0, 16);
  nrJ = nrJ.substr(0, 16);
  int32_t I = 0, J = 0;
  for (int32_t k = 1; k <= table.Count(); ++k) {
    if (table.Name(k) == nrI) I = k;
    if (table.Name(k) == nrJ) J = k;
    if (I > 0 && J > 0) return VectorEnds{I, J};
  }
  return std::nullopt;
}

int32_t FirstEntry(const PointTable& table, std::string_view name) {
  for (int32_t k = 1; k <= table.Count(); ++k) {
    if (table.Name(k) == name.substr(0, 16)) return k;
  }
  return 0;
}

void Fill(PointTable& table, const std::vector<std::string>& names) {
  table.Clear();
  for (size_t k = 0; k < names.size(); ++k) ASSERT_TRUE(table.Add(names[k], k + 1));
}

struct EndsCase {
  const char* what;
  std::vector<std::string> names;
  const char* nrI;
  const char* nrJ;
  int32_t I, J;  // 0, 0: missing
};

void PrintTo(const EndsCase& c, std::ostream* os) {
  *os << c.what;
}

class FindVectorEndsTest : public ::testing::TestWithParam<EndsCase> {};

TEST_P(FindVectorEndsTest, GivesThePairOfTheScan) {
  const EndsCase& c = GetParam();
  PointTable table;
  Fill(table, c.names);
  PointIndex index;
  index.Build(table);
  const std::optional<VectorEnds> ends = index.FindVectorEnds(c.nrI, c.nrJ);
  if (c.I == 0) {
    EXPECT_FALSE(ends.has_value());
    EXPECT_FALSE(ScanForEnds(table, c.nrI, c.nrJ).has_value());
    return;
  }
  ASSERT_TRUE(ends.has_value());
  EXPECT_EQ(ends->I, c.I);
  EXPECT_EQ(ends->J, c.J);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindVectorEndsTest,
    ::testing::Values(
        EndsCase{
            "start point twice before the end point", {"A", "X", "A", "Y", "B"}, "A", "B", 3, 5},
        EndsCase{"end point between the two start points", {"A", "B", "A"}, "A", "B", 1, 2},
        EndsCase{"end point first", {"B", "A", "B", "A"}, "A", "B", 2, 1},
        EndsCase{
            "end point repeated before the start point", {"B", "B", "C", "A", "B"}, "A", "B", 4, 2},
        EndsCase{"same name at both ends", {"X", "A", "A"}, "A", "A", 2, 2},
        EndsCase{"end point missing", {"A", "C"}, "A", "B", 0, 0},
        EndsCase{"start point missing", {"C", "B"}, "A", "B", 0, 0},
        EndsCase{"empty table", {}, "A", "A", 0, 0},
        EndsCase{"letter case matters", {"a", "B"}, "A", "B", 0, 0},
        EndsCase{"a prefix is another name", {"AB", "ABC"}, "AB", "A", 0, 0},
        EndsCase{"names of 17 bytes compare over 16",
                 {"ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOP"},
                 "ABCDEFGHIJKLMNOPR",
                 "ABCDEFGHIJKLMNOPS",
                 1,
                 1},
        EndsCase{"bytes above 127",
                 {"\xA3\xF3"
                  "d\x9F",
                  "Z"},
                 "Z",
                 "\xA3\xF3"
                 "d\x9F",
                 2,
                 1}),
    [](const ::testing::TestParamInfo<EndsCase>& info) {
      std::string name;
      for (const char* p = info.param.what; *p; ++p) name += std::isalnum(*p) ? *p : '_';
      return name;
    });

TEST(PointTableTest, KeepsSixteenBytesOfANameAndTheExactAnomaly) {
  PointTable table;
  const long double N = 1.0L / 3.0L;
  ASSERT_TRUE(table.Add("ABCDEFGHIJKLMNOPQRSTU", N));
  ASSERT_TRUE(table.Add("", -N));
  ASSERT_EQ(table.Count(), 2);
  EXPECT_EQ(table.Name(1), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(table.N(1), N);
  EXPECT_EQ(table.Name(2), "");
  EXPECT_EQ(table.N(2), -N);
}

TEST(PointTableTest, HoldsExactlyItsCapacity) {
  PointTable table;
  for (int32_t k = 1; k <= kPointCapacity; ++k) {
    ASSERT_TRUE(table.Add("P" + std::to_string(k), k));
  }
  EXPECT_TRUE(table.Full());
  EXPECT_FALSE(table.Add("one too many", 0));
  EXPECT_EQ(table.Count(), kPointCapacity);
  EXPECT_EQ(table.Name(kPointCapacity), "P100000");
  EXPECT_EQ(table.N(kPointCapacity), 100000.0L);
  table.Clear();
  EXPECT_EQ(table.Count(), 0);
  EXPECT_TRUE(table.Add("again", 1));
  EXPECT_EQ(table.Name(1), "again");
}

// Small tables drawn from a few names, so that every name occurs many times,
// and every pair of names (plus one absent name) asked for.
TEST(PointIndexTest, AgreesWithTheScanOnTablesOfRepeatedNames) {
  const std::vector<std::string> pool = {"A", "B", "AB", "b", "P1", "ABCDEFGHIJKLMNOP", ""};
  const std::vector<std::string> queries = {"A",  "B", "AB", "b", "P1", "ABCDEFGHIJKLMNOPX",
                                            "Q9", "BA"};
  std::mt19937 random(20240611);
  PointTable table;
  PointIndex index;  // one index rebuilt for every table, as the task does per run
  long compared = 0, found = 0, notFirst = 0;
  for (int round = 0; round < 400; ++round) {
    const int size = std::uniform_int_distribution<int>(0, 40)(random);
    const int names =
        std::uniform_int_distribution<int>(1, static_cast<int>(pool.size()) - 1)(random);
    std::uniform_int_distribution<int> pick(0, names - 1);
    table.Clear();
    for (int k = 0; k < size; ++k) ASSERT_TRUE(table.Add(pool[pick(random)], k));
    index.Build(table);
    for (const std::string& nrI : queries) {
      for (const std::string& nrJ : queries) {
        const std::optional<VectorEnds> expected = ScanForEnds(table, nrI, nrJ);
        const std::optional<VectorEnds> got = index.FindVectorEnds(nrI, nrJ);
        ASSERT_EQ(got.has_value(), expected.has_value())
            << "round " << round << " " << nrI << "/" << nrJ;
        if (expected) {
          ASSERT_EQ(got->I, expected->I) << "round " << round << " " << nrI << "/" << nrJ;
          ASSERT_EQ(got->J, expected->J) << "round " << round << " " << nrI << "/" << nrJ;
          ++found;
          if (expected->I != FirstEntry(table, nrI) || expected->J != FirstEntry(table, nrJ)) {
            ++notFirst;
          }
        }
        ++compared;
      }
    }
  }
  // The draw must have exercised both outcomes.
  EXPECT_GT(found, compared / 10);
  EXPECT_LT(found, compared);
  // ... and ends that are not the first entry of their name.
  EXPECT_GT(notFirst, found / 10);
}

// A full table of a few names with long runs of each, where the last entries
// up to the stop lie deep inside the runs.
TEST(PointIndexTest, AgreesWithTheScanOnAFullTable) {
  PointTable table;
  std::mt19937 random(7);
  const char* names[] = {"A", "B", "C"};
  for (int32_t k = 0; k < kPointCapacity; ++k) {
    // "C" appears only in the second half.
    const int n =
        k < kPointCapacity / 2 ? static_cast<int>(random() % 2) : static_cast<int>(random() % 3);
    ASSERT_TRUE(table.Add(names[n], k));
  }
  PointIndex index;
  index.Build(table);
  for (const char* nrI : names) {
    for (const char* nrJ : names) {
      const std::optional<VectorEnds> expected = ScanForEnds(table, nrI, nrJ);
      const std::optional<VectorEnds> got = index.FindVectorEnds(nrI, nrJ);
      ASSERT_TRUE(expected && got) << nrI << "/" << nrJ;
      EXPECT_EQ(got->I, expected->I) << nrI << "/" << nrJ;
      EXPECT_EQ(got->J, expected->J) << nrI << "/" << nrJ;
    }
  }
}

TEST(PointIndexTest, FindsNothingBeforeItIsBuilt) {
  PointIndex index;
  EXPECT_FALSE(index.FindVectorEnds("A", "A").has_value());
}

}  // namespace
}  // namespace qv
