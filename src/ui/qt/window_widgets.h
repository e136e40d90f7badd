// What the window's widgets and its Platform port share.
#pragma once

#include <QFont>
#include <string>

namespace glosandas {

// The font a control's record names, or the nearest installed one that stands in for it.
QFont FontFor(const std::string& name, float points);

}  // namespace glosandas
