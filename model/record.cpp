#include "model/record.h"

namespace glandwise {

const std::array<FloatField, kFloatFieldCount>& floatFields() {
#define GLANDWISE_FIELD_ENTRY(name) FloatField{#name, &GlandRecord::name},
  static const std::array<FloatField, kFloatFieldCount> fields{{GLANDWISE_FLOATS(GLANDWISE_FIELD_ENTRY)}};
#undef GLANDWISE_FIELD_ENTRY
  return fields;
}

}  // namespace glandwise
