#include "gland_side.h"

namespace glandwise {

#define GLANDWISE_DIAMETER(Q, S) \
  Diameter { &GlandRecord::Q##S, &GlandRecord::Q##T##S, &GlandRecord::Q##S##Max, &GlandRecord::Q##S##Min }

#define GLANDWISE_SIDE_RESULTS(S)                                                             \
  &GlandRecord::PS##S, &GlandRecord::EW##S, &GlandRecord::RW##S, &GlandRecord::GH##S,         \
      &GlandRecord::C##S, &GlandRecord::PC##S, &GlandRecord::EG##S,                           \
      &GlandRecord::EW##S##Max, &GlandRecord::EW##S##Min,                                     \
      &GlandRecord::C##S##Max, &GlandRecord::C##S##Min, &GlandRecord::C##S##MaxE,             \
      &GlandRecord::C##S##MinE,                                                               \
      &GlandRecord::PC##S##Max, &GlandRecord::PC##S##Min, &GlandRecord::PC##S##MaxE,          \
      &GlandRecord::PC##S##MinE,                                                              \
      &GlandRecord::EG##S##Min, &GlandRecord::EG##S##Max, &GlandRecord::EG##S##MinE,          \
      &GlandRecord::EG##S##MaxE,                                                              \
      &GlandRecord::GH##S##Min, &GlandRecord::GH##S##Max, &GlandRecord::GH##S##MinE,          \
      &GlandRecord::GH##S##MaxE,                                                              \
      &GlandRecord::AP##S, &GlandRecord::LP##S, &GlandRecord::FH##S,                          \
      &GlandRecord::FC70##S, &GlandRecord::FC80##S, &GlandRecord::FC90##S,                    \
      &GlandRecord::F70##S, &GlandRecord::F80##S, &GlandRecord::F90##S

const GlandSide kRodGroove{
    GlandKind::RodGroove, "PLUG",
    GLANDWISE_DIAMETER(BD, M), GLANDWISE_DIAMETER(PD, M), GLANDWISE_DIAMETER(GD, M),
    /*outer*/ GLANDWISE_DIAMETER(BD, M), /*inner*/ GLANDWISE_DIAMETER(GD, M),
    /*slide*/ GLANDWISE_DIAMETER(BD, M), /*stretchedOnto*/ GLANDWISE_DIAMETER(GD, M),
    /*depthOuter*/ GLANDWISE_DIAMETER(PD, M), /*depthInner*/ GLANDWISE_DIAMETER(GD, M),
    /*sealFitAddsCrossSection*/ true, /*zeroStretchIsUnstretched*/ true,
    GLANDWISE_SIDE_RESULTS(M)};

const GlandSide kHousingGroove{
    GlandKind::HousingGroove, "THROAT",
    GLANDWISE_DIAMETER(BD, F), GLANDWISE_DIAMETER(PD, F), GLANDWISE_DIAMETER(GD, F),
    /*outer*/ GLANDWISE_DIAMETER(GD, F), /*inner*/ GLANDWISE_DIAMETER(PD, F),
    /*slide*/ GLANDWISE_DIAMETER(PD, F), /*stretchedOnto*/ GLANDWISE_DIAMETER(PD, F),
    /*depthOuter*/ GLANDWISE_DIAMETER(GD, F), /*depthInner*/ GLANDWISE_DIAMETER(BD, F),
    /*sealFitAddsCrossSection*/ false, /*zeroStretchIsUnstretched*/ false,
    GLANDWISE_SIDE_RESULTS(F)};

#undef GLANDWISE_DIAMETER
#undef GLANDWISE_SIDE_RESULTS

const GlandSide& glandSide(GlandKind kind) {
  return kind == GlandKind::RodGroove ? kRodGroove : kHousingGroove;
}

}  // namespace glandwise
