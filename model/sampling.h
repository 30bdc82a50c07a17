#pragma once
// Reproducible random sampling for the design review's Monte Carlo: the same seed gives
// the same numbers on every machine and compiler (the standard library's distributions
// do not promise that, so none is used).

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace glandwise {

// The xoshiro256** 1.0 generator of Blackman and Vigna (2018), seeded by expanding one
// 64-bit seed with splitmix64.
class Xoshiro256 {
 public:
  explicit Xoshiro256(std::uint64_t seed);
  std::uint64_t next() {
    const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotl(state_[3], 45);
    return result;
  }
  // Uniform in (0, 1): never 0 or 1, with 53 random bits.
  double uniform() { return (double(next() >> 11) + 0.5) * 0x1p-53; }

 private:
  static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

  std::array<std::uint64_t, 4> state_;
};

// Standard normal deviates by the ziggurat method of Marsaglia and Tsang (2000) with 128
// layers: nearly every deviate costs half a random number (each 64-bit number gives two
// 32-bit draws), a comparison and a product.
class StandardNormal {
 public:
  explicit StandardNormal(Xoshiro256& random) : random_(random), layers_(layers()) {}

  double operator()() {
    const std::int32_t draw = nextDraw();
    const std::uint32_t layer = static_cast<std::uint32_t>(draw) & 127;
    if (magnitude(draw) < layers_.bound[layer]) return draw * layers_.width[layer];
    return wedgeOrTail(draw);
  }

 private:
  // The layers of the ziggurat, the same for every stream.
  struct Layers {
    Layers();
    std::array<std::uint32_t, 128> bound;  // |draw| below this: inside the layer's rectangle
    std::array<double, 128> width;         // x = draw × width
    std::array<double, 128> density;       // the density at the layer's outer edge
  };
  static const Layers& layers();

  static std::uint32_t magnitude(std::int32_t draw) {
    return draw < 0 ? 0u - static_cast<std::uint32_t>(draw) : static_cast<std::uint32_t>(draw);
  }
  std::int32_t nextDraw() {
    haveSpare_ = !haveSpare_;
    if (!haveSpare_) return static_cast<std::int32_t>(static_cast<std::uint32_t>(spare_));
    spare_ = random_.next();
    return static_cast<std::int32_t>(spare_ >> 32);
  }
  // Slow path: a deviate from the wedge of the draw's layer, or from the tail beyond it.
  double wedgeOrTail(std::int32_t draw);

  Xoshiro256& random_;
  const Layers& layers_;
  std::uint64_t spare_ = 0;     // the low half of the last 64-bit number
  bool haveSpare_ = false;      // whether spare_ is still unused
};

// The draws of a Monte Carlo run, made once and shared: for every sample `normals` standard
// normal deviates, then `uniforms` uniform numbers, from one Xoshiro256 stream, exactly as
// drawing them one by one in that order gives. Reading them back costs a fraction of drawing
// them again, for every run of the same shape.
class SampleDraws {
 public:
  // The draws of `samples` samples of this shape from `seed`, made on first use (at most 8
  // normals and 2 uniforms per sample); safe to call from several threads.
  static const SampleDraws& shared(std::uint64_t seed, std::size_t samples, std::size_t normals, std::size_t uniforms);

  std::size_t normals() const { return normals_; }
  std::size_t uniforms() const { return uniforms_; }
  // The deviates and uniform numbers of sample `i`.
  const double* normal(std::size_t i) const { return normal_.data() + i * normals_; }
  const double* uniform(std::size_t i) const { return uniform_.data() + i * uniforms_; }
  // The largest |deviate| drawn in place `k` of the samples' normals.
  double largestDeviate(std::size_t k) const { return largest_[k]; }

 private:
  SampleDraws(std::uint64_t seed, std::size_t samples, std::size_t normals, std::size_t uniforms);

  std::size_t normals_, uniforms_;
  std::vector<double> normal_;   // sample by sample
  std::vector<double> uniform_;  // sample by sample
  std::array<double, 8> largest_{};
};

}  // namespace glandwise
