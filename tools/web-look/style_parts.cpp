#include "tools/web-look/style_parts.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <stdexcept>

#include "app/qt/focus_ring_painter.h"

namespace tarvel::tools {
namespace {

// Past the groove's shading beside the arrow buttons, in DIP.
constexpr int kGrooveEnd = 4;

// The widgets' own option makers, reachable for drawing them by hand.
class StyledButton : public QPushButton {
  public:
    using QPushButton::initStyleOption;
};
class StyledList : public QComboBox {
  public:
    using QComboBox::initStyleOption;
};
class StyledBar : public QScrollBar {
  public:
    using QScrollBar::initStyleOption;
};

qreal ratio() {
    return qApp->devicePixelRatio();
}

QImage transparentImage(QSize dip) {
    QImage image(dip * ratio(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio());
    image.fill(Qt::transparent);
    return image;
}

// As in the window, whose widgets are painted while it is the active one.
void asInActiveWindow(QStyleOption& option) {
    option.state |= QStyle::State_Active;
    option.palette.setCurrentColorGroup(QPalette::Active);
}

// A rectangle out of an image, in its device pixels.
QImage cutPixels(const QImage& image, const QRect& pixels) {
    QImage part = image.copy(pixels);
    part.setDevicePixelRatio(1);
    return part;
}

// A rectangle of DIP out of an image.
QImage cut(const QImage& image, const QRect& dip) {
    return cutPixels(image, QRect(QPointF(dip.topLeft() * ratio()).toPoint(),
                                  QSizeF(dip.size() * ratio()).toSize()));
}

// Start, one middle slice and end along the face's length (`endDip` each
// end); the middle must be the same all along, or stretching it would
// change the face.
std::vector<StylePart> cutAlong(const std::string& name, const QImage& face, Qt::Orientation along,
                                int endDip) {
    const bool level = along == Qt::Horizontal;
    const int length = level ? face.width() : face.height();
    const int end = qRound(endDip * ratio());
    const auto span = [&](int from, int count) {
        return level ? QRect(from, 0, count, face.height()) : QRect(0, from, face.width(), count);
    };
    const QImage middle = cutPixels(face, span(length / 2, 1));
    for (int at = end; at < length - end; ++at) {
        if (cutPixels(face, span(at, 1)) != middle) {
            throw std::runtime_error(name + ": the face is not the same all along its middle (at " +
                                     std::to_string(at) + " device pixels)");
        }
    }
    return {{name + "-start", cutPixels(face, span(0, end))},
            {name + "-middle", middle},
            {name + "-end", cutPixels(face, span(length - end, end))}};
}

QImage paintButton(QSize size, QStyle::State state) {
    StyledButton button;
    button.resize(size);
    QStyleOptionButton option;
    button.initStyleOption(&option);
    asInActiveWindow(option);
    option.state |= state;
    option.text.clear();
    QImage image = transparentImage(size);
    QPainter painter(&image);
    button.style()->drawControl(QStyle::CE_PushButton, &option, &painter, &button);
    return image;
}

// The device pixels an image draws on.
QRect drawnBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

struct BarPainter {
    StyledBar bar;
    QStyleOptionSlider option;

    BarPainter(QSize size, Qt::Orientation orientation) {
        bar.setOrientation(orientation);
        bar.resize(size);
        // A long thumb in the middle of the groove, clear of both ends.
        bar.setRange(0, 10);
        bar.setPageStep(10);
        bar.setValue(5);
        bar.initStyleOption(&option);
        asInActiveWindow(option);
    }

    void setValue(int value) {
        bar.setValue(value);
        bar.initStyleOption(&option);
        asInActiveWindow(option);
    }

    QRect rectOf(QStyle::SubControl control) const {
        return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, control, &bar);
    }

    // The bar with only `controls` drawn; `pressed` held down.
    QImage paint(QStyle::SubControls controls, QStyle::SubControl pressed = QStyle::SC_None) {
        QStyleOptionSlider drawn = option;
        drawn.subControls = controls;
        drawn.activeSubControls = pressed;
        if (pressed != QStyle::SC_None) drawn.state |= QStyle::State_Sunken;
        QImage image = transparentImage(bar.size());
        QPainter painter(&image);
        bar.style()->drawComplexControl(QStyle::CC_ScrollBar, &drawn, &painter, &bar);
        return image;
    }
};

}  // namespace

std::vector<StylePart> buttonParts(const std::string& name, QSize size) {
    const std::pair<const char*, QStyle::State> states[] = {
        {"normal", QStyle::State_None},
        {"hover", QStyle::State_MouseOver},
        {"down", QStyle::State_Sunken},
        {"focus", QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange}};
    std::vector<StylePart> parts;
    for (const auto& [state, flags] : states) {
        for (StylePart& part :
             cutAlong(name + "-" + state, cut(paintButton(size, flags), QRect(QPoint(), size)),
                      Qt::Horizontal, kButtonEndDip)) {
            parts.push_back(std::move(part));
        }
    }
    return parts;
}

std::vector<StylePart> listParts(const std::string& name, QSize size) {
    StyledList list;
    list.resize(size);
    const auto paint = [&](QStyle::State state) {
        QStyleOptionComboBox option;
        list.initStyleOption(&option);
        asInActiveWindow(option);
        option.state |= state;
        option.currentText.clear();
        QImage image = transparentImage(size);
        QPainter painter(&image);
        list.style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, &list);
        list.style()->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, &list);
        painter.end();
        image.setDevicePixelRatio(1);
        return image;
    };
    return {{name + "-normal", paint(QStyle::State_None)},
            {name + "-focus", paint(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange)}};
}

