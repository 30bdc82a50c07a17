#pragma once
// The drawing of a face seal's section, dimensioned as on a groove drawing.

#include "drawing/drawing.h"
#include "face/face_section.h"

namespace glandwise {

// The gland of `section` cut through its axis on one side, true to scale and at its true
// place: x along the axis from the grooved flange's face (the grooved flange at x < 0, the
// mating flange beyond the gap), y the distance from the axis. On layer PART the grooved
// flange with its groove and bottom radii (cut at the axis when the groove is a round
// pocket) and the mating flange; on RING, RING_MMC and RING_LMC the ring at nominal, MMC
// and LMC resting on the groove bottom against the datum wall; on DIMENSIONS the groove
// width, the datum diameter, the depth (with its tolerances) and the flange gap; on TEXT
// the flanges' names and the notes. Empty when there is no groove or ring to draw.
drawing::Drawing faceDrawing(const FaceSection& section, const FaceGroove& groove);

}  // namespace glandwise
