#include "platform/random_source.h"

#include <chrono>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

namespace zelvane {

RandomSource::RandomSource() { SeedFromClock(); }

RandomSource RandomSource::Scripted(std::vector<float> values) {
  RandomSource source(0);
  source.scripted_ = true;
  source.script_ = std::move(values);
  return source;
}

void RandomSource::SeedFromClock() {
  if (scripted_) return;
  earlier_draws_ = DrawCount();
  state_ = seed_ = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

float RandomSource::NextScripted() {
  if (next_ >= script_.size()) {
    throw std::out_of_range("the scripted random source has no value left for draw " +
                            std::to_string(next_ + 1));
  }
  return script_[next_++];
}

int RandomSource::ChooseScripted(int n) {
  const double r = NextScripted();
  return static_cast<int>(std::floor(r * static_cast<double>(n) + 1.0));
}

}  // namespace zelvane
