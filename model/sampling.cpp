#include "model/sampling.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

namespace glandwise {
namespace {

std::uint64_t splitmix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9e3779b97f4a7c15);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
  z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
  return z ^ (z >> 31);
}

// The ziggurat's tail starts at kTail; every layer has the area kLayerArea.
constexpr double kTail = 3.442619855899;
constexpr double kLayerArea = 9.91256303526217e-3;
constexpr double kScale = 2147483648.0;  // 2^31: draws are signed 32-bit

double normalDensity(double x) { return std::exp(-0.5 * x * x); }

}  // namespace

Xoshiro256::Xoshiro256(std::uint64_t seed) {
  for (std::uint64_t& word : state_) word = splitmix64(seed);
}


StandardNormal::Layers::Layers() {
  double edge = kTail, outer = kTail;
  const double base = kLayerArea / normalDensity(edge);
  bound[0] = static_cast<std::uint32_t>(edge / base * kScale);
  bound[1] = 0;
  width[0] = base / kScale;
  width[127] = edge / kScale;
  density[0] = 1;
  density[127] = normalDensity(edge);
  for (int i = 126; i >= 1; --i) {
    edge = std::sqrt(-2 * std::log(kLayerArea / edge + normalDensity(edge)));
    bound[i + 1] = static_cast<std::uint32_t>(edge / outer * kScale);
    outer = edge;
    density[i] = normalDensity(edge);
    width[i] = edge / kScale;
  }
}

const StandardNormal::Layers& StandardNormal::layers() {
  static const Layers instance;
  return instance;
}

double StandardNormal::wedgeOrTail(std::int32_t draw) {
  const Layers& z = layers_;
  for (;;) {
    const std::uint32_t layer = static_cast<std::uint32_t>(draw) & 127;
    if (magnitude(draw) < z.bound[layer]) return draw * z.width[layer];
    const double x = draw * z.width[layer];
    if (layer == 0) {  // the tail beyond kTail
      double tail, y;
      do {
        tail = -std::log(random_.uniform()) / kTail;
        y = -std::log(random_.uniform());
      } while (y + y < tail * tail);
      return draw > 0 ? kTail + tail : -kTail - tail;
    }
    if (z.density[layer] + random_.uniform() * (z.density[layer - 1] - z.density[layer]) < normalDensity(x)) return x;
    draw = nextDraw();
  }
}

SampleDraws::SampleDraws(std::uint64_t seed, std::size_t samples, std::size_t normals, std::size_t uniforms)
    : normals_(normals), uniforms_(uniforms), normal_(samples * normals), uniform_(samples * uniforms) {
  Xoshiro256 random(seed);
  StandardNormal normal(random);
  for (std::size_t i = 0; i < samples; ++i) {
    for (std::size_t k = 0; k < normals; ++k) {
      const double deviate = normal();
      normal_[i * normals + k] = deviate;
      largest_[k] = std::max(largest_[k], std::abs(deviate));
    }
    for (std::size_t k = 0; k < uniforms; ++k) uniform_[i * uniforms + k] = random.uniform();
  }
}

const SampleDraws& SampleDraws::shared(std::uint64_t seed, std::size_t samples, std::size_t normals,
                                       std::size_t uniforms) {
  static std::mutex mutex;
  static std::map<std::tuple<std::uint64_t, std::size_t, std::size_t, std::size_t>, std::unique_ptr<SampleDraws>> made;
  const std::lock_guard lock(mutex);
  std::unique_ptr<SampleDraws>& draws = made[{seed, samples, normals, uniforms}];
  if (!draws) draws.reset(new SampleDraws(seed, samples, std::min<std::size_t>(normals, 8), std::min<std::size_t>(uniforms, 2)));
  return *draws;
}

}  // namespace glandwise
