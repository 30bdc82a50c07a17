#pragma once
// The figures of a face seal's section drawing: the gland cut through its axis on one side,
// at nominal size, with the ring's section at nominal, MMC and LMC against the datum wall.

#include "face/face_gland.h"

namespace glandwise {

// Radii from the flange's axis and heights from the groove bottom, inch.
struct FaceSection {
  PressureFrom pressureFrom;
  double innerWall, outerWall;  // the groove's walls; an inner wall at 0 is a round pocket
  double depth;                 // groove bottom to the mating flange's face, with the flanges closed
  double gap;                   // the flanges' opening under pressure
  double bottomRadius;          // the middle of the bottom corners' range
  double datumWall;             // innerWall or outerWall: the wall the pressure pushes the ring on
  // A ring section resting on the groove bottom against the datum wall (or its own edge,
  // when it does not reach the wall).
  struct Ring {
    double centre;    // radius of the section's centre
    double diameter;  // the section's diameter across the groove depth
  };
  Ring nominal, mmc, lmc;
};

FaceSection faceSection(const FaceGland& gland, const FaceAnalysis& analysis, double flangeGap);

}  // namespace glandwise
