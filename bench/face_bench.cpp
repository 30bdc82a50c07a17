// The face seal designer's work on every keystroke: the entries read into a gland, the
// standard groove, the analysis and the review, for both pressure directions; and the Find a
// seal window's on every keystroke of a face seal's datum: the sizes that fit it ranked.

#include <benchmark/benchmark.h>

#include "face/face_find.h"
#include "face/face_result.h"

using namespace glandwise;

namespace {

// The shipped tables, read once.
struct Shipped {
  FaceGlandTableLoad faceTable = FaceGlandTable::load(GLANDWISE_DATA_DIR "/face-seal-glands.csv");
  RuleLoad rules = RuleSet::load(GLANDWISE_DATA_DIR "/review-rules.csv");
  As568Load table = As568Table::load(GLANDWISE_DATA_DIR "/as568.csv");
  FaceData data{*faceTable.table, *rules.rules};
};

void faceSeal(benchmark::State& state, PressureFrom from) {
  const Shipped shipped;
  const FaceData& data = shipped.data;
  const As568Load& table = shipped.table;
  FaceInput input;
  input.form.as568 = "214";
  input.form.pressureFrom = from;
  input.form.medium = FaceMedium::Liquid;
  input.form.pressure = "500";
  input.review = FaceReviewInputs{};
  input.review->temperaturesF = std::array<double, 2>{-20, 250};
  for (auto _ : state) benchmark::DoNotOptimize(workFaceSeal(input, data, &*table.table, true));
}

// A 2.482 inch groove OD, pressure from inside: the sizes whose ring OD fits it, reviewed and ranked.
void findFace(benchmark::State& state) {
  const Shipped shipped;
  FaceFindRequest request;
  request.datum = 2.482f;
  request.pressure = 500;
  for (auto _ : state) benchmark::DoNotOptimize(findFaceSeals(request, shipped.data, *shipped.table.table));
}

}  // namespace

BENCHMARK(findFace);
BENCHMARK_CAPTURE(faceSeal, Inside, PressureFrom::Inside);
BENCHMARK_CAPTURE(faceSeal, Outside, PressureFrom::Outside);
