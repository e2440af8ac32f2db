#pragma once
// Pictures of the window style's parts at the application's device pixel
// ratio, as the window's widgets paint them, each on a transparent ground:
// the page lays them over what lies beneath, as the window paints its
// widgets over theirs. A face that a control stretches along its length
// comes in three parts: its start, one slice of its middle (the same all
// along) and its end.

#include <QImage>
#include <QSize>
#include <string>
#include <vector>

namespace tarvel::tools {

// The ends of a button's face and a thumb's, in DIP, cut off the middle
// that stretches: past the style's rounded corners and edge shading.
inline constexpr int kButtonEndDip = 6;
inline constexpr int kThumbEndDip = 4;

struct StylePart {
    std::string name;
    QImage image;
};

// A length the page lays a part out by, in DIP.
struct StyleLength {
    std::string name;
    double dip;
};

// A push button `size` DIP large in the states the page shows: normal,
// hover, down (pressed, and a toggle that is on: the style draws both
// alike) and focus (from the keyboard); each cut across its width.
std::vector<StylePart> buttonParts(const std::string& name, QSize size);

// The drop-down list `size` DIP large, whole, without its text: normal and
// focus (from the keyboard).
std::vector<StylePart> listParts(const std::string& name, QSize size);

// The focus ring of a control `size` DIP large, `inset` as the window draws
// it (app/focus_ring.h), alone on transparent.
StylePart focusRingPart(const std::string& name, QSize size, int inset);

// A scroll bar `size` DIP large: its two arrow buttons, up and down, and its
// groove and thumb, cut along its length. The thumb's picture reaches over
// the ends of its place as the style draws it: by the lengths
// <name>-thumb-over-start and -end.
std::vector<StylePart> scrollBarParts(const std::string& name, QSize size,
                                      Qt::Orientation orientation,
                                      std::vector<StyleLength>& lengths);

// The logo as the window's label shows it, scaled to `size` DIP.
QImage labelPicture(const QPixmap& picture, QSize size);

}  // namespace tarvel::tools
