#include "model/gland_section.h"

namespace glandwise {

GlandSection glandSection(const GlandRecord& record, const GlandSide& side, const FillReview& fill,
                          double grooveRadius) {
  const bool grooveInRod = side.kind == GlandKind::RodGroove;
  const double bore = record.*side.bore.nominal, rod = record.*side.rod.nominal;
  return {
      .grooveInRod = grooveInRod,
      .grooveDiameter = record.*side.groove.nominal,
      .grooveTolerance = record.*side.groove.tolerance,
      .surfaceDiameter = grooveInRod ? rod : bore,
      .oppositeDiameter = grooveInRod ? bore : rod,
      .glandHeight = fill.nominal.glandHeight,
      .grooveWidth = fill.nominal.grooveWidth,
      .grooveWidthTolerance = fill.lmc.grooveWidth - fill.nominal.grooveWidth,
      .gap = (bore - rod) / 2,
      .grooveRadius = grooveRadius,
      .sealNominal = fill.nominal.effectiveCrossSection,
      .sealMmc = fill.mmc.effectiveCrossSection,
      .sealLmc = fill.lmc.effectiveCrossSection,
      .worstMmcSqueeze = record.*side.PCMaxE,
      .worstLmcSqueeze = record.*side.PCMinE,
  };
}

}  // namespace glandwise
