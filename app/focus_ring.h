#pragma once
// The focus ring both views draw round a focused control: two solid lines
// one DIP wide side by side, black outside and white inside. Black and
// white stand 21:1 apart, so against any colour at least one of the two
// keeps 4.5:1 (the square root of 21): the ring shows on every marker
// colour, on the window's face and over any drawing.

#include <array>

#include "app/colour.h"

namespace tarvel::focus_ring {

inline constexpr Colour kOuterColour = kBlack;
inline constexpr Colour kInnerColour = kWhite;
inline constexpr int kLineDip = 1;

// One line of the ring: the outline of the control's box shrunk by `inset`
// DIP on every side, kLineDip wide, inwards from there.
struct Line {
    int inset;
    Colour colour;
};

inline constexpr std::array<Line, 2> linesAt(int inset) {
    return {Line{inset, kOuterColour}, Line{inset + kLineDip, kInnerColour}};
}

// A marker's bevel is two DIP wide at each edge; the ring stands one DIP of
// face inside it, so that the pressed bevel still shows round it.
inline constexpr int kMarkerBevelDip = 2;
inline constexpr int kMarkerInset = kMarkerBevelDip + 1;

// Picture boxes and scroll bars: the ring takes the place of their outer
// two DIP (a picture box's sunken frame), drawn over the box's own edge.
inline constexpr int kEdgeInset = 0;

}  // namespace tarvel::focus_ring
