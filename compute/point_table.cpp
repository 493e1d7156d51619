#include "compute/point_table.h"

#include <algorithm>

namespace qv {

PointTable::PointTable()
    : names_(new char[static_cast<size_t>(kPointCapacity) * kNameLength]),
      lengths_(new uint8_t[kPointCapacity]),
      anomalies_(new long double[kPointCapacity]) {}

bool PointTable::Add(std::string_view name, long double N) {
  if (Full()) return false;
  const std::string_view kept = name.substr(0, kNameLength);
  std::copy(kept.begin(), kept.end(), &names_[static_cast<size_t>(count_) * kNameLength]);
  lengths_[count_] = static_cast<uint8_t>(kept.size());
  anomalies_[count_] = N;
  ++count_;
  return true;
}

}  // namespace qv
