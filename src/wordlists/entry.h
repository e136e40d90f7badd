// One word and its definition, and the limits every list is held to.
#pragma once

#include <string>

#include "wordlists/limits.h"

namespace glosandas {

struct Entrada {
  std::string Palabra;     // at most kPalabraLen characters
  std::string Definicion;  // at most kDefinicionLen characters
};

}  // namespace glosandas
