#pragma once
// The drawing of a radial gland's section, dimensioned as on a groove drawing.

#include "drawing/drawing.h"
#include "model/gland_section.h"

namespace glandwise::drawing {

// The gland of `section` cut through its axis, true to scale and at its true place: x along
// the axis from the middle of the groove, y the distance from the axis. On layer PART the
// grooved part (its groove with the bottom radii) and the part across the clearance gap,
// each as a closed outline; on RING the seal at nominal, on RING_MMC and RING_LMC its MMC
// and LMC outlines, each resting on the groove bottom in the middle of the groove; on
// DIMENSIONS the groove width and diameter with their tolerances, the gland depth, the
// clearance and the bottom radius; on TEXT the parts' names and the unit. Empty when the
// section has no groove width, gland height or seal to draw.
Drawing glandDrawing(const GlandSection& section);

}  // namespace glandwise::drawing
