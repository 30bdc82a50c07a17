// One full analysis of an edited gland (tolerance limits, stretch and squeeze checks and the
// gland analysis) for both gland kinds, and the design review of an analysed gland with its
// 100,000-assembly Monte Carlo, which the review window recomputes on every keystroke, and
// without it, as a search through many candidate glands would review them.

#include <benchmark/benchmark.h>

#include "model/calculations.h"
#include "model/editor.h"
#include "model/review.h"
#include "model/review_rules.h"
#include "model/selection.h"
#include "model/sheet.h"

using namespace glandwise;

namespace {

// The standard 0.139 gland on a 2 inch diameter with the seal `sealId` and 1000 psi.
GlandRecord standardGland(const GlandSide& side, const char* sealId) {
  GlandRecord r;
  SelectionEntries e;
  selectCrossSection(r, e, 2);
  selectGlandType(r, e, side.kind);
  (side.kind == GlandKind::RodGroove ? e.housingDia : e.rodDia) = "2";
  e.sealInsideDia = sealId;
  e.pressure = "1000";
  selectionOk(r, e);
  return r;
}

void fullAnalysis(benchmark::State& state, const GlandSide& side, const char* sealId) {
  GlandRecord record = standardGland(side, sealId);
  SilentPrompts silent;
  for (auto _ : state) {
    CalcLimits(record);
    CheckStretchAndSqueeze(record, side, silent);
    CalcGland(record, side, silent);
    benchmark::DoNotOptimize(record.*side.F90);
    benchmark::ClobberMemory();
  }
}

// The shipped rules, read once.
const RuleSet& rules() {
  static const RuleSet set = *RuleSet::load(GLANDWISE_REVIEW_RULES).rules;
  return set;
}

void fullReview(benchmark::State& state, const GlandSide& side, const char* sealId, int samples) {
  GlandRecord record = standardGland(side, sealId);
  SilentPrompts silent;
  editorOk(record, side, editorLoad(record, side), silent);
  fillSheet(record, side);
  ReviewInputs inputs;
  inputs.sealIdTolerance = 0.015f;
  inputs.tempMinF = -20;
  inputs.tempMaxF = 250;
  inputs.swellPercent = 10;
  for (auto _ : state) benchmark::DoNotOptimize(reviewGland(record, side, inputs, rules(), nullptr, samples));
}

// About 1.5 % stretch: no limit is passed, no question is composed.
void RodGrooveAnalysis(benchmark::State& state) { fullAnalysis(state, kRodGroove, "1.75"); }
void HousingGrooveAnalysis(benchmark::State& state) { fullAnalysis(state, kHousingGroove, "1.97"); }
// About 14 % stretch: the stretch question's text is composed (and answered No).
void HousingGrooveAnalysisWithQuestion(benchmark::State& state) { fullAnalysis(state, kHousingGroove, "1.75"); }
void RodGrooveReview(benchmark::State& state) { fullReview(state, kRodGroove, "1.75", kMonteCarloSamples); }
void HousingGrooveReview(benchmark::State& state) { fullReview(state, kHousingGroove, "1.97", kMonteCarloSamples); }
void RodGrooveReviewWithoutStatistics(benchmark::State& state) { fullReview(state, kRodGroove, "1.75", 0); }

}  // namespace

BENCHMARK(RodGrooveAnalysis);
BENCHMARK(HousingGrooveAnalysis);
BENCHMARK(HousingGrooveAnalysisWithQuestion);
BENCHMARK(RodGrooveReview)->Unit(benchmark::kMillisecond);
BENCHMARK(HousingGrooveReview)->Unit(benchmark::kMillisecond);
BENCHMARK(RodGrooveReviewWithoutStatistics)->Unit(benchmark::kMicrosecond);
