#include "model/gland_side.h"

namespace glandwise {

#define GLANDWISE_DIAMETER(Q, S)                                                             \
  Diameter {                                                                                  \
    .nominal = &GlandRecord::Q##S, .tolerance = &GlandRecord::Q##T##S, .max = &GlandRecord::Q##S##Max, \
    .min = &GlandRecord::Q##S##Min                                                            \
  }

// The result members of one side, by the suffix S of its variables.
#define GLANDWISE_SIDE_RESULTS(S) \
    .PS = &GlandRecord::PS##S, .EW = &GlandRecord::EW##S, .RW = &GlandRecord::RW##S, \
    .GH = &GlandRecord::GH##S, .C = &GlandRecord::C##S, .PC = &GlandRecord::PC##S, \
    .EG = &GlandRecord::EG##S, .EWMax = &GlandRecord::EW##S##Max, \
    .EWMin = &GlandRecord::EW##S##Min, .CMax = &GlandRecord::C##S##Max, \
    .CMin = &GlandRecord::C##S##Min, .CMaxE = &GlandRecord::C##S##MaxE, \
    .CMinE = &GlandRecord::C##S##MinE, .PCMax = &GlandRecord::PC##S##Max, \
    .PCMin = &GlandRecord::PC##S##Min, .PCMaxE = &GlandRecord::PC##S##MaxE, \
    .PCMinE = &GlandRecord::PC##S##MinE, .EGMin = &GlandRecord::EG##S##Min, \
    .EGMax = &GlandRecord::EG##S##Max, .EGMinE = &GlandRecord::EG##S##MinE, \
    .EGMaxE = &GlandRecord::EG##S##MaxE, .GHMin = &GlandRecord::GH##S##Min, \
    .GHMax = &GlandRecord::GH##S##Max, .GHMinE = &GlandRecord::GH##S##MinE, \
    .GHMaxE = &GlandRecord::GH##S##MaxE, .AP = &GlandRecord::AP##S, .LP = &GlandRecord::LP##S, \
    .FH = &GlandRecord::FH##S, .FC70 = &GlandRecord::FC70##S, .FC80 = &GlandRecord::FC80##S, \
    .FC90 = &GlandRecord::FC90##S, .F70 = &GlandRecord::F70##S, .F80 = &GlandRecord::F80##S, \
    .F90 = &GlandRecord::F90##S

const GlandSide kRodGroove{
    .kind = GlandKind::RodGroove,
    .code = "PLUG",
    .bore = GLANDWISE_DIAMETER(BD, M),
    .rod = GLANDWISE_DIAMETER(PD, M),
    .groove = GLANDWISE_DIAMETER(GD, M),
    .outer = GLANDWISE_DIAMETER(BD, M),
    .inner = GLANDWISE_DIAMETER(GD, M),
    .slide = GLANDWISE_DIAMETER(BD, M),
    .stretchedOnto = GLANDWISE_DIAMETER(GD, M),
    .depthOuter = GLANDWISE_DIAMETER(PD, M),
    .depthInner = GLANDWISE_DIAMETER(GD, M),
    .sealFitAddsCrossSection = true,
    .zeroStretchIsUnstretched = true,
    GLANDWISE_SIDE_RESULTS(M)};

const GlandSide kHousingGroove{
    .kind = GlandKind::HousingGroove,
    .code = "THROAT",
    .bore = GLANDWISE_DIAMETER(BD, F),
    .rod = GLANDWISE_DIAMETER(PD, F),
    .groove = GLANDWISE_DIAMETER(GD, F),
    .outer = GLANDWISE_DIAMETER(GD, F),
    .inner = GLANDWISE_DIAMETER(PD, F),
    .slide = GLANDWISE_DIAMETER(PD, F),
    .stretchedOnto = GLANDWISE_DIAMETER(PD, F),
    .depthOuter = GLANDWISE_DIAMETER(GD, F),
    .depthInner = GLANDWISE_DIAMETER(BD, F),
    .sealFitAddsCrossSection = false,
    .zeroStretchIsUnstretched = false,
    GLANDWISE_SIDE_RESULTS(F)};

#undef GLANDWISE_DIAMETER
#undef GLANDWISE_SIDE_RESULTS

const GlandSide& glandSide(GlandKind kind) {
  return kind == GlandKind::RodGroove ? kRodGroove : kHousingGroove;
}

}  // namespace glandwise
