#pragma once
// The uniform random source of the generation engine: single-precision values r with
// 0 <= r < 1, 24 random bits per draw. One sequence, reseeded from the clock at the
// start of every run. A scripted source returns given values in order, so that tests
// can drive every generator draw by draw.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelvane {

class RandomSource {
 public:
  // A source seeded from the clock.
  RandomSource();
  explicit RandomSource(std::uint64_t seed) : state_(seed) {}

  // Returns the given values in order; running past the end throws std::out_of_range.
  static RandomSource Scripted(std::vector<float> values);

  // Starts a new sequence from the clock; a scripted source keeps its script.
  void SeedFromClock();

  float Next() {
    ++draws_;
    if (scripted_) return NextScripted();
    // splitmix64: fast, and good enough for sample data; the top 24 bits make r exact.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) * (1.0f / 16777216.0f);
  }

  // How many values have been drawn since the source was made.
  std::size_t DrawCount() const { return draws_; }

  // The largest value the source can give: the largest single-precision value below 1.
  static constexpr float kLargest = 1.0f - 1.0f / 16777216.0f;

 private:
  float NextScripted();

  std::uint64_t state_ = 0;
  std::size_t draws_ = 0;
  bool scripted_ = false;
  std::vector<float> script_;
  std::size_t next_ = 0;
};

}  // namespace zelvane
