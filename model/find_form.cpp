#include "model/find_form.h"

#include <algorithm>
#include <cmath>

#include "model/numbers.h"

namespace glandwise {
namespace {

// Whether a box may be left empty, and whether its number must be above 0.
struct FindBoxRule {
  bool optional;
  bool positive;
};

constexpr std::array<FindBoxRule, kFindBoxCount> kRules{{
    {false, false}, {true, false}, {false, false}, {true, true}, {true, true}, {true, true}, {true, true}}};

constexpr std::array<std::optional<double> FindConstraints::*, 4> kConstraints{
    &FindConstraints::largestGrooveWidth, &FindConstraints::largestRadialSpace, &FindConstraints::smallestSealId,
    &FindConstraints::largestSealId};

}  // namespace

FindFormRead readFindForm(const FindForm& form) {
  FindFormRead read;
  // The groove is each candidate's own: its boxes are checked against every gland later.
  read.review = readReviewForm(form.review, GrooveFit{0, HUGE_VAL, std::nullopt});
  std::array<std::optional<double>, kFindBoxCount> values;
  for (std::size_t i = 0; i < kFindBoxCount; ++i) {
    if (kRules[i].optional && form.texts[i].empty()) continue;
    const ParsedNumber parsed = parseNumber(form.texts[i]);
    if (parsed.status != NumberStatus::Number) read.problems[i] = "not a number";
    else if (kRules[i].positive && !(parsed.value > 0)) read.problems[i] = "must be above 0";
    else values[i] = parsed.value;
  }
  if (std::ranges::none_of(form.crossSections, [](bool allowed) { return allowed; }))
    read.problems[static_cast<std::size_t>(FindBox::LargestGrooveWidth)] = "allow at least one cross-section";
  const bool usable = std::ranges::all_of(read.problems, &std::string::empty) && read.review.inputs;
  if (!usable) return read;

  FindRequest& request = read.request.emplace();
  request.glandType = form.glandType;
  request.hardwareDia = form.text(FindBox::Hardware);
  request.hardwareTolerance = form.text(FindBox::HardwareTolerance);
  request.pressure = form.text(FindBox::Pressure);
  request.review = *read.review.inputs;
  request.constraints.crossSections = form.crossSections;
  for (std::size_t i = 0; i < kConstraints.size(); ++i)
    request.constraints.*kConstraints[i] = values[static_cast<std::size_t>(FindBox::LargestGrooveWidth) + i];
  return read;
}

}  // namespace glandwise
