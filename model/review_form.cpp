#include "model/review_form.h"

#include <charconv>

#include "model/numbers.h"

namespace glandwise {
namespace {

// The usable range of one box, and the reason given for a value outside it.
struct BoxRule {
  double lowest, highest;  // bounds of the box's value, in its unit
  bool lowestIncluded, highestIncluded;
  const char* reason;
};

constexpr std::array<BoxRule, kReviewBoxCount> kRules{{
    {0, 1, true, false, "at least 0 and below 1 inch"},
    {-460, 1000, true, true, "from -460 to 1000 °F"},
    {-460, 1000, true, true, "from -460 to 1000 °F"},
    {0, 0.001, true, true, "from 0 to 0.001 per °F"},
    {0, 0.001, true, true, "from 0 to 0.001 per °F"},
    {-100, 1000, false, true, "above -100 and at most 1000 %"},
    {0, 1, true, false, "at least 0 and below 1 inch"},
    {0, 100, true, true, "from 0 to 100 %"},
    {0, 100, true, true, "from 0 to 100 %"},
}};

bool within(const BoxRule& rule, double value) {
  const bool aboveLowest = rule.lowestIncluded ? value >= rule.lowest : value > rule.lowest;
  const bool belowHighest = rule.highestIncluded ? value <= rule.highest : value < rule.highest;
  return aboveLowest && belowHighest;
}

// The value of `text` when it is a number within `rule`; otherwise the problem is set. A
// number too large for a float is out of range like any other.
std::optional<double> readBox(const std::string& text, const BoxRule& rule, std::string& problem) {
  const ParsedNumber parsed = parseNumber(text);
  if (parsed.status == NumberStatus::NotNumber) {
    problem = "not a number";
    return std::nullopt;
  }
  if (parsed.status == NumberStatus::TooLarge || !within(rule, parsed.value)) {
    problem = std::string("out of range: ") + rule.reason;
    return std::nullopt;
  }
  return parsed.value;
}

}  // namespace

ReviewFormRead readReviewForm(const ReviewForm& form) {
  ReviewFormRead read;
  std::array<double, kReviewBoxCount> values{};
  for (std::size_t i = 0; i < kReviewBoxCount; ++i) {
    const auto box = static_cast<ReviewBox>(i);
    const bool unused = (box == ReviewBox::SealIdTolerance && form.texts[i].empty()) ||
                        (box == ReviewBox::AlphaSeal && form.compound != Compound::Custom) ||
                        (box == ReviewBox::AlphaMetal && form.metal != Metal::Custom);
    if (unused) continue;
    if (const std::optional<double> value = readBox(form.texts[i], kRules[i], read.problems[i])) values[i] = *value;
  }
  const auto value = [&](ReviewBox box) { return values[static_cast<std::size_t>(box)]; };
  const auto fine = [&](ReviewBox box) { return read.problem(box).empty(); };
  if (fine(ReviewBox::TempMin) && fine(ReviewBox::TempMax) && value(ReviewBox::TempMin) > value(ReviewBox::TempMax))
    read.problems[static_cast<std::size_t>(ReviewBox::TempMax)] = "must not be below the lowest temperature";
  if (fine(ReviewBox::SqueezeMin) && fine(ReviewBox::SqueezeMax) &&
      value(ReviewBox::SqueezeMin) >= value(ReviewBox::SqueezeMax))
    read.problems[static_cast<std::size_t>(ReviewBox::SqueezeMax)] = "must be above the lower limit";
  for (const std::string& problem : read.problems)
    if (!problem.empty()) return read;

  ReviewInputs& in = read.inputs.emplace();
  in.hardness = form.hardness;
  if (!form.text(ReviewBox::SealIdTolerance).empty()) in.sealIdTolerance = float(value(ReviewBox::SealIdTolerance));
  in.tempMinF = value(ReviewBox::TempMin);
  in.tempMaxF = value(ReviewBox::TempMax);
  in.compound = form.compound;
  in.alphaSealPerF = value(ReviewBox::AlphaSeal);
  in.metal = form.metal;
  in.alphaMetalPerF = value(ReviewBox::AlphaMetal);
  in.swellPercent = value(ReviewBox::Swell);
  in.grooveRadius = value(ReviewBox::GrooveRadius);
  in.squeezeMinPercent = value(ReviewBox::SqueezeMin);
  in.squeezeMaxPercent = value(ReviewBox::SqueezeMax);
  return read;
}

std::string reviewBoxText(float value) {
  char text[32];
  return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

ReviewForm reviewFormOf(const ReviewInputs& in) {
  ReviewForm form;
  form.hardness = in.hardness;
  form.compound = in.compound;
  form.metal = in.metal;
  form.text(ReviewBox::SealIdTolerance) = in.sealIdTolerance ? reviewBoxText(*in.sealIdTolerance) : "";
  form.text(ReviewBox::TempMin) = reviewBoxText(float(in.tempMinF));
  form.text(ReviewBox::TempMax) = reviewBoxText(float(in.tempMaxF));
  form.text(ReviewBox::AlphaSeal) = reviewBoxText(float(in.alphaSealPerF));
  form.text(ReviewBox::AlphaMetal) = reviewBoxText(float(in.alphaMetalPerF));
  form.text(ReviewBox::Swell) = reviewBoxText(float(in.swellPercent));
  form.text(ReviewBox::GrooveRadius) = reviewBoxText(float(in.grooveRadius));
  form.text(ReviewBox::SqueezeMin) = reviewBoxText(float(in.squeezeMinPercent));
  form.text(ReviewBox::SqueezeMax) = reviewBoxText(float(in.squeezeMaxPercent));
  return form;
}

}  // namespace glandwise