StylePart focusRingPart(const std::string& name, QSize size, int inset) {
    QImage image = transparentImage(size);
    QPainter painter(&image);
    view::paintFocusRing(painter, QRect(QPoint(), size), inset);
    painter.end();
    image.setDevicePixelRatio(1);
    return {name, image};
}

namespace {

// The part drawn alone (`image`, on transparent), cut from the whole DIP
// round where it draws and its place: the page lays the picture over its
// place's ends by the lengths <name>-over-start and -over-end.
std::vector<StylePart> partOverItsPlace(const std::string& name, const QImage& image, QRect place,
                                        Qt::Orientation along, std::vector<StyleLength>& lengths) {
    const QRect drawn = drawnBounds(image);
    const QRect drawnDip =
        QRectF(QPointF(drawn.topLeft()) / ratio(), QSizeF(drawn.size()) / ratio()).toAlignedRect() |
        place;
    const bool level = along == Qt::Horizontal;
    const bool across = level
                            ? drawnDip.top() != place.top() || drawnDip.bottom() != place.bottom()
                            : drawnDip.left() != place.left() || drawnDip.right() != place.right();
    if (across) throw std::runtime_error(name + ": drawn beyond the bar's sides");
    lengths.push_back({name + "-over-start", 1.0 * (level ? place.left() - drawnDip.left()
                                                          : place.top() - drawnDip.top())});
    lengths.push_back({name + "-over-end", 1.0 * (level ? drawnDip.right() - place.right()
                                                        : drawnDip.bottom() - place.bottom())});
    return {{name, cut(image, drawnDip)}};
}

}  // namespace

std::vector<StylePart> scrollBarParts(const std::string& name, QSize size,
                                      Qt::Orientation orientation,
                                      std::vector<StyleLength>& lengths) {
    using SC = QStyle::SubControl;
    BarPainter bar(size, orientation);
    const QStyle::SubControls groove =
        SC::SC_ScrollBarGroove | SC::SC_ScrollBarAddPage | SC::SC_ScrollBarSubPage;
    std::vector<StylePart> parts;
    const auto add = [&parts](std::vector<StylePart> more) {
        for (StylePart& part : more) parts.push_back(std::move(part));
    };

    // Beneath all, the groove the whole bar long, its ends under the arrow
    // buttons; then the thumb over its place; over both, the arrow buttons.
    const int arrowLength = orientation == Qt::Horizontal
                                ? bar.rectOf(SC::SC_ScrollBarSubLine).width()
                                : bar.rectOf(SC::SC_ScrollBarSubLine).height();
    lengths.push_back({name + "-groove-cap", 1.0 * (arrowLength + kGrooveEnd)});
    add(cutAlong(name + "-groove", bar.paint(groove), orientation, arrowLength + kGrooveEnd));
    const auto over = [&](const std::string& part, SC control, SC pressed) {
        return partOverItsPlace(name + "-" + part, bar.paint(control, pressed), bar.rectOf(control),
                                orientation, lengths);
    };
    add(over("less", SC::SC_ScrollBarSubLine, SC::SC_None));
    add(over("more", SC::SC_ScrollBarAddLine, SC::SC_None));
    std::vector<StyleLength> alike;  // the pressed pictures lie as the plain ones
    for (const auto& [part, control] : {std::pair{"less-down", SC::SC_ScrollBarSubLine},
                                        std::pair{"more-down", SC::SC_ScrollBarAddLine}}) {
        add(partOverItsPlace(name + "-" + part, bar.paint(control, control), bar.rectOf(control),
                             orientation, alike));
    }
    for (const auto& [part, pressed] :
         {std::pair{"thumb", SC::SC_None}, std::pair{"thumb-down", SC::SC_ScrollBarSlider}}) {
        std::vector<StyleLength>& to = pressed == SC::SC_None ? lengths : alike;
        std::vector<StylePart> thumb =
            partOverItsPlace(name + "-" + part, bar.paint(SC::SC_ScrollBarSlider, pressed),
                             bar.rectOf(SC::SC_ScrollBarSlider), orientation, to);
        add(cutAlong(thumb.front().name, thumb.front().image, orientation, kThumbEndDip));
    }

    // The layers must make the whole bar, with the thumb at either end and
    // between.
    for (const int value : {0, 5, 10}) {
        bar.setValue(value);
        QImage layered = bar.paint(groove);
        QPainter painter(&layered);
        for (const SC control :
             {SC::SC_ScrollBarSlider, SC::SC_ScrollBarSubLine, SC::SC_ScrollBarAddLine}) {
            painter.drawImage(QPoint(0, 0), bar.paint(control));
        }
        painter.end();
        if (layered != bar.paint(QStyle::SC_All)) {
            throw std::runtime_error(name + ": the layers are not the bar at value " +
                                     std::to_string(value));
        }
    }
    return parts;
}

QImage labelPicture(const QPixmap& picture, QSize size) {
    QLabel label;
    label.setPixmap(picture);
    label.setScaledContents(true);
    label.resize(size);
    QImage image = transparentImage(size);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    image.setDevicePixelRatio(1);
    return image;
}

}  // namespace tarvel::tools
