#pragma once
// The calculation procedures: standard gland, tolerance limits, gland analysis, and the
// stretch and squeeze checks. They read and write the record; every stored value is a
// 32-bit float rounded after each step, intermediate expressions are evaluated in double.

#include "model/gland_side.h"
#include "model/prompts.h"
#include "model/record.h"

namespace glandwise {

// Generates the standard gland of both kinds from W, BDM (rod groove) and PDF (housing
// groove): tolerances, WT, ECC, GW and the derived diameters. Writes nothing when W is
// not one of the five standard cross-sections.
void CalcStandardDims(GlandRecord& record);

// Upper and lower limits of the six toleranced diameters of both gland kinds.
void CalcLimits(GlandRecord& record);

// The gland analysis of one kind: squeeze, squeeze percent, extrusion gap and gland
// height at MMC, LMC and worst-case eccentric conditions, and the running friction.
// Shows the interference notices through `prompts` (no beep).
void CalcGland(GlandRecord& record, const GlandSide& side, UserPrompts& prompts);
inline void CalcMaleGland(GlandRecord& record, UserPrompts& prompts) { CalcGland(record, kRodGroove, prompts); }
inline void CalcFemaleGland(GlandRecord& record, UserPrompts& prompts) { CalcGland(record, kHousingGroove, prompts); }

// The pressure factor fh of the running-friction estimate, lb per square inch.
double pressureFactor(float pressure);

enum class CheckOutcome { GoOn, Stay };

// The stretch and squeeze checks of an editor's OK: percent stretch, effective
// cross-section and nominal figures, asking whether to edit wherever a limit is passed.
// Stay means the user answered Yes to a question.
CheckOutcome CheckStretchAndSqueeze(GlandRecord& record, const GlandSide& side, UserPrompts& prompts);

// The same checks answering every question No, as with SilentPrompts, without spelling the
// questions: for a trial run.
void CheckStretchAndSqueezeAnsweringNo(GlandRecord& record, const GlandSide& side);

}  // namespace glandwise
