#pragma once
// Checks shared by the scenario tests, on the fields of a `dump` object.

#include <gtest/gtest.h>

#include <string>

#include "json_value.h"

namespace tarvel::scenario {

constexpr double kDelayAxisY = 4080;  // impulse lines end on the delay axis
constexpr int kSegmentsPerEye = 31 * 386;

inline const JsonValue& marker(const JsonValue& dump, int i) {
    return dump["cmdSource"][static_cast<std::size_t>(i)];
}

inline void expectMarkerAt(const JsonValue& dump, int i, double left, double top) {
    SCOPED_TRACE("marker " + std::to_string(i));
    EXPECT_EQ(marker(dump, i)["left"].number(), left);
    EXPECT_EQ(marker(dump, i)["top"].number(), top);
}

// The editor keeps each frame exactly on its marker.
inline void expectFramesOnMarkers(const JsonValue& dump) {
    for (std::size_t i = 0; i < 8; ++i) {
        SCOPED_TRACE("frame " + std::to_string(i));
        EXPECT_EQ(dump["cmdShape"][i]["left"].number(), dump["cmdSource"][i]["left"].number());
        EXPECT_EQ(dump["cmdShape"][i]["top"].number(), dump["cmdSource"][i]["top"].number());
    }
}

// A visible impulse line from (x, y1) down to the delay axis.
inline void expectImpulse(const JsonValue& dump, int i, double x, double y1) {
    SCOPED_TRACE("impulse " + std::to_string(i));
    const JsonValue& line = dump["lneImpulse"][static_cast<std::size_t>(i)];
    EXPECT_TRUE(line["visible"].boolean());
    EXPECT_EQ(line["x1"].number(), x);
    EXPECT_EQ(line["x2"].number(), x);
    EXPECT_EQ(line["y1"].number(), y1);
    EXPECT_EQ(line["y2"].number(), kDelayAxisY);
}

inline bool impulseVisible(const JsonValue& dump, int i) {
    return dump["lneImpulse"][static_cast<std::size_t>(i)]["visible"].boolean();
}

inline double lines(const JsonValue& dump, const char* surface) {
    return dump["surfaces"][surface]["lines"].number();
}

inline double clears(const JsonValue& dump, const char* surface) {
    return dump["surfaces"][surface]["clears"].number();
}

inline double draws(const JsonValue& dump) {
    return dump["draws"].number();
}

}  // namespace tarvel::scenario
