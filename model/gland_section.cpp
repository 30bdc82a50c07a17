#include "model/gland_section.h"

namespace glandwise {

GlandSection glandSection(const GlandRecord& record, const GlandSide& side, const Review& review,
                          double grooveRadius) {
  const FillReview& fill = review.fill;
  return {
      .grooveInRod = side.kind == GlandKind::RodGroove,
      .glandHeight = fill.nominal.glandHeight,
      .grooveWidth = fill.nominal.grooveWidth,
      .gap = (double(record.*side.bore.nominal) - record.*side.rod.nominal) / 2,
      .grooveRadius = grooveRadius,
      .sealNominal = fill.nominal.effectiveCrossSection,
      .sealMmc = fill.mmc.effectiveCrossSection,
      .sealLmc = fill.lmc.effectiveCrossSection,
      .worstMmcSqueeze = record.*side.PCMaxE,
      .worstLmcSqueeze = record.*side.PCMinE,
  };
}

}  // namespace glandwise
