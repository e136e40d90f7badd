// The exercise's random generator: seeded once, uniform in [0, 1), and the same sequence for the
// same seed with every compiler and standard library (so no <random> distributions).
#pragma once

#include <cstdint>

namespace glosandas {

class Random {
 public:
  void Seed(std::uint32_t seed) { state_ = seed; }
  double Next();  // uniform in [0, 1)

 private:
  std::uint64_t state_ = 0;
};

}  // namespace glosandas
