// The core's texts are UTF-8 std::string; each view file turns them into the toolkit's the same
// way.
#pragma once

#include <QString>
#include <string>

namespace glosandas {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace glosandas
