#include "model/review_statistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include "model/review_physics.h"
#include "model/sampling.h"

namespace glandwise {
namespace {

// The dimensions that the statistics vary, inch.
struct Dimensions {
  double w, id, bore, rod, groove;
};

constexpr double Dimensions::*kDimensions[] = {&Dimensions::w, &Dimensions::id, &Dimensions::bore, &Dimensions::rod,
                                               &Dimensions::groove};

// Which of the sampled diameters plays a role of the side.
double Dimensions::*role(const GlandSide& side, const Diameter& diameter) {
  if (diameter.nominal == side.bore.nominal) return &Dimensions::bore;
  if (diameter.nominal == side.rod.nominal) return &Dimensions::rod;
  return &Dimensions::groove;
}

// A range of real numbers.
struct Interval {
  double low, high;
};

// Where the least and the most squeezed points of the assemblies can lie, %.
struct PointRanges {
  Interval least, most;
};

// One assembly's squeeze at its concentric position and the largest offset's two sides.
class SqueezeModel {
 public:
  SqueezeModel(const GlandSide& side, double eccentricity)
      : side_(side), seat_(role(side, side.stretchedOnto)), outer_(role(side, side.outer)),
        inner_(role(side, side.inner)), halfEcc_(eccentricity / 2) {}

  double radial(const Dimensions& d) const { return roomSection({d.w, d.id}, d.*seat_, side_); }
  // Whether the seal of `d` is thinned by its stretch.
  bool stretched(const Dimensions& d) const { return !side_.unstretched((d.*seat_ - d.id) / d.id * 100); }
  // The concentric squeeze with the seal thinned or not as `thinned` says, whatever its stretch.
  double concentric(const Dimensions& d, bool thinned) const {
    const double stretch = (d.*seat_ - d.id) / d.id * 100;
    return squeezePercent(thinned ? stretchedCrossSection(d.w, stretch, false) : d.w, height(d));
  }
  double height(const Dimensions& d) const { return (d.*outer_ - d.*inner_) / 2; }
  // The largest offset of the mating part: its radial clearance and half the eccentricity.
  double reach(const Dimensions& d) const { return std::max(0.0, (d.bore - d.rod) / 2) + halfEcc_; }

  // The ranges (%) of the least and of the most squeezed points of every assembly whose
  // dimensions lie between `low` and `high`, at any offset up to its reach: interval
  // arithmetic over each step above, each dimension free on its own, so that they hold
  // every point the assemblies can have, and a little more. Nothing when a seal or its seat
  // may reach 0.
  std::optional<PointRanges> range(const Dimensions& low, const Dimensions& high) const {
    if (!(low.w > 0 && low.id > 0 && low.*seat_ > 0)) return std::nullopt;
    const auto stretch = [](double seat, double id) { return (seat - id) / id * 100; };
    const Interval share = thinning(stretch(low.*seat_, high.id), stretch(high.*seat_, low.id));
    const Interval radial{low.w * share.low, high.w * share.high};
    const Interval height{(low.*outer_ - high.*inner_) / 2, (high.*outer_ - low.*inner_) / 2};
    Dimensions widest = high;  // the largest clearance: the largest bore on the smallest rod
    widest.rod = low.rod;
    const double farthest = reach(widest);
    // squeeze % = 100 − (height ± offset) × 100 / radial, the offset from 0 to the reach.
    const auto points = [&](Interval numerator) {
      const double least = std::min(numerator.low / radial.low, numerator.low / radial.high);
      const double most = std::max(numerator.high / radial.low, numerator.high / radial.high);
      constexpr double kRounding = 1e-9;  // %: far beyond the rounding of the steps above
      return Interval{100 - most * 100 - kRounding, 100 - least * 100 + kRounding};
    };
    const PointRanges ranges{points({height.low, height.high + farthest}), points({height.low - farthest, height.high})};
    const bool finite = std::isfinite(ranges.least.low + ranges.least.high + ranges.most.low + ranges.most.high);
    return radial.low > 0 && finite ? std::optional(ranges) : std::nullopt;
  }

