#pragma once
// The core measures in twips; the view in device-independent pixels (DIP),
// kTwipsPerPixel to one, so the layout stays the same at every screen scale.

#include <QPointF>
#include <QRect>
#include <QRectF>

#include "app/controls.h"

namespace tarvel::view {

constexpr double kTwipsPerDip = kTwipsPerPixel;

inline double toDip(float twips) {
    return static_cast<double>(twips) / kTwipsPerDip;
}
inline float toTwips(double dip) {
    return static_cast<float>(dip * kTwipsPerDip);
}

inline QRectF dipRectOf(const Box& box) {
    return {toDip(box.left), toDip(box.top), toDip(box.width), toDip(box.height)};
}

// Widget geometry is whole DIPs; the layout's values are multiples of 15
// twips, so rounding only matters for markers placed off the pixel grid.
inline QRect widgetRectOf(const Box& box) {
    const int left = qRound(toDip(box.left));
    const int top = qRound(toDip(box.top));
    return {left, top, qRound(toDip(box.left + box.width)) - left,
            qRound(toDip(box.top + box.height)) - top};
}

}  // namespace tarvel::view
