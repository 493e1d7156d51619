#include "model/deflection.h"

#include "model/interpolation.h"

namespace qv {

namespace {

// Seconds of arc in one radian, 648000/π.
constexpr long double kArcSecondsPerRadian = 206264.80624709635515L;
// A difference of grid values over two grid steps (units of 1e-5 m) in metres
// per grid step: 1e-5 for the unit, 1/2 for the two steps.
constexpr long double kHalfDifferenceToMetres = 5e-6L;

// Linear approximations of the 0.01° step lengths over the model's latitudes.
constexpr long double kMeridianStepAtRow0 = 1111.9L;
constexpr long double kMeridianStepPerRow = 0.0019L;
constexpr long double kParallelStepAtRow0 = 746.25L;
constexpr long double kParallelStepPerRow = 0.153L;

// a − b in signed 32-bit arithmetic, wrapping like the machine instead of
// leaving an overflow undefined (only absurd model values get near it).
int32_t Difference32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

// The slope of the model across a node, in seconds of arc: `before` and
// `after` are the neighbours on either side (south/north or west/east).
long double NodeSlope(int32_t before, int32_t node, int32_t after, long double step) {
  // Integer differences, converted, then added as reals; then × 5e-6, × ρ″, ÷ step.
  const long double first = Difference32(before, node);
  const long double second = Difference32(node, after);
  return (first + second) * kHalfDifferenceToMetres * kArcSecondsPerRadian / step;
}

}  // namespace

long double MeridianStep(int32_t row) {
  return static_cast<long double>(row) * kMeridianStepPerRow + kMeridianStepAtRow0;
}

long double ParallelStep(int32_t row) {
  return kParallelStepAtRow0 - static_cast<long double>(row) * kParallelStepPerRow;
}

Deflection ComputeDeflection(const ModelGrid& grid, const GridCell& cell) {
  const int r = cell.Row;
  const int c = cell.Col;
  const long double dB = MeridianStep(cell.Row);
  const long double dL = ParallelStep(cell.Row);

  // KSI at node (i, j): the value south of it minus the value north of it.
  auto ksi = [&](int i, int j) {
    return NodeSlope(grid.G(r + i - 1, c + j), grid.G(r + i, c + j), grid.G(r + i + 1, c + j), dB);
  };
  // ETA at node (i, j): the value west of it minus the value east of it.
  auto eta = [&](int i, int j) {
    return NodeSlope(grid.G(r + i, c + j - 1), grid.G(r + i, c + j), grid.G(r + i, c + j + 1), dL);
  };

  // Blended with the weights and the order of summation of N.
  Deflection d;
  d.KSI = BilinearBlend(ksi(0, 0), ksi(1, 0), ksi(1, 1), ksi(0, 1), cell.RowFrac, cell.ColFrac);
  d.ETA = BilinearBlend(eta(0, 0), eta(1, 0), eta(1, 1), eta(0, 1), cell.RowFrac, cell.ColFrac);
  return d;
}

}  // namespace qv
