#include "compute/vector_ends.h"

#include <algorithm>

namespace qv {
namespace {

// A power of two above twice the capacity keeps probe chains short.
constexpr uint32_t kSlotCount = uint32_t{1} << 18;
constexpr uint32_t kSlotMask = kSlotCount - 1;
static_assert(kSlotCount >= 2 * static_cast<uint32_t>(kPointCapacity));

// FNV-1a over the bytes of the name.
constexpr uint32_t kHashBasis = 2166136261u;
constexpr uint32_t kHashPrime = 16777619u;

uint32_t HashName(std::string_view name) {
  uint32_t h = kHashBasis;
  for (unsigned char c : name) h = (h ^ c) * kHashPrime;
  return h;
}

}  // namespace

PointIndex::PointIndex()
    : slots_(new int32_t[kSlotCount]),
      entryGroup_(new int32_t[kPointCapacity]),
      firstEntry_(new int32_t[kPointCapacity]),
      start_(new int32_t[kPointCapacity + 1]),
      entries_(new int32_t[kPointCapacity]) {}

int32_t PointIndex::FindGroup(std::string_view name, uint32_t& slot) const {
  for (slot = HashName(name) & kSlotMask; slots_[slot] != 0; slot = (slot + 1) & kSlotMask) {
    const int32_t g = slots_[slot] - 1;
    if (table_->Name(firstEntry_[g]) == name) return g;
  }
  return -1;
}

void PointIndex::Build(const PointTable& table) {
  table_ = &table;
  groups_ = 0;
  std::fill(slots_.get(), slots_.get() + kSlotCount, 0);
  const int32_t n = table.Count();

  // Pass 1: a group per distinct name, numbered in order of first appearance;
  // start_[g] counts its entries meanwhile.
  for (int32_t k = 1; k <= n; ++k) {
    uint32_t slot = 0;
    int32_t g = FindGroup(table.Name(k), slot);
    if (g < 0) {
      g = groups_++;
      slots_[slot] = g + 1;
      firstEntry_[g] = k;
      start_[g] = 0;
    }
    ++start_[g];
    entryGroup_[k - 1] = g;
  }

  // Pass 2: sizes to starting positions, then the entries in file order.
  int32_t position = 0;
  for (int32_t g = 0; g < groups_; ++g) {
    const int32_t size = start_[g];
    start_[g] = position;
    position += size;
  }
  start_[groups_] = position;
  // start_ serves as the fill cursor and ends up one group further on:
  // start_[g] is then the end of group g, which is the start of group g + 1.
  for (int32_t k = 1; k <= n; ++k) entries_[start_[entryGroup_[k - 1]]++] = k;
  for (int32_t g = groups_; g > 0; --g) start_[g] = start_[g - 1];
  start_[0] = 0;
}

int32_t PointIndex::LastUpTo(int32_t g, int32_t limit) const {
  const int32_t* first = &entries_[start_[g]];
  const int32_t* last = &entries_[start_[g + 1]];
  return *(std::upper_bound(first, last, limit) - 1);
}

std::optional<VectorEnds> PointIndex::FindVectorEnds(std::string_view nrI,
                                                     std::string_view nrJ) const {
  if (table_ == nullptr) return std::nullopt;
  uint32_t slot = 0;
  const int32_t gi = FindGroup(nrI.substr(0, kNameLength), slot);
  const int32_t gj = FindGroup(nrJ.substr(0, kNameLength), slot);
  if (gi < 0 || gj < 0) return std::nullopt;
  // The scan stops at the later of the two first entries.
  const int32_t stop = std::max(firstEntry_[gi], firstEntry_[gj]);
  return VectorEnds{LastUpTo(gi, stop), LastUpTo(gj, stop)};
}

}  // namespace qv
