#include "drawing/drawing.h"

#include <algorithm>

namespace glandwise::drawing {

std::string_view layerName(Layer layer) {
  switch (layer) {
    case Layer::Part: return "PART";
    case Layer::Ring: return "RING";
    case Layer::RingMmc: return "RING_MMC";
    case Layer::RingLmc: return "RING_LMC";
    case Layer::Dimensions: return "DIMENSIONS";
    case Layer::Text: break;
  }
  return "TEXT";
}

double estimatedWidth(std::string_view text, double height) {
  const auto letters = std::ranges::count_if(text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  return 0.9 * height * double(letters);
}

}  // namespace glandwise::drawing
