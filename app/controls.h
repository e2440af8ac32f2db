#pragma once
// Plain records of the window's controls. Positions and sizes are
// single-precision twips measured in the window's client area (for a picture
// box's drawing: in its own inner area).

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/colour.h"
#include "app/surface.h"

namespace tarvel {

// 15 twips are one device-independent pixel (a pixel at 96 dpi) in both views.
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr float kTwipsPerPoint = 20.0f;

enum class Align { Left, Right, Centre };

struct Box {
    float left = 0, top = 0, width = 0, height = 0;
    bool contains(float x, float y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

struct Label : Box {
    std::string caption;
    Align align = Align::Left;
    float fontPt = 13.5f;
    bool visible = true;
};

// A caption of several words wraps where its box holds two lines, taken as
// 1.2 em each; a single word or a one-line box keeps its line.
inline bool wraps(const Label& label) {
    constexpr float kLineSpacingEm = 1.2f;
    return label.caption.find(' ') != std::string::npos &&
           label.height >= 2 * kLineSpacingEm * label.fontPt * kTwipsPerPoint;
}

// A line drawn on the window's own surface; its width is in pixels.
struct LineShape {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int widthPx = 1;
    bool visible = true;
};

// A filled square drawn on the window's own surface (a path's frame).
struct FilledShape : Box {
    Colour fillColour = kBlack;
    bool visible = true;
};

struct CommandButton : Box {
    std::string caption;
    std::string tag;
    Colour backColour = kDefaultFaceColour;
    bool pressed = false;  // the button's Value
    float fontPt = 13.5f;
    bool visible = true;
    bool enabled = true;
};

struct ScrollBar : Box {
    int min = 0, max = 0, value = 0;
    int smallChange = 1, largeChange = 1;
    bool vertical = false;
    bool tracking = true;  // reports each value while its thumb is dragged, not only on release
    bool visible = true;
    bool enabled = true;
};

// A check box in toggle-button style.
struct CheckBox : Box {
    std::string caption;
    int value = 0;                        // 0 unchecked, 1 checked
    std::optional<Colour> captionColour;  // empty: the default text colour
    float fontPt = 13.5f;
    bool visible = true;
    bool enabled = true;
};

// A drop-down list: accepts no typed text.
struct ComboBox : Box {
    std::vector<std::string> items;
    std::string text;
    int listIndex = -1;
    float fontPt = 13.5f;
    bool visible = true;
    bool enabled = true;
};

struct ImageBox : Box {
    bool visible = true;
};

struct Timer {
    bool enabled = false;
    int intervalMs = 0;
};

// What an eye diagram's traces show at the sampling instant since its box was
// last cleared, as drawn: in units of the single path's waveform.
struct EyeSamples {
    bool drawn = false;       // any trace since the clear
    bool onCentre = false;    // a trace passed through the centre line there
    bool above = false;       // a trace passed above it
    bool below = false;       // a trace passed below it
    double lowestAbove = 0;   // the lowest value above the centre line
    double highestBelow = 0;  // the highest value below it
    int shownStep = -1;       // the 5 % step the words give; -1 while empty
};

// A picture box used as a drawing surface. The record keeps the drawing
// colour and counts what it is asked to draw; the pixels (or a recording) are
// the business of the attached Surface, if any.
struct PictureBox : Box {
    static constexpr float kBorder = 30;  // a 2-pixel sunken border on each side

    Colour backColour = kWhite;
    Colour foreColour = kBlack;
    Surface* surface = nullptr;
    std::uint64_t linesSinceClear = 0;
    std::uint64_t clears = 0;
    bool visible = true;
    // The picture in words, for assistive tools (app/picture_description.h).
    std::string description;
    EyeSamples eye;  // eye diagrams only

    void attach(Surface* target) {
        surface = target;
        if (surface) surface->setColour(foreColour);
    }
    float innerWidth() const { return width - 2 * kBorder; }
    float innerHeight() const { return height - 2 * kBorder; }

    void clear() {
        linesSinceClear = 0;
        ++clears;
        if (surface) surface->clear();
    }
    void setForeColour(Colour colour) {
        foreColour = colour;
        if (surface) surface->setColour(colour);
    }
    void line(float x1, float y1, float x2, float y2) {
        ++linesSinceClear;
        if (surface) surface->line(x1, y1, x2, y2);
    }
    // Points as x0, y0, x1, y1, ...: one segment between each two neighbours.
    void polyline(std::span<const float> xy) {
        if (xy.size() < 4) return;
        linesSinceClear += xy.size() / 2 - 1;
        if (surface) surface->polyline(xy);
    }
    // Where the attached surface shows anything; with no surface, nowhere.
    HorizontalReach horizontalReach() const {
        return surface ? surface->horizontalReach() : HorizontalReach::nothing();
    }
    // A run of `segments` segments given only by its points within
    // horizontalReach(): every segment counts, the part is drawn.
    void polylineWithinReach(std::span<const float> xy, std::uint64_t segments) {
        linesSinceClear += segments;
        if (surface && xy.size() >= 4) surface->polyline(xy);
    }
};

}  // namespace tarvel
