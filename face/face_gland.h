#pragma once
// The face seal gland: an o-ring in a rectangular groove of depth H and width G cut in one
// flange and closed by a flat mating flange. Pressure from inside pushes the ring outward
// against the groove's outside diameter, the datum then; pressure from outside (or a
// vacuum inside) pushes it inward against the groove's inside diameter. Its own record,
// beside the radial glands' record.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "face/face_table.h"
#include "model/review_rules.h"

namespace glandwise {

enum class PressureFrom { Inside, Outside };
enum class FaceMedium { Liquid, Gas };

// Everything that differs between internal and external pressure: the procedures are
// written once over this table; kFaceSides holds its two rows.
struct FaceSide {
  PressureFrom from;
  std::string_view key;        // "inside" or "outside": the batch line's "pressure_from"
  std::string_view caption;    // how the designer offers it
  std::string_view datumKey;   // "groove_od" or "groove_id": the batch line's datum field
  std::string_view datumName;  // "groove OD" or "groove ID"
  std::string_view ringEdge;   // "ring OD" or "ring ID": the ring's diameter at the datum
  std::string_view fitName;    // "interference" or "stretch"
  // The ring's diameter at the datum is its ID plus this many cross-sections: 2 (its OD) or 0.
  int crossSectionsInRingEdge;
  // +1 when the datum lies inside the ring's edge as fitted (the ring's OD over the groove
  // OD), −1 when outside it (the groove ID over the ring's ID). Fit % = sign × (ring edge −
  // datum) / ring edge × 100; the groove's other wall lies at datum − sign × 2 G.
  double sign;
  // A stretched ring's section thins (the radial glands' stretch rule); a compressed one
  // keeps its cross-section for the squeeze.
  bool thinsSection;
};

extern const std::array<FaceSide, 2> kFaceSides;
inline const FaceSide& faceSide(PressureFrom from) { return kFaceSides[static_cast<std::size_t>(from)]; }

// "liquid" or "gas".
std::string_view mediumKey(FaceMedium medium);

// The o-ring. Inch; tolerances bilateral (±).
struct FaceRing {
  float crossSection = 0;  // W
  float crossSectionTolerance = 0;
  float insideDiameter = 0;                      // ID
  std::optional<float> insideDiameterTolerance;  // from the AS568 size; none when unknown
  std::optional<std::string> as568Dash;          // the AS568 size it is, e.g. "214"

  double ringEdge(const FaceSide& side) const {
    return double(insideDiameter) + side.crossSectionsInRingEdge * double(crossSection);
  }
};

// The groove. Inch; tolerances bilateral (±).
struct FaceGroove {
  float datum = 0, datumTolerance = 0;  // groove OD (inside pressure) or ID (outside)
  float depth = 0, depthTolerance = 0;  // H
  float width = 0, widthTolerance = 0;  // G
  FaceRange bottomRadius{0, 0};         // bottom corner radius
};

struct FaceGland {
  FaceRing ring;
  PressureFrom pressureFrom = PressureFrom::Inside;
  FaceMedium medium = FaceMedium::Liquid;
  float pressure = 0;  // psi
  FaceGroove groove;

  const FaceSide& side() const { return faceSide(pressureFrom); }
};

// The standard groove for the ring: depth, width for the medium and bottom radius from the
// published row (each range as its middle ± half its spread, to 0.0001 inch); the datum
// from the ring's edge with the standard fit, rounded to 0.001 inch, unless `datum` gives
// it; the datum's tolerance from the rules. The ring's cross-section is one of the five
// standard ones, and the rules have the face seal's rows (faceRulesProblem).
FaceGroove standardFaceGroove(const FaceRing& ring, const FaceSide& side, FaceMedium medium, const FaceGlandRow& row,
                              const RuleSet& rules, std::optional<float> datum);

// The gland at one condition. Inch, %.
struct FaceCondition {
  double crossSection;  // the ring's section across the groove depth (after thinning)
  double sectionArea;   // the ring's section area as installed (by volume), square inch
  double depth, width, bottomRadius;
  double squeezePercent;  // (section − depth) / section
  double fillPercent;     // section area over the groove's, less its two bottom corners
};

// The ring's fit against the datum, %: interference (inside) or stretch (outside).
struct FaceFit {
  double nominalPercent = 0;
  // Smallest and largest over the ring's and the datum's tolerances; none when the ring's
  // ID tolerance is unknown.
  std::optional<std::array<double, 2>> rangePercent;
};

struct FaceAnalysis {
  FaceFit fit;
  double areaRatio;                 // installed over free section area: free mean diameter over installed
  FaceCondition nominal, mmc, lmc;  // MMC: largest ring, shallowest narrowest groove, largest radius
};

// The fit of a ring edge `ringEdge` on `datum`, %.
double faceFitPercent(const FaceSide& side, double ringEdge, double datum);

// The ring's section area as installed over its free one: the ring keeps its volume, its
// mean diameter goes from ID + W to the datum's (when the ring touches it) ∓ W.
double installedAreaRatio(const FaceSide& side, double id, double w, double datum);

// The seal's section area over the groove's (depth × width less two bottom corners of
// radius r), %.
double faceFillPercent(double sectionArea, double depth, double width, double radius);

// The nominal, MMC and LMC figures and the fit of `gland`.
FaceAnalysis analyseFaceGland(const FaceGland& gland);

}  // namespace glandwise
