// One word and its definition, and the limits every list is held to.
#pragma once

#include <cstddef>
#include <string>

namespace glosandas {

inline constexpr int kMaxEntradas = 100;
inline constexpr std::size_t kPalabraLen = 100;
inline constexpr std::size_t kDefinicionLen = 2000;

struct Entrada {
  std::string Palabra;     // at most 100 characters
  std::string Definicion;  // at most 2000 characters
};

}  // namespace glosandas
