#include "board/random.h"

namespace glosandas {

// splitmix64: tiny, well mixed even for small consecutive seeds.
double Random::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-53;  // 53 random bits: exactly representable
}

}  // namespace glosandas
