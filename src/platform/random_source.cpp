#include "platform/random_source.h"

#include <chrono>
#include <stdexcept>
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
  state_ = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

float RandomSource::NextScripted() {
  if (next_ >= script_.size()) {
    throw std::out_of_range("the scripted random source has no value left for draw " +
                            std::to_string(draws_));
  }
  return script_[next_++];
}

}  // namespace zelvane
