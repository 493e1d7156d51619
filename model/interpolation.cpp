#include "model/interpolation.h"

namespace qv {

long double BilinearBlend(long double v00, long double v10, long double v11, long double v01,
                          long double p, long double q) {
  return (1 - p) * v00 * (1 - q) + v10 * p * (1 - q) + v11 * p * q + (1 - p) * v01 * q;
}

long double InterpolateAnomaly(const ModelGrid& grid, const GridCell& cell) {
  const int r = cell.Row;
  const int c = cell.Col;
  // Corners in metres before they are weighted.
  const long double N00 = GridValueToMetres(grid.G(r, c));
  const long double N10 = GridValueToMetres(grid.G(r + 1, c));
  const long double N11 = GridValueToMetres(grid.G(r + 1, c + 1));
  const long double N01 = GridValueToMetres(grid.G(r, c + 1));
  return BilinearBlend(N00, N10, N11, N01, cell.RowFrac, cell.ColFrac);
}

}  // namespace qv
