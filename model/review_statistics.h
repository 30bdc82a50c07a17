#pragma once
// The squeeze statistics of a production run: a root-sum-square band and a Monte Carlo of
// assemblies whose dimensions vary within their tolerances.

#include "model/gland_side.h"
#include "model/record.h"
#include "model/review.h"

namespace glandwise {

// What the statistics draw from: every toleranced dimension normal about its nominal with
// σ = tolerance / `sigmas`, and the seal's ID tolerance `idTolerance` (inch; 0 when unknown).
struct StatisticsModel {
  float idTolerance = 0;
  double sigmas = 3;
  double lowerLimit = 0, upperLimit = 0;  // squeeze limits, %
  int samples = kMonteCarloSamples;
  // The shares alone, sampled only when the least or most squeezed points of some assemblies
  // may lie on either side of a limit (otherwise they are 0 or 100 % exactly, as sampling
  // gives: StatisticsReview::sampled); the sample figures are left out.
  bool screened = false;
};

// The figures of the statistics (all but the finding). Each assembly's mating part sits
// off centre by an offset uniform over the disc of its radial clearance plus half the
// eccentricity allowance, in a random direction: its least squeezed point lies on the
// offset's side, its most squeezed point opposite. The shares below and above the limits
// come from those two points; the mean and σ are of the concentric squeeze, which the
// root-sum-square band estimates.
StatisticsReview squeezeStatistics(const GlandRecord& record, const GlandSide& side, const StatisticsModel& model);

}  // namespace glandwise
