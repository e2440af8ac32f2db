#include "app/qt/window_drawing.h"

#include <QLineF>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "app/qt/qt_colour.h"
#include "app/qt/twips.h"

namespace tarvel::view {
namespace {

bool sameLine(const LineShape& a, const LineShape& b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.widthPx == b.widthPx &&
           a.visible == b.visible;
}

bool sameFrame(const FilledShape& a, const FilledShape& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
           a.fillColour == b.fillColour && a.visible == b.visible;
}

template <typename T, std::size_t N, typename Same>
bool allSame(const std::array<T, N>& a, const std::array<T, N>& b, Same same) {
    for (std::size_t i = 0; i < N; ++i) {
        if (!same(a[i], b[i])) return false;
    }
    return true;
}

QLineF dipLineOf(const LineShape& line) {
    return {toDip(line.x1), toDip(line.y1), toDip(line.x2), toDip(line.y2)};
}

// Where a line's pixels lie with a pen `width` DIP wide, in whole DIP.
QRect boundsOf(const QLineF& line, int width) {
    const double pad = width;
    return QRectF(line.p1(), line.p2()).normalized().adjusted(-pad, -pad, pad, pad).toAlignedRect();
}

void paintLine(QPainter& painter, const LineShape& line, const QRegion& exposed) {
    if (!line.visible) return;
    painter.setPen(QPen(Qt::black, line.widthPx, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    paintWideLine(painter, dipLineOf(line), line.widthPx, exposed);
}

// Where an item's pixels lie, in whole DIP, pens included; empty when hidden.
QRect boundsOf(const LineShape& line) {
    if (!line.visible) return {};
    return boundsOf(dipLineOf(line), line.widthPx);
}

QRect boundsOf(const FilledShape& frame) {
    if (!frame.visible) return {};
    return dipRectOf(frame).adjusted(-1, -1, 1, 1).toAlignedRect();
}

}  // namespace

// The rasteriser fills a wide line's outline row by row, at a cost that
// grows with its length. An upright or level line's outline between its
// round caps is a plain rectangle: there it is filled as one, and only the
// capped ends go through the stroke. Each end is cut where a row (or column)
// of device pixels begins, so that no pixel centre lies on the cut. An end
// that lies wholly beside the exposed region (a path's frame fading along
// its impulse exposes a piece of the middle) is left to the clip unstroked.
void paintWideLine(QPainter& painter, const QLineF& line, int width, const QRegion& exposed) {
    const bool upright = line.x1() == line.x2();
    const bool level = line.y1() == line.y2();
    const QTransform toDevice = painter.deviceTransform();
    if (upright == level || width < 2 || toDevice.type() > QTransform::TxScale) {
        painter.drawLine(line);
        return;
    }
    // Along the line in device pixels: a = scale * t + offset, t in DIP.
    const qreal scale = upright ? toDevice.m22() : toDevice.m11();
    const qreal offset = upright ? toDevice.dy() : toDevice.dx();
    const qreal from = upright ? std::min(line.y1(), line.y2()) : std::min(line.x1(), line.x2());
    const qreal to = upright ? std::max(line.y1(), line.y2()) : std::max(line.x1(), line.x2());
    const qreal across = upright ? line.x1() : line.y1();
    // Each capped end is two widths long or a little more.
    const qreal firstCut = (std::ceil((from + 2 * width) * scale + offset) - offset) / scale;
    const qreal lastCut = (std::floor((to - 2 * width) * scale + offset) - offset) / scale;
    if (!(scale > 0) || lastCut - firstCut < width) {
        painter.drawLine(line);
        return;
    }
    const auto point = [&](qreal t) { return upright ? QPointF(across, t) : QPointF(t, across); };
    for (const QLineF end :
         {QLineF(point(from), point(firstCut)), QLineF(point(lastCut), point(to))}) {
        if (exposed.intersects(boundsOf(end, width))) painter.drawLine(end);
    }
    const qreal half = width / 2.0;
    painter.fillRect(upright ? QRectF(across - half, firstCut, width, lastCut - firstCut)
                             : QRectF(firstCut, across - half, lastCut - firstCut, width),
                     painter.pen().color());
}

bool WindowDrawing::operator==(const WindowDrawing& other) const {
    return allSame(axes, other.axes, sameLine) && allSame(frames, other.frames, sameFrame) &&
           allSame(impulses, other.impulses, sameLine);
}

WindowDrawing windowDrawingOf(const Form& form) {
    WindowDrawing drawing;
    for (int a = 0; a < kAxisCount; ++a) drawing.axes[static_cast<std::size_t>(a)] = form.axis(a);
    drawing.frames = form.cmdShape;
    drawing.impulses = form.lneImpulse;
    return drawing;
}

void paintWindowDrawing(QPainter& painter, const WindowDrawing& drawing, const QRegion& exposed) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Stroking a wide pen costs even where the clip hides it all: items
    // beside the exposed region are left out.
    const auto paint = [&](const LineShape& line) {
        if (exposed.intersects(boundsOf(line))) paintLine(painter, line, exposed);
    };
    for (const DrawingRef& item : kDrawingOrder) {
        const auto i = static_cast<std::size_t>(item.index);
        switch (item.kind) {
            case DrawingKind::Axis:
                paint(drawing.axes[i]);
                break;
            case DrawingKind::Frame: {
                const FilledShape& frame = drawing.frames[i];
                if (frame.visible && exposed.intersects(boundsOf(frame))) {
                    painter.fillRect(dipRectOf(frame), toQColor(frame.fillColour));
                }
                break;
            }
            case DrawingKind::Impulse:
                paint(drawing.impulses[i]);
                break;
        }
    }
}

QRegion changedRegion(const WindowDrawing& before, const WindowDrawing& after) {
    QRegion region;
    // An item's place before and after, as one rectangle where that is exact
    // (a line that only grew or shrank along the same column or row): every
    // union of a region costs.
    const auto add = [&region](const QRect& was, const QRect& is) {
        const QRect both = was | is;
        const bool sameColumn = was.left() == is.left() && was.right() == is.right();
        const bool sameRow = was.top() == is.top() && was.bottom() == is.bottom();
        if (was.isEmpty() || is.isEmpty() || ((sameColumn || sameRow) && was.intersects(is))) {
            region += both;
        } else {
            region += was;
            region += is;
        }
    };
    const auto addLines = [&add](const auto& was, const auto& is) {
        for (std::size_t i = 0; i < was.size(); ++i) {
            if (!sameLine(was[i], is[i])) add(boundsOf(was[i]), boundsOf(is[i]));
        }
    };
    addLines(before.axes, after.axes);
    addLines(before.impulses, after.impulses);
    for (std::size_t i = 0; i < before.frames.size(); ++i) {
        if (!sameFrame(before.frames[i], after.frames[i])) {
            add(boundsOf(before.frames[i]), boundsOf(after.frames[i]));
        }
    }
    return region;
}

}  // namespace tarvel::view
