#include "model/shrinkage.h"

#include <cmath>

namespace glandwise {
namespace {

double reduction(double stretchPercent, bool storeFloats) {
  const auto stored = [storeFloats](double value) { return storeFloats ? double(float(value)) : value; };
  return stored(stored((1 - 10 / std::sqrt(stretchPercent + 100)) * 100) + 2);
}

}  // namespace

double extrapolatedCrossSection(double w, double stretchPercent, bool storeFloats) {
  return w / (reduction(stretchPercent, storeFloats) / 100 + 1);
}

float extrapolatedReduction(double stretchPercent) { return static_cast<float>(reduction(stretchPercent, true)); }

}  // namespace glandwise
