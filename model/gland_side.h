#pragma once
// The two gland kinds as one table of roles over the record's variables.

#include <string_view>

#include "model/record.h"

namespace glandwise {

enum class GlandKind {
  RodGroove,      // groove cut in the rod: code "PLUG", variables ending in M
  HousingGroove,  // groove cut in the housing: code "THROAT", variables ending in F
};

// A toleranced diameter: nominal, bilateral tolerance and the two limits (inch).
struct Diameter {
  float GlandRecord::*nominal;
  float GlandRecord::*tolerance;
  float GlandRecord::*max;
  float GlandRecord::*min;
};

// Everything that differs between the rod-groove and the housing-groove gland in the
// calculations: which record variables play which role. The procedures are written once
// over this table; kRodGroove and kHousingGroove are its two rows.
struct GlandSide {
  GlandKind kind;
  std::string_view code;  // GlandType code: "PLUG" or "THROAT"

  Diameter bore;    // housing bore diameter
  Diameter rod;     // rod diameter
  Diameter groove;  // groove bottom diameter
  Diameter outer;   // gland outer diameter (the larger of the seal's two contact diameters)
  Diameter inner;   // gland inner diameter
  Diameter slide;   // surface the seal slides on
  Diameter stretchedOnto;  // diameter the seal's inside is stretched onto
  // The groove's depth in its own part is (depthOuter - depthInner) / 2.
  Diameter depthOuter;
  Diameter depthInner;

  // The seal fit check adds one cross-section to the inside diameter (rod groove: the
  // seal's outside must clear the rod) or compares the inside diameter alone.
  bool sealFitAddsCrossSection;
  // A rounded stretch of exactly zero takes the unstretched path.
  bool zeroStretchIsUnstretched;

  // Whether a seal stretched by `stretchPercent` keeps its full cross-section: the
  // unstretched path of the stretch checks, which the design review follows too.
  bool unstretched(double stretchPercent) const {
    return zeroStretchIsUnstretched ? stretchPercent <= 0 : stretchPercent < 0;
  }

  // Nominal results written by the stretch and squeeze checks.
  float GlandRecord::*PS, GlandRecord::*EW, GlandRecord::*RW, GlandRecord::*GH,
      GlandRecord::*C, GlandRecord::*PC, GlandRecord::*EG;
  // Results written by the gland analysis.
  float GlandRecord::*EWMax, GlandRecord::*EWMin;
  float GlandRecord::*CMax, GlandRecord::*CMin, GlandRecord::*CMaxE, GlandRecord::*CMinE;
  float GlandRecord::*PCMax, GlandRecord::*PCMin, GlandRecord::*PCMaxE, GlandRecord::*PCMinE;
  float GlandRecord::*EGMin, GlandRecord::*EGMax, GlandRecord::*EGMinE, GlandRecord::*EGMaxE;
  float GlandRecord::*GHMin, GlandRecord::*GHMax, GlandRecord::*GHMinE, GlandRecord::*GHMaxE;
  float GlandRecord::*AP, GlandRecord::*LP, GlandRecord::*FH;
  float GlandRecord::*FC70, GlandRecord::*FC80, GlandRecord::*FC90;
  float GlandRecord::*F70, GlandRecord::*F80, GlandRecord::*F90;
};

extern const GlandSide kRodGroove;
extern const GlandSide kHousingGroove;

const GlandSide& glandSide(GlandKind kind);

}  // namespace glandwise
