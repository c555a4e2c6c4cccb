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
  class Draws;

  // A source seeded from the clock.
  RandomSource();
  explicit RandomSource(std::uint64_t seed) : state_(seed), seed_(seed) {}

  // Returns the given values in order; running past the end throws std::out_of_range.
  static RandomSource Scripted(std::vector<float> values);

  // Starts a new sequence from the clock; a scripted source keeps its script.
  void SeedFromClock();

  inline float Next();

  // How many values have been drawn since the source was made.
  std::size_t DrawCount() const {
    // The state moves by one odd step per draw, so the draws follow from how far it moved.
    return scripted_ ? next_ : static_cast<std::size_t>(earlier_draws_ + (state_ - seed_) * kStepInverse);
  }

  // The largest value the source can give: the largest single-precision value below 1.
  static constexpr float kLargest = 1.0f - 1.0f / 16777216.0f;

  // The choice rule Int(r * n + 1) for r = bits / 2^24, in whole numbers: exact for
  // 1 <= n < 2^28, where the double-precision product and sum need no rounding.
  static int ChoiceOf(std::uint32_t bits, int n) {
    return static_cast<int>((std::uint64_t{bits} * static_cast<std::uint64_t>(n)) >> 24) + 1;
  }

 private:
  // A counter moved by an odd step and mixed by one 64 x 64 -> 128-bit product, its two
  // halves folded (the wyrand generator): fast, and good enough for sample data.
  static constexpr std::uint64_t kStep = 0xA0761D6478BD642Full;
  static constexpr std::uint64_t kStepInverse = 0x939C72E4AF1E62CFull;
  static_assert(kStep * kStepInverse == 1);

  // The top 24 bits of the mix of a counter value.
  static std::uint32_t Bits(std::uint64_t counter) {
    __extension__ using Wide = unsigned __int128;
    const Wide product = static_cast<Wide>(counter) * (counter ^ 0xE7037ED1A0B428DBull);
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(product >> 64) ^ static_cast<std::uint64_t>(product)) >> 40);
  }

  float NextScripted();
  int ChooseScripted(int n);

  std::uint64_t state_ = 0;
  std::uint64_t seed_ = 0;           // the state when the current sequence began
  std::uint64_t earlier_draws_ = 0;  // draws of the sequences before it
  bool scripted_ = false;
  std::vector<float> script_;
  std::size_t next_ = 0;
};

// Draws from a source through a copy of its state, which the compiler can keep in a
// register while the caller writes characters (a character store could otherwise touch
// the state, so it would go through memory on every draw). The source gets the state
// back when the object goes; use one at a time per source.
class RandomSource::Draws {
 public:
  explicit Draws(RandomSource& source) : source_(source), state_(source.state_), scripted_(source.scripted_) {}
  ~Draws() { source_.state_ = state_; }
  Draws(const Draws&) = delete;
  Draws& operator=(const Draws&) = delete;

  float Next() {
    if (scripted_) [[unlikely]] return source_.NextScripted();
    return static_cast<float>(Bits(state_ += kStep)) * (1.0f / 16777216.0f);
  }

  // Int(r * n + 1) of the next draw, for 1 <= n < 2^28.
  int Choose(int n) {
    if (scripted_) [[unlikely]] return source_.ChooseScripted(n);
    return ChoiceOf(Bits(state_ += kStep), n);
  }

  // Writes the characters zero + Choose(n) of count draws, for 1 <= n < 2^28, and returns
  // their end; nothing for a count of 0 or less. It may write up to kBlock bytes past
  // the end. Each draw depends only on its place in the sequence, so whole blocks are
  // made without a branch per character and the state then moves by the draws used.
  static constexpr int kBlock = 4;
  char* Characters(char zero, int n, std::int32_t count, char* out) {
    if (scripted_) [[unlikely]] {
      for (std::int32_t i = 0; i < count; ++i) out[i] = static_cast<char>(zero + source_.ChooseScripted(n));
    } else {
      std::int32_t i = 0;
      do {
        for (int j = 1; j <= kBlock; ++j) {
          out[i + j - 1] = static_cast<char>(zero + ChoiceOf(Bits(state_ + static_cast<std::uint64_t>(i + j) * kStep), n));
        }
        i += kBlock;
      } while (i < count);
      state_ += static_cast<std::uint64_t>(count > 0 ? count : 0) * kStep;
    }
    return out + (count > 0 ? count : 0);
  }

 private:
  RandomSource& source_;
  std::uint64_t state_;
  bool scripted_;
};

float RandomSource::Next() { return Draws(*this).Next(); }

}  // namespace zelvane
