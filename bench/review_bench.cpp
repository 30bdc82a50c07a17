// The whole design review of an analysed gland, its 100,000-assembly Monte Carlo included:
// the review window recomputes it on every keystroke.

#include <benchmark/benchmark.h>

#include "model/editor.h"
#include "model/review.h"
#include "model/selection.h"
#include "model/sheet.h"

using namespace glandwise;

namespace {

// The standard 0.139 gland of `side` on a 2 inch diameter with the seal `sealId`, 1000
// psi, analysed and shown on its sheet.
GlandRecord analysedGland(const GlandSide& side, const char* sealId) {
  GlandRecord r;
  SelectionEntries e;
  selectCrossSection(r, e, 2);
  selectGlandType(r, e, side.kind);
  (side.kind == GlandKind::RodGroove ? e.housingDia : e.rodDia) = "2";
  e.sealInsideDia = sealId;
  e.pressure = "1000";
  selectionOk(r, e);
  SilentPrompts silent;
  editorOk(r, side, editorLoad(r, side), silent);
  fillSheet(r, side);
  return r;
}

void fullReview(benchmark::State& state, const GlandSide& side, const char* sealId) {
  const GlandRecord record = analysedGland(side, sealId);
  ReviewInputs inputs;
  inputs.sealIdTolerance = 0.015f;
  for (auto _ : state) benchmark::DoNotOptimize(reviewGland(record, side, inputs, nullptr));
}

void RodGrooveReview(benchmark::State& state) { fullReview(state, kRodGroove, "1.75"); }
void HousingGrooveReview(benchmark::State& state) { fullReview(state, kHousingGroove, "1.97"); }

}  // namespace

BENCHMARK(RodGrooveReview)->Unit(benchmark::kMillisecond);
BENCHMARK(HousingGrooveReview)->Unit(benchmark::kMillisecond);
