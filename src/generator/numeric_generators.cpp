#include "generator/numeric_generators.h"

#include <cmath>

namespace zelvane {

std::int32_t RandomInteger(RandomSource& random, std::int32_t size) {
  const double r = random.Next();
  return static_cast<std::int32_t>(std::floor(r * static_cast<double>(size) + 1.0));
}

}  // namespace zelvane
