// The face seal designer's work on every keystroke: the entries read into a gland, the
// standard groove, the analysis and the review, for both pressure directions.

#include <benchmark/benchmark.h>

#include "face/face_result.h"

using namespace glandwise;

namespace {

void faceSeal(benchmark::State& state, PressureFrom from) {
  const FaceGlandTableLoad faceTable = FaceGlandTable::load(GLANDWISE_DATA_DIR "/face-seal-glands.csv");
  const RuleLoad rules = RuleSet::load(GLANDWISE_DATA_DIR "/review-rules.csv");
  const FaceData data{*faceTable.table, *rules.rules};
  const As568Load table = As568Table::load(GLANDWISE_DATA_DIR "/as568.csv");
  FaceInput input;
  input.form.as568 = "214";
  input.form.pressureFrom = from;
  input.form.medium = FaceMedium::Liquid;
  input.form.pressure = "500";
  input.review = FaceReviewInputs{};
  input.review->temperaturesF = std::array<double, 2>{-20, 250};
  for (auto _ : state) benchmark::DoNotOptimize(workFaceSeal(input, data, &*table.table, true));
}

}  // namespace

BENCHMARK_CAPTURE(faceSeal, Inside, PressureFrom::Inside);
BENCHMARK_CAPTURE(faceSeal, Outside, PressureFrom::Outside);
