#pragma once
// The sans-serif face every control's text uses, at a given point size.

#include <QFont>

namespace tarvel::view {

QFont controlFont(float pointSize);

}  // namespace tarvel::view
