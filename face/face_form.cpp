#include "face/face_form.h"

#include <cmath>
#include <tuple>

#include "model/cross_sections.h"
#include "model/numbers.h"
#include "model/ok_result.h"
#include "model/selection.h"

namespace glandwise {

const std::array<std::string_view, kFaceEditCount> kFaceEditNames{"datum_tol", "depth", "depth_tol", "width",
                                                                  "width_tol"};

namespace {

// Every face seal rule for every cross-section; the datum tolerance is by cross-section.
constexpr RuleKind kFaceRules[] = {
    RuleKind::RoomTemperature, RuleKind::StandardInterference, RuleKind::StandardStretch, RuleKind::InterferenceMax,
    RuleKind::StretchMax,      RuleKind::DatumTolerance,       RuleKind::SqueezeMin,      RuleKind::SqueezeMax,
    RuleKind::FillPass,        RuleKind::FillCaution,          RuleKind::ServiceFillPass, RuleKind::ServiceFillCaution,
    RuleKind::OverfillCaution, RuleKind::OverfillFail,         RuleKind::OutsideCaution,  RuleKind::OutsideFail,
    RuleKind::ToleranceSigmas};

}  // namespace

std::string faceRulesProblem(const RuleSet& rules) {
  for (RuleKind kind : kFaceRules)
    for (const CrossSection& section : kCrossSections)
      if (!rules.faceRule(kind, section.value))
        return "the rules \"" + rules.name() + "\" have no face seal rule \"" + std::string(ruleKindName(kind)) +
               "\" for the " + std::string(section.text) + " inch cross-section";
  return {};
}

const Rule& faceRule(const RuleSet& rules, RuleKind kind, float crossSection) {
  return *rules.faceRule(kind, crossSection);
}

namespace {

std::size_t index(FaceBox box) { return static_cast<std::size_t>(box); }

// The boxes' texts: the typed ones, the standard groove's where none was typed.
std::array<std::string, kFaceBoxCount> boxTexts(const FaceForm& form, const std::optional<FaceGroove>& standard) {
  std::array<std::string, kFaceBoxCount> texts = standard ? faceGrooveTexts(*standard) : decltype(texts){};
  texts[index(FaceBox::SealId)] = form.sealId;
  texts[index(FaceBox::Pressure)] = form.pressure;
  if (form.datum) texts[index(FaceBox::Datum)] = *form.datum;
  for (std::size_t e = 0; e < kFaceEditCount; ++e)
    if (form.edits[e]) texts[index(faceEditBox(e))] = *form.edits[e];
  return texts;
}

// Reads every box that has a text; a box without one (the groove's, before the standard
// groove is known) is skipped.
std::array<float, kFaceBoxCount> readNumbers(const std::array<std::string, kFaceBoxCount>& texts, bool groove,
                                             FaceDesign& design) {
  std::array<float, kFaceBoxCount> values{};
  for (std::size_t b = 0; b < kFaceBoxCount; ++b) {
    if (!groove && b >= index(FaceBox::Datum)) break;
    const ParsedNumber number = parseNumber(texts[b]);
    if (const char* refusal = numberRefusal({&number, 1})) design.problems[b] = refusal;
    else values[b] = number.value;
  }
  return values;
}

// The ranges of the boxes and the groove's geometry, each problem in its box.
void checkRanges(const std::array<float, kFaceBoxCount>& v, const FaceSide& side, const FaceRange& radius,
                 FaceDesign& design) {
  const auto problem = [&](FaceBox box, bool bad, std::string text) {
    if (bad && design.problems[index(box)].empty()) design.problems[index(box)] = std::move(text);
  };
  const auto at = [&](FaceBox box) { return double(v[index(box)]); };
  problem(FaceBox::SealId, !(at(FaceBox::SealId) > 0), "Seal inside diameter should be > 0 inch");
  problem(FaceBox::Pressure, !(at(FaceBox::Pressure) > 0 && at(FaceBox::Pressure) <= 1500),
          "Pressure should be > 0 psi and < = 1500 psi");
  for (const auto& [box, tolerance, name] : {std::tuple{FaceBox::Datum, FaceBox::DatumTolerance, side.datumName},
                                             {FaceBox::Depth, FaceBox::DepthTolerance, "groove depth"},
                                             {FaceBox::Width, FaceBox::WidthTolerance, "groove width"}}) {
    std::string sentence(name);
    sentence[0] = 'G';
    problem(box, !(at(box) > 0), sentence + " should be > 0 inch");
    // A tolerance is measured against its box only when that box is usable.
    const bool measured = design.problems[index(box)].empty();
    problem(tolerance, !(at(tolerance) >= 0 && (!measured || at(tolerance) < at(box))),
            sentence + " tolerance should be >= 0 inch and < the " + std::string(name));
  }
  // The smallest groove against the radius to 0.0001 inch, the precision its dimensions are
  // given to: a width exactly twice the radius is never refused through a float's last bit.
  const auto smallest = [&](FaceBox box, FaceBox tolerance) {
    return std::nearbyint((at(box) - at(tolerance)) * 1e4);
  };
  const double radiusMax = std::nearbyint(double(radius.max) * 1e4);
  const std::string largest = NumberText(radius.max);
  problem(FaceBox::Width, smallest(FaceBox::Width, FaceBox::WidthTolerance) < 2 * radiusMax,
          "Groove width should be at least twice the bottom radius (" + largest + " inch) at its smallest");
  problem(FaceBox::Depth, smallest(FaceBox::Depth, FaceBox::DepthTolerance) < radiusMax,
          "Groove depth should be at least the bottom radius (" + largest + " inch) at its smallest");
}

// The ring of the entries, or the refusal.
std::optional<FaceRing> ringOf(FaceForm& form, const FaceData& data, const As568Table* as568, FaceDesign& design) {
  if (form.as568) {
    GlandRecord scratch;
    SelectionEntries entries;
    const OkResult chosen = chooseAs568Size(scratch, entries, as568, *form.as568);
    if (chosen.outcome == OkOutcome::Refused) {
      design.refusal = chosen.message;
      return std::nullopt;
    }
    form.crossSection = entries.crossSection;
    form.sealId = entries.sealInsideDia;
  }
  if (!form.crossSection) {
    design.refusal = "Select cross-section diameter.";
    return std::nullopt;
  }
  const float w = kCrossSections[static_cast<std::size_t>(*form.crossSection)].value;
  const FaceGlandRow* row = data.table.find(w);
  if (!row) {
    design.refusal = "The face seal table has no gland for the " + NumberText(w) + " inch cross-section.";
    return std::nullopt;
  }
  FaceRing ring;
  ring.crossSection = w;
  ring.crossSectionTolerance = row->crossSectionTolerance;
  const ParsedNumber id = parseNumber(form.sealId);
  ring.insideDiameter = id.status == NumberStatus::Number ? id.value : 0;
  if (const As568Size* size = as568 ? as568->match(w, ring.insideDiameter) : nullptr) {
    ring.crossSectionTolerance = size->crossSectionTolerance;
    ring.insideDiameterTolerance = size->insideDiameterTolerance;
    ring.as568Dash = size->dash;
  }
  return ring;
}

}  // namespace

std::array<std::string, kFaceBoxCount> faceGrooveTexts(const FaceGroove& groove) {
  std::array<std::string, kFaceBoxCount> texts;
  texts[index(FaceBox::Datum)] = NumberText(groove.datum);
  texts[index(FaceBox::DatumTolerance)] = NumberText(groove.datumTolerance);
  texts[index(FaceBox::Depth)] = NumberText(groove.depth);
  texts[index(FaceBox::DepthTolerance)] = NumberText(groove.depthTolerance);
  texts[index(FaceBox::Width)] = NumberText(groove.width);
  texts[index(FaceBox::WidthTolerance)] = NumberText(groove.widthTolerance);
  return texts;
}

FaceDesign designFace(const FaceForm& entered, const FaceData& data, const As568Table* as568) {
  FaceDesign design;
  if (std::string problem = faceRulesProblem(data.rules); !problem.empty()) {
    design.refusal = "The face seal cannot be worked: " + problem + ".";
    return design;
  }
  FaceForm form = entered;
  std::optional<FaceRing> ring = ringOf(form, data, as568, design);
  if (!ring) return design;
  if (!form.pressureFrom) design.refusal = "Select pressure direction.";
  else if (!form.medium) design.refusal = "Select medium.";
  const bool known = design.refusal.empty() && ring->insideDiameter > 0;
  const FaceSide& side = faceSide(form.pressureFrom.value_or(PressureFrom::Inside));
  const FaceGlandRow& row = *data.table.find(ring->crossSection);
  if (known) design.standard = standardFaceGroove(*ring, side, *form.medium, row, data.rules, std::nullopt);
  const std::array<std::string, kFaceBoxCount> texts = boxTexts(form, design.standard);
  const std::array<float, kFaceBoxCount> v = readNumbers(texts, known, design);
  checkRanges(v, side, row.bottomRadius, design);
  if (!known) {
    // Without the options the groove is not known: only the seal and pressure boxes count.
    for (std::size_t b = index(FaceBox::Datum); b < kFaceBoxCount; ++b) design.problems[b].clear();
  }
  for (const std::string& problem : design.problems)
    if (design.refusal.empty() && !problem.empty()) design.refusal = problem;
  if (!design.refusal.empty()) return design;

  const auto at = [&](FaceBox box) { return v[index(box)]; };
  design.gland = FaceGland{.ring = *ring,
                           .pressureFrom = *form.pressureFrom,
                           .medium = *form.medium,
                           .pressure = at(FaceBox::Pressure),
                           .groove = {.datum = at(FaceBox::Datum),
                                      .datumTolerance = at(FaceBox::DatumTolerance),
                                      .depth = at(FaceBox::Depth),
                                      .depthTolerance = at(FaceBox::DepthTolerance),
                                      .width = at(FaceBox::Width),
                                      .widthTolerance = at(FaceBox::WidthTolerance),
                                      .bottomRadius = row.bottomRadius}};
  return design;
}

}  // namespace glandwise