 private:
  // The least and most share of the cross-section that a stretch from `low` to `high` (%)
  // leaves. Each piece of the thinning rule thins more as the stretch grows, so the extremes
  // lie at the ends of the range and on either side of the borders between pieces.
  Interval thinning(double low, double high) const {
    const auto share = [this](double stretch) {
      return side_.unstretched(stretch) ? 1.0 : stretchedCrossSection(1.0, stretch, false);
    };
    Interval range{std::min(share(low), share(high)), std::max(share(low), share(high))};
    for (const double border : {0.0, 3.0, 26.0}) {
      if (!(low < border && border < high)) continue;
      for (const double stretch : {std::nextafter(border, -HUGE_VAL), border, std::nextafter(border, HUGE_VAL)})
        range = {std::min(range.low, share(stretch)), std::max(range.high, share(stretch))};
    }
    return range;
  }

  const GlandSide& side_;
  double Dimensions::*seat_;   // the diameter the seal's inside sits on
  double Dimensions::*outer_;  // the gland's outer and inner diameters
  double Dimensions::*inner_;
  double halfEcc_;             // inch
};

// The value with `rank` values before it in the order `before` (rank < values.size()),
// from a heap of the rank + 1 first: one comparison for nearly every value.
template <class Order>
double rankedValue(const std::vector<double>& values, std::size_t rank, Order before) {
  std::vector<double> first(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(rank) + 1);
  std::make_heap(first.begin(), first.end(), before);
  for (std::size_t i = rank + 1; i < values.size(); ++i) {
    if (!before(values[i], first.front())) continue;
    std::pop_heap(first.begin(), first.end(), before);
    first.back() = values[i];
    std::push_heap(first.begin(), first.end(), before);
  }
  return first.front();
}

// The root-sum-square band from the sensitivities at the nominal gland, each taken on the
// nominal seal's side of the rule's step between an unstretched and a stretched seal.
void rootSumSquare(StatisticsReview& st, const SqueezeModel& squeeze, const Dimensions& nominal,
                   const Dimensions& sigma) {
  const bool thinned = squeeze.stretched(nominal);
  double variance = 0;
  for (double Dimensions::*dimension : kDimensions) {
    constexpr double h = 1e-6;  // inch
    Dimensions up = nominal, down = nominal;
    up.*dimension += h;
    down.*dimension -= h;
    const double sensitivity = (squeeze.concentric(up, thinned) - squeeze.concentric(down, thinned)) / (2 * h);
    variance += std::pow(sensitivity * (sigma.*dimension), 2);
  }
  st.nominalPercent = squeeze.concentric(nominal, thinned);
  st.rssSigma = std::sqrt(variance);
  st.rssLow = st.nominalPercent - 3 * st.rssSigma;
  st.rssHigh = st.nominalPercent + 3 * st.rssSigma;
}

void fillHistogram(StatisticsReview& st, const std::vector<double>& least, const std::vector<double>& most) {
  st.histogramStart = *std::min_element(least.begin(), least.end());
  st.binWidth = (*std::max_element(most.begin(), most.end()) - st.histogramStart) / st.histogram.size();
  for (const std::vector<double>* points : {&least, &most})
    for (double sample : *points) {
      const double bin = st.binWidth > 0 ? (sample - st.histogramStart) / st.binWidth : 0;
      ++st.histogram[std::min<std::size_t>(static_cast<std::size_t>(std::max(0.0, bin)), st.histogram.size() - 1)];
    }
}

// The share (%) of points of `range` beyond `limit`, below it or above it, when that is
// the same for every point: 0 or 100.
std::optional<double> shareBeyond(Interval range, double limit, bool below) {
  const bool none = below ? range.low >= limit : range.high <= limit;
  const bool all = below ? range.high < limit : range.low > limit;
  if (none || all) return all ? 100.0 : 0.0;
  return std::nullopt;
}

// A screened review's shortcut: when every assembly between the largest deviates drawn
// has its least squeezed point on one side of the lower limit and its most squeezed point
// on one side of the upper, the shares are those; true when so.
bool screen(StatisticsReview& st, const SqueezeModel& squeeze, const Dimensions& nominal, const Dimensions& sigma,
            const std::vector<double Dimensions::*>& varying, const SampleDraws& draws, const StatisticsModel& model) {
  Dimensions low = nominal, high = nominal;
  for (std::size_t i = 0; i < varying.size(); ++i) {
    low.*varying[i] -= draws.largestDeviate(i) * sigma.*varying[i];
    high.*varying[i] += draws.largestDeviate(i) * sigma.*varying[i];
  }
  const std::optional<PointRanges> ranges = squeeze.range(low, high);
  if (!ranges) return false;
  const std::optional<double> below = shareBeyond(ranges->least, model.lowerLimit, true);
  const std::optional<double> above = shareBeyond(ranges->most, model.upperLimit, false);
  if (!below || !above) return false;
  st.sampled = false;
  st.belowPercent = *below;
  st.abovePercent = *above;
  return true;
}

}  // namespace

StatisticsReview squeezeStatistics(const GlandRecord& r, const GlandSide& s, const StatisticsModel& model) {
  StatisticsReview st{};
  const SqueezeModel squeeze(s, r.ECC);
  const Dimensions nominal{r.W, r.ID, r.*s.bore.nominal, r.*s.rod.nominal, r.*s.groove.nominal};
  const Dimensions sigma{r.WT / model.sigmas, model.idTolerance / model.sigmas, r.*s.bore.tolerance / model.sigmas,
                         r.*s.rod.tolerance / model.sigmas, r.*s.groove.tolerance / model.sigmas};
  st.toleranceSigmas = model.sigmas;
  rootSumSquare(st, squeeze, nominal, sigma);
  if (model.samples <= 0) return st;
  st.samples = model.samples;

  // The normally distributed dimensions that vary; the others draw no random number.
  std::vector<double Dimensions::*> varying;
  for (double Dimensions::*dimension : kDimensions)
    if (sigma.*dimension > 0) varying.push_back(dimension);

  const auto n = static_cast<std::size_t>(model.samples);
  const SampleDraws& draws = SampleDraws::shared(kMonteCarloSeed, n, varying.size(), 1);
  if (model.screened && screen(st, squeeze, nominal, sigma, varying, draws, model)) return st;
  // Assembly i's concentric squeeze and its least and most squeezed points, %.
  const auto assembly = [&](std::size_t i) {
    Dimensions d = nominal;
    const double* deviate = draws.normal(i);
    for (double Dimensions::*dimension : varying) d.*dimension += sigma.*dimension * *deviate++;
    const double percentPerInch = 100 / squeeze.radial(d);  // squeeze % = 100 − height × this
    const double offset = squeeze.reach(d) * std::sqrt(*draws.uniform(i)) * percentPerInch;  // uniform over the disc
    const double centre = 100 - squeeze.height(d) * percentPerInch;
    return std::array<double, 3>{centre, centre - offset, centre + offset};
  };
  int below = 0, above = 0;
  if (model.screened) {  // the shares alone
    for (std::size_t i = 0; i < n; ++i) {
      const auto [centre, least, most] = assembly(i);
      below += least < model.lowerLimit;
      above += most > model.upperLimit;
    }
    st.belowPercent = below / double(n) * 100;
    st.abovePercent = above / double(n) * 100;
    return st;
  }
  // Kept for the next review on this thread: the samples' storage costs more to get than to fill.
  static thread_local std::vector<double> least, most;
  least.resize(n);
  most.resize(n);
  double sum = 0, sumOfSquares = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const auto [centre, leastPoint, mostPoint] = assembly(i);
    least[i] = leastPoint;
    most[i] = mostPoint;
    sum += centre;
    sumOfSquares += centre * centre;
    below += leastPoint < model.lowerLimit;
    above += mostPoint > model.upperLimit;
  }
  const double count = model.samples;
  st.mean = sum / count;
  st.sigma = std::sqrt(std::max(0.0, (sumOfSquares - sum * sum / count) / std::max(1.0, count - 1)));
  st.belowPercent = below / count * 100;
  st.abovePercent = above / count * 100;
  // The 0.1 % point of the least squeezed points and the 99.9 % point of the most.
  const auto tailRank = static_cast<std::size_t>(std::lround(0.001 * (count - 1)));
  st.p001 = rankedValue(least, tailRank, std::less<>());
  st.p999 = rankedValue(most, tailRank, std::greater<>());
  fillHistogram(st, least, most);
  return st;
}

}  // namespace glandwise
