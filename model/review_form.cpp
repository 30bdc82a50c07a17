#include "model/review_form.h"

#include <charconv>

#include "model/numbers.h"

namespace glandwise {
namespace {

// The usable range of one box, and the reason given for a value outside it.
struct BoxRule {
  double lowest, highest;  // bounds of the box's value, in its unit
  bool lowestIncluded, highestIncluded;
  bool optional;           // an empty box means none typed
  const char* reason;
};

constexpr std::array<BoxRule, kReviewBoxCount> kRules{{
    {0, 1, true, false, true, "at least 0 and below 1 inch"},
    {-459.67, 2000, true, true, true, "from -459.67 to 2000 °F"},
    {-459.67, 2000, true, true, true, "from -459.67 to 2000 °F"},
    {0, 0.001, true, true, false, "from 0 to 0.001 per °F"},
    {0, 0.001, true, true, false, "from 0 to 0.001 per °F"},
    {-100, 1000, false, true, true, "above -100 and at most 1000 %"},
    {0, 1, true, false, false, "at least 0 and below 1 inch"},
    {0, 100, true, true, true, "from 0 to 100 %"},
    {0, 100, true, true, true, "from 0 to 100 %"},
    {0, 10, false, false, true, "above 0 and below 10 inch"},
    {0, 10, false, false, true, "above 0 and below 10 inch"},
    {0, 0.001, true, true, false, "from 0 to 0.001 per °F"},
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

// Reads the boxes of the form into their values; an unused or empty optional box holds nothing.
class FormReader {
 public:
  FormReader(const ReviewForm& form, ReviewFormRead& read) : read_(read) {
    for (std::size_t i = 0; i < kReviewBoxCount; ++i) {
      const auto box = static_cast<ReviewBox>(i);
      const bool custom = (box == ReviewBox::AlphaSeal && form.compound == kCustomMaterial) ||
                          (box == ReviewBox::AlphaGroove && form.metalGroove == kCustomMaterial) ||
                          (box == ReviewBox::AlphaMating && form.metalMating == kCustomMaterial);
      const bool coefficient = box == ReviewBox::AlphaSeal || box == ReviewBox::AlphaGroove || box == ReviewBox::AlphaMating;
      if ((coefficient && !custom) || (kRules[i].optional && form.texts[i].empty())) continue;
      values_[i] = readBox(form.texts[i], kRules[i], read.problems[i]);
    }
  }

  std::optional<double> value(ReviewBox box) const { return values_[index(box)]; }
  bool fine(ReviewBox box) const { return read_.problem(box).empty(); }
  void refuse(ReviewBox box, std::string problem) { read_.problems[index(box)] = std::move(problem); }

  // Two boxes typed both or neither: the pair, or nothing (and the empty one's problem).
  std::optional<std::array<double, 2>> pair(ReviewBox first, ReviewBox second, const char* problem) {
    if (!fine(first) || !fine(second)) return std::nullopt;
    const std::optional<double> a = value(first), b = value(second);
    if (a && b) return std::array<double, 2>{*a, *b};
    if (a || b) refuse(a ? second : first, problem);
    return std::nullopt;
  }

 private:
  static std::size_t index(ReviewBox box) { return static_cast<std::size_t>(box); }
  ReviewFormRead& read_;
  std::array<std::optional<double>, kReviewBoxCount> values_{};
};

}  // namespace

ReviewFormRead readReviewForm(const ReviewForm& form, const GrooveFit& fit) {
  ReviewFormRead read;
  FormReader boxes(form, read);
  const auto temperatures = boxes.pair(ReviewBox::TempMin, ReviewBox::TempMax, "give both temperatures or neither");
  if (temperatures && (*temperatures)[0] > (*temperatures)[1])
    boxes.refuse(ReviewBox::TempMax, "must not be below the lowest temperature");
  const auto limits = boxes.pair(ReviewBox::SqueezeMin, ReviewBox::SqueezeMax, "give both limits or neither");
  if (limits && (*limits)[0] >= (*limits)[1]) boxes.refuse(ReviewBox::SqueezeMax, "must be above the lower limit");
  const auto width = boxes.pair(ReviewBox::GrooveWidthMin, ReviewBox::GrooveWidthMax, "give both widths or neither");
  if (width)
    if (std::string problem = grooveWidthProblem(*width, fit); !problem.empty())
      boxes.refuse(ReviewBox::GrooveWidthMin, "must not be " + problem);
  const std::optional<std::array<double, 2>> groove = width ? width : fit.standardWidth;
  if (groove && boxes.fine(ReviewBox::GrooveRadius) && boxes.fine(ReviewBox::GrooveWidthMin))
    if (std::string problem = grooveRadiusProblem(*boxes.value(ReviewBox::GrooveRadius), *groove, fit); !problem.empty())
      boxes.refuse(ReviewBox::GrooveRadius, "must not be " + problem);
  for (const std::string& problem : read.problems)
    if (!problem.empty()) return read;

  ReviewInputs& in = read.inputs.emplace();
  const auto value = [&](ReviewBox box) { return boxes.value(box).value_or(0); };
  in.hardness = form.hardness;
  if (const auto tolerance = boxes.value(ReviewBox::SealIdTolerance)) in.sealIdTolerance = float(*tolerance);
  if (temperatures) {
    in.tempMinF = (*temperatures)[0];
    in.tempMaxF = (*temperatures)[1];
  }
  in.compound = form.compound;
  in.alphaSealPerF = value(ReviewBox::AlphaSeal);
  in.metalGroove = form.metalGroove;
  in.metalMating = form.metalMating;
  in.alphaGroovePerF = value(ReviewBox::AlphaGroove);
  in.alphaMatingPerF = value(ReviewBox::AlphaMating);
  in.swellPercent = boxes.value(ReviewBox::Swell);
  in.grooveRadius = value(ReviewBox::GrooveRadius);
  in.grooveWidth = width;
  in.squeezeLimits = limits;
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
  form.metalGroove = in.metalGroove;
  form.metalMating = in.metalMating;
  // An optional value's text, empty for none.
  const auto text = [](std::optional<double> value) { return value ? reviewBoxText(float(*value)) : std::string(); };
  form.text(ReviewBox::SealIdTolerance) = text(in.sealIdTolerance);
  form.text(ReviewBox::TempMin) = text(in.tempMinF);
  form.text(ReviewBox::TempMax) = text(in.tempMaxF);
  form.text(ReviewBox::AlphaSeal) = reviewBoxText(float(in.alphaSealPerF));
  form.text(ReviewBox::AlphaGroove) = reviewBoxText(float(in.alphaGroovePerF));
  form.text(ReviewBox::AlphaMating) = reviewBoxText(float(in.alphaMatingPerF));
  form.text(ReviewBox::Swell) = text(in.swellPercent);
  form.text(ReviewBox::GrooveRadius) = reviewBoxText(float(in.grooveRadius));
  const auto pair = [](const std::optional<std::array<double, 2>>& values, std::size_t i) {
    return values ? reviewBoxText(float((*values)[i])) : std::string();
  };
  form.text(ReviewBox::SqueezeMin) = pair(in.squeezeLimits, 0);
  form.text(ReviewBox::SqueezeMax) = pair(in.squeezeLimits, 1);
  form.text(ReviewBox::GrooveWidthMin) = pair(in.grooveWidth, 0);
  form.text(ReviewBox::GrooveWidthMax) = pair(in.grooveWidth, 1);
  return form;
}

}  // namespace glandwise
