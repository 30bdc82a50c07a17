#include "face/face_review_form.h"

#include "model/numbers.h"

namespace glandwise {
namespace {

std::size_t at(FaceReviewBox box) { return static_cast<std::size_t>(box); }

// The number in `text` when it lies in (low, high] (or [low, high] with `lowIncluded`).
std::optional<double> number(const std::string& text, double low, bool lowIncluded, double high, const char* range,
                             std::string& problem) {
  const ParsedNumber parsed = parseNumber(text);
  if (parsed.status != NumberStatus::Number) {
    problem = "not a number";
    return std::nullopt;
  }
  const double v = parsed.value;
  if (!((lowIncluded ? v >= low : v > low) && v <= high)) {
    problem = std::string("must be ") + range;
    return std::nullopt;
  }
  return v;
}

}  // namespace

FaceReviewFormRead readFaceReviewForm(const FaceReviewForm& form) {
  FaceReviewFormRead read;
  auto& problems = read.problems;
  const auto& texts = form.texts;
  std::optional<double> low, high, swell, gap;
  if (!texts[at(FaceReviewBox::TempMin)].empty())
    low = number(texts[at(FaceReviewBox::TempMin)], -460, true, 1000, "from -460 to 1000 °F",
                 problems[at(FaceReviewBox::TempMin)]);
  if (!texts[at(FaceReviewBox::TempMax)].empty())
    high = number(texts[at(FaceReviewBox::TempMax)], -460, true, 1000, "from -460 to 1000 °F",
                  problems[at(FaceReviewBox::TempMax)]);
  if (!texts[at(FaceReviewBox::Swell)].empty())
    swell = number(texts[at(FaceReviewBox::Swell)], -100, false, 1000, "above -100 and at most 1000 %",
                   problems[at(FaceReviewBox::Swell)]);
  gap = number(texts[at(FaceReviewBox::FlangeGap)], 0, true, 0.999999, "at least 0 and below 1 inch",
               problems[at(FaceReviewBox::FlangeGap)]);
  const bool bothTyped = !texts[at(FaceReviewBox::TempMin)].empty() && !texts[at(FaceReviewBox::TempMax)].empty();
  if (problems[at(FaceReviewBox::TempMin)].empty() && problems[at(FaceReviewBox::TempMax)].empty()) {
    if (low.has_value() != high.has_value())
      problems[at(low ? FaceReviewBox::TempMax : FaceReviewBox::TempMin)] = "give both temperatures, or neither";
    else if (bothTyped && *low > *high)
      problems[at(FaceReviewBox::TempMax)] = "must not be below the lowest temperature";
  }
  for (const std::string& problem : problems)
    if (!problem.empty()) return read;
  FaceReviewInputs& in = read.inputs.emplace();
  in.hardness = form.hardness;
  in.compound = form.compound;
  in.metal = form.metal;
  if (low) in.temperaturesF = std::array<double, 2>{*low, *high};
  in.swellPercent = swell;
  in.flangeGap = *gap;
  return read;
}

FaceReviewForm faceReviewForm(const FaceReviewInputs& in) {
  FaceReviewForm form{in.hardness, in.compound, in.metal, {}};
  const auto text = [](double value) { return NumberText(float(value)); };
  if (in.temperaturesF) {
    form.texts[at(FaceReviewBox::TempMin)] = text((*in.temperaturesF)[0]);
    form.texts[at(FaceReviewBox::TempMax)] = text((*in.temperaturesF)[1]);
  }
  if (in.swellPercent) form.texts[at(FaceReviewBox::Swell)] = text(*in.swellPercent);
  form.texts[at(FaceReviewBox::FlangeGap)] = text(in.flangeGap);
  return form;
}

}  // namespace glandwise
