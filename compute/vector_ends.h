// The two end points of a GNSS vector in the point table of task 4, found
// through an index of the table's names (name → its entries in file order).
//
// The pair is the one that a scan of the table from entry 1 gives: at each entry
// the name is compared first with NrI (a match sets I to the entry), then with
// NrJ (a match sets J), and the scan stops at the first entry at which both
// names have been seen.  So each end takes the last entry of its name up to
// that entry, and NrI equal to NrJ takes the first entry of the name.  Names
// are compared byte for byte over their first kNameLength bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "compute/point_table.h"

namespace qv {

struct VectorEnds {
  int32_t I = 0;  // entry of the start point NrI, 1-based
  int32_t J = 0;  // entry of the end point NrJ, 1-based
};

class PointIndex {
 public:
  PointIndex();  // reserves room for kPointCapacity entries, once
  PointIndex(const PointIndex&) = delete;
  PointIndex& operator=(const PointIndex&) = delete;

  // Indexes the entries of `table`, which must stay unchanged (and alive) while
  // the index is used.  Allocates nothing.
  void Build(const PointTable& table);

  // The entries of NrI and NrJ; no value when either name has no entry.
  std::optional<VectorEnds> FindVectorEnds(std::string_view nrI, std::string_view nrJ) const;

 private:
  // The group (distinct name) of `name`, or -1 when the table lacks it.
  int32_t FindGroup(std::string_view name, uint32_t& slot) const;
  // Within the entries of group g, the last one not after entry `limit`.
  int32_t LastUpTo(int32_t g, int32_t limit) const;

  const PointTable* table_ = nullptr;
  int32_t groups_ = 0;
  std::unique_ptr<int32_t[]> slots_;       // open addressing: group + 1, or 0 when free
  std::unique_ptr<int32_t[]> entryGroup_;  // group of each entry
  std::unique_ptr<int32_t[]> firstEntry_;  // first entry of each group
  std::unique_ptr<int32_t[]> start_;       // first position of each group (groups_ + 1 values)
  std::unique_ptr<int32_t[]> entries_;     // entry numbers, grouped, ascending in each group
};

}  // namespace qv
