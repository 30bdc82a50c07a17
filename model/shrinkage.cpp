#include "model/shrinkage.h"

#include <cmath>

namespace glandwise {
namespace {

double reduction(double stretchPercent, bool storeFloats) {
  const auto stored = [storeFloats](double value) { return storeFloats ? double(float(value)) : value; };
  return stored(stored((1 - 10 / std::sqrt(stretchPercent + 100)) * 100) + 2);
}

}  // namespace

double stretchedCrossSection(double w, double stretchPercent, bool storeFloats) {
  const double s = stretchPercent;
  if (s <= 3) return w - ((((s * 1.06) + 0.01) - std::pow(s, 2) * 0.1) / 100) * w;
  if (s <= 26) return w - ((((s * 0.59) + 0.56) - std::pow(s, 2) * 0.0046) / 100) * w;
  return w / (reduction(s, storeFloats) / 100 + 1);
}

float extrapolatedReduction(double stretchPercent) { return static_cast<float>(reduction(stretchPercent, true)); }

}  // namespace glandwise
