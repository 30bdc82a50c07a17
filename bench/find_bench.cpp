// Find a seal: ranking every AS568 size for one hardware diameter with full reviews, on one
// and on two threads, screened (assemblies sampled only where that decides something) and
// every candidate sampled; and the tolerance allocation of one candidate.

#include <benchmark/benchmark.h>

#include "model/find_seal.h"
#include "model/tolerance_allocation.h"

using namespace glandwise;

namespace {

const As568Table& table() {
  static const As568Table loaded = *As568Table::load(GLANDWISE_AS568_TABLE).table;
  return loaded;
}

const RuleSet& rules() {
  static const RuleSet loaded = *RuleSet::load(GLANDWISE_REVIEW_RULES).rules;
  return loaded;
}

// The worked example: a 2.000 inch bore (or rod) at 1000 psi, -20 to 180 °F; or another
// diameter.
FindRequest example(GlandKind glandType, const char* diameter = "2.000") {
  FindRequest request;
  request.glandType = glandType;
  request.hardwareDia = diameter;
  request.pressure = "1000";
  request.review.tempMinF = -20;
  request.review.tempMaxF = 180;
  return request;
}

void rank(benchmark::State& state, GlandKind glandType, bool sampleEvery, const char* diameter = "2.000") {
  const FindOptions options{.threads = static_cast<unsigned>(state.range(0)), .sampleEveryCandidate = sampleEvery};
  std::size_t candidates = 0;
  for (auto _ : state) candidates = findSeals(example(glandType, diameter), table(), rules(), options).candidates.size();
  state.counters["candidates"] = double(candidates);
}

void FindRodGroove(benchmark::State& state) { rank(state, GlandKind::RodGroove, false); }
void FindHousingGroove(benchmark::State& state) { rank(state, GlandKind::HousingGroove, false); }
void FindRodGrooveEverySampled(benchmark::State& state) { rank(state, GlandKind::RodGroove, true); }
// A 12 inch bore: nearly every size of the table fits it.
void FindLargeBore(benchmark::State& state) { rank(state, GlandKind::RodGroove, false, "12.000"); }

// The allocation for the first-ranked size of the worked example, whose widest pair reaches
// the target at once; and one whose walk reviews a pair for every step of either ladder:
// -135 on a 2.1 inch rod at 200 psi.
void allocate(benchmark::State& state, const GlandInput& gland) {
  int reviewed = 0;
  for (auto _ : state) reviewed = allocateTolerances(gland, &table(), rules()).reviewed;
  state.counters["pairs_reviewed"] = reviewed;
}
void AllocateTolerances(benchmark::State& state) {
  allocate(state, findSeals(example(GlandKind::RodGroove), table(), rules()).candidates.front().input);
}
void AllocateTolerancesLongestWalk(benchmark::State& state) {
  FindRequest request = example(GlandKind::HousingGroove, "2.1");
  request.pressure = "200";
  request.review = {};
  allocate(state, candidateInput(request, *table().find("135")));
}

}  // namespace

BENCHMARK(FindRodGroove)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FindHousingGroove)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FindLargeBore)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FindRodGrooveEverySampled)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(AllocateTolerances)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(AllocateTolerancesLongestWalk)->Unit(benchmark::kMillisecond)->UseRealTime();
