#pragma once
// How stretch thins an o-ring's cross-section: the one rule of the stretch checks, the
// design review and its statistics.

namespace glandwise {

// The effective cross-section (inch) of a seal of cross-section `w` (inch) stretched by
// `stretchPercent` > 0 (0 on a housing groove): w reduced by (1.06 s + 0.01 − 0.1 s²) % up
// to 3 % stretch and by (0.59 s + 0.56 − 0.0046 s²) % up to 26 %; beyond, w ÷ (1 + RW/100)
// with RW = (1 − 10 / √(s + 100)) × 100 + 2, extrapolated from test data. With
// `storeFloats` each stored step of RW is rounded to a 32-bit float, as the checks store
// it; the statistics keep doubles.
// Inline: the design review's statistics call it for every sampled assembly.
double extrapolatedCrossSection(double w, double stretchPercent, bool storeFloats);
inline double stretchedCrossSection(double w, double stretchPercent, bool storeFloats) {
  const double s = stretchPercent;
  if (s <= 3) return w - ((((s * 1.06) + 0.01) - s * s * 0.1) / 100) * w;
  if (s <= 26) return w - ((((s * 0.59) + 0.56) - s * s * 0.0046) / 100) * w;
  return extrapolatedCrossSection(w, s, storeFloats);
}

// RW of the rule above for a stretch beyond 26 %, as the checks store it (two float steps).
float extrapolatedReduction(double stretchPercent);


}  // namespace glandwise
