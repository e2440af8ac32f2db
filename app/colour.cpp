#include "app/colour.h"

#include <cstdio>

namespace tarvel {

std::string toHex(Colour c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(c), greenOf(c), blueOf(c));
    return text;
}

}  // namespace tarvel
