// The point table of task 4: the points of blh.grs that lie inside the model
// area, in file order, each with its name and its height anomaly N.  Entries
// are numbered from 1; names need not be unique, every accepted point gets an
// entry of its own.  The capacity is fixed and reserved once, when the table is
// made; the table never grows and allocates nothing afterwards.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "compute/record.h"

namespace qv {

inline constexpr int32_t kPointCapacity = 100000;

class PointTable {
 public:
  PointTable();  // reserves kPointCapacity entries; the table starts empty
  PointTable(const PointTable&) = delete;
  PointTable& operator=(const PointTable&) = delete;

  // Empties the table; the room stays reserved.
  void Clear() { count_ = 0; }

  // Stores `name` (its first kNameLength bytes) and `N` (metres) as entry
  // Count() + 1.  False, and nothing stored, when the table is full.
  bool Add(std::string_view name, long double N);

  int32_t Count() const { return count_; }
  bool Full() const { return count_ == kPointCapacity; }

  // Entry k, 1 <= k <= Count().
  std::string_view Name(int32_t k) const {
    return {&names_[static_cast<size_t>(k - 1) * kNameLength], lengths_[k - 1]};
  }
  long double N(int32_t k) const { return anomalies_[k - 1]; }

 private:
  int32_t count_ = 0;
  std::unique_ptr<char[]> names_;             // kNameLength bytes per entry
  std::unique_ptr<uint8_t[]> lengths_;        // bytes in use of each name
  std::unique_ptr<long double[]> anomalies_;  // N, metres
};

}  // namespace qv
