// Word and definition boxes as assistive technology sees them: the toolkit's own text and
// editable-text interfaces, plus the standard press action, which clicks the box.
#pragma once

#include <QObject>
#include <functional>

namespace glosandas {

// Marks `box` as one whose press action calls `press`. Installs the factory on first use.
void MakePressable(QObject* box, std::function<void()> press);

}  // namespace glosandas
