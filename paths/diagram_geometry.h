#pragma once
// The numbers of the impulse-response diagram, in twips of the window's client
// area: where delay and power are zero, how many twips make a microsecond and
// full power, and the limits, grid and parking corner that the editor keeps.
// Every user keeps its own formula; only the numbers live here. They are
// single-precision twips, as every control's position is.

namespace tarvel {

inline constexpr float kMarkerSize = 375;

// A marker's corner at delay 0 and power 0: its centre then stands just right
// of the power axis and just below the delay axis.
inline constexpr float kDelayZeroLeft = 360;
inline constexpr float kPowerZeroTop = 3900;
inline constexpr float kTwipsPerMicrosecond = 1200;
// From power 0 up to relative power 1.
inline constexpr float kTwipsOfFullPower = 3540;

// The editor keeps every marker's corner within these.
inline constexpr float kMarkerLeftMin = kDelayZeroLeft;
inline constexpr float kMarkerLeftMax = 5220;
inline constexpr float kMarkerTopMin = 360;
inline constexpr float kMarkerTopMax = kPowerZeroTop;
// A drop never lands above this Top.
inline constexpr float kDropTopMin = 540;
// Fading may lift a frame higher than the editor lets a marker go.
inline constexpr float kFadeTopMin = 120;

// One key press moves a marker this far.
inline constexpr float kKeyStep = 120;
// A drop snaps Left to multiples of the grid, Top to half a grid plus multiples.
inline constexpr int kDropGrid = 120;

// Where all markers start, and where a drop into the bottom-left corner parks one.
inline constexpr float kParkLeft = kDelayZeroLeft;
inline constexpr float kParkTop = kPowerZeroTop;

}  // namespace tarvel
