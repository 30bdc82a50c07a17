#pragma once
// Drawings as DXF files for every CAD program.

#include <string>

#include "drawing/drawing.h"

namespace glandwise::drawing {

// The drawing as an AutoCAD R12 ASCII DXF file (AC1009), in inch ($INSUNITS 1): a layer
// table with PART, RING, RING_MMC, RING_LMC (those two dashed), DIMENSIONS and TEXT, and
// the drawing as LINE, ARC, CIRCLE and TEXT entities, outlines as their lines and arcs.
// Texts are written in the DXF's own codes for "Ø" (%%c) and "±" (%%p). Empty for an
// empty drawing.
std::string dxfText(const Drawing& drawing);

}  // namespace glandwise::drawing
