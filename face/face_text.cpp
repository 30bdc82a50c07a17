#include "face/face_text.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "model/cross_sections.h"
#include "model/numbers.h"

namespace glandwise {
namespace {

// `value` with `decimals` decimals (never "-0.00") and `unit`.
std::string fixed(double value, int decimals, const char* unit = "") {
  const double scale = std::pow(10.0, decimals);
  char text[64];
  std::snprintf(text, sizeof text, "%.*f%s", decimals, std::nearbyint(value * scale) / scale + 0.0, unit);
  return text;
}

std::string toleranced(float value, float tolerance) {
  return NumberText(value) + " ± " + NumberText(tolerance) + " inch";
}

// "0.210" for a standard cross-section, as the options name it.
std::string crossSectionText(float w) {
  const CrossSection* standard = standardCrossSection(w);
  return standard ? std::string(standard->text) : NumberText(w);
}

}  // namespace

std::string faceIdentity(const FaceGland& g) {
  std::string text = "Face seal, pressure from " + std::string(g.side().key) + ", " + std::string(mediumKey(g.medium)) +
                     ", cross-section " + crossSectionText(g.ring.crossSection) + " inch, seal ID " +
                     NumberText(g.ring.insideDiameter) + " inch";
  if (g.ring.as568Dash) text += ", AS568 -" + *g.ring.as568Dash;
  return text;
}

std::vector<std::array<std::string, 2>> faceDimensions(const FaceGland& g) {
  const FaceRing& ring = g.ring;
  std::string datum(g.side().datumName);
  datum[0] = 'G';
  return {
      {"Cross-section", toleranced(ring.crossSection, ring.crossSectionTolerance)},
      {"Seal ID", ring.insideDiameterTolerance ? toleranced(ring.insideDiameter, *ring.insideDiameterTolerance)
                                               : NumberText(ring.insideDiameter) + " inch (tolerance unknown)"},
      {datum, toleranced(g.groove.datum, g.groove.datumTolerance)},
      {"Groove depth", toleranced(g.groove.depth, g.groove.depthTolerance)},
      {"Groove width", toleranced(g.groove.width, g.groove.widthTolerance)},
      {"Bottom radius",
       NumberText(g.groove.bottomRadius.min) + " to " + NumberText(g.groove.bottomRadius.max) + " inch"},
      {"Pressure", NumberText(g.pressure) + " psi"},
  };
}

std::vector<std::array<std::string, 4>> faceResultTable(const FaceGland& g, const FaceAnalysis& a) {
  const auto row = [&](const char* caption, double FaceCondition::*figure, int decimals, const char* unit) {
    return std::array<std::string, 4>{caption, fixed(a.nominal.*figure, decimals, unit),
                                      fixed(a.mmc.*figure, decimals, unit), fixed(a.lmc.*figure, decimals, unit)};
  };
  std::string fit(g.side().fitName);
  fit[0] = char(std::toupper(fit[0]));
  const FaceFit& f = a.fit;
  return {
      {"", "Nominal", "MMC", "LMC"},
      row("Squeeze", &FaceCondition::squeezePercent, 1, " %"),
      row("Gland fill", &FaceCondition::fillPercent, 1, " %"),
      row("Section (inch)", &FaceCondition::crossSection, 4, ""),
      {fit + " (%)", fixed(f.nominalPercent, 2),
       f.rangePercent ? fixed((*f.rangePercent)[0], 2) + " to " + fixed((*f.rangePercent)[1], 2) : "ring ID",
       f.rangePercent ? "over the tolerances" : "tolerance unknown"},
  };
}

}  // namespace glandwise
