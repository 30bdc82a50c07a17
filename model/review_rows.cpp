#include "model/review_rows.h"

#include <algorithm>
#include <cstdio>

namespace glandwise {
namespace {

// `value` with `decimals` decimals and `unit` after it.
std::string fixed(double value, int decimals, const char* unit) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f%s", decimals, value, unit);
  return text;
}

std::string fillFigure(const FillReview& fill) {
  const double largest = std::max({fill.nominal.fillPercent, fill.mmc.fillPercent, fill.lmc.fillPercent,
                                   fill.worstEccentric.fillPercent});
  return fixed(fill.nominal.fillPercent, 1, " % nominal, ") + fixed(largest, 1, " % largest");
}

std::string stretchFigure(const StretchReview& stretch) {
  if (!stretch.known) return "no seal ID tolerance";
  return fixed(stretch.smallestPercent, 2, " to ") + fixed(stretch.largestPercent, 2, " %");
}

std::string statisticsFigure(const StatisticsReview& s) {
  return "mean " + fixed(s.mean, 1, " %, σ ") + fixed(s.sigma, 2, " %; ") + fixed(s.belowPercent, 2, " % below, ") +
         fixed(s.abovePercent, 2, " % above");
}

// A figure as the user typed it: no trailing zeros.
std::string plain(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

}  // namespace

std::string_view compoundName(Compound compound) {
  switch (compound) {
    case Compound::Nbr: return "NBR (nitrile)";
    case Compound::Fkm: return "FKM (fluorocarbon)";
    case Compound::Epdm: return "EPDM";
    case Compound::Silicone: return "Silicone";
    case Compound::Custom: break;
  }
  return "Custom";
}

std::string_view metalName(Metal metal) {
  switch (metal) {
    case Metal::CarbonSteel: return "Carbon steel";
    case Metal::StainlessSteel: return "Stainless steel";
    case Metal::Aluminium: return "Aluminium";
    case Metal::Custom: break;
  }
  return "Custom";
}

std::string reviewInputsText(const ReviewInputs& in, const StretchReview& stretch) {
  std::string text = "Hardness " + std::to_string(in.hardness) + " Shore A; compound " +
                     std::string(compoundName(in.compound));
  // The expansion coefficient in use: the one typed for Custom, else the material's own.
  const double seal = in.compound == Compound::Custom ? in.alphaSealPerF : compoundExpansion(in.compound);
  const double metal = in.metal == Metal::Custom ? in.alphaMetalPerF : metalExpansion(in.metal);
  text += " (" + plain(seal) + " per °F); metal " + std::string(metalName(in.metal)) + " (" + plain(metal) + " per °F)";
  text += "; temperature " + plain(in.tempMinF) + " to " + plain(in.tempMaxF) + " °F; fluid swell " +
          plain(in.swellPercent) + " %; groove bottom radius " + plain(in.grooveRadius) +
          " inch; squeeze limits " + plain(in.squeezeMinPercent) + " to " + plain(in.squeezeMaxPercent) +
          " %; seal ID tolerance ";
  text += stretch.known ? "± " + plain(stretch.sealIdTolerance) + " inch (" + stretch.toleranceSource + ")" : "none";
  return text + ".";
}

std::vector<ReviewRow> reviewRows(const Review& r) {
  return {
      {"Gland fill", fillFigure(r.fill), r.fill.finding.verdict, r.fill.finding.reason},
      {"Extrusion", fixed(r.extrusion.diametralClearance, 4, " in, limit ") + fixed(r.extrusion.limit, 3, " in"),
       r.extrusion.finding.verdict, r.extrusion.finding.reason},
      {"Stretch", stretchFigure(r.stretch), r.stretch.finding.verdict, r.stretch.finding.reason},
      {"Temperature",
       fixed(r.temperature.coldSqueezePercent, 1, " % cold, ") + fixed(r.temperature.hotSqueezePercent, 1, " % hot"),
       r.temperature.finding.verdict, r.temperature.finding.reason},
      {"Fluid swell", fixed(r.swell.squeezePercent, 1, " % squeeze, ") + fixed(r.swell.fillPercent, 1, " % fill"),
       r.swell.finding.verdict, r.swell.finding.reason},
      {"Squeeze statistics", statisticsFigure(r.statistics), r.statistics.finding.verdict,
       r.statistics.finding.reason},
  };
}

}  // namespace glandwise
