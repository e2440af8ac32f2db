#pragma once
// Paints the core's focus ring (app/focus_ring.h) round a box, in whole DIP,
// so that it lies on whole device pixels at any ratio Qt scales by.

#include <QPainter>
#include <QRect>

namespace tarvel::view {

// `box` in the painter's DIP; `inset` as focus_ring::linesAt takes it.
void paintFocusRing(QPainter& painter, const QRect& box, int inset);

}  // namespace tarvel::view
