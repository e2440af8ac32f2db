#pragma once
// A picture written as raw RGBA bytes, row after row, as the browser tests
// read the desktop's pixels.

#include <QImage>
#include <fstream>
#include <string>

namespace tarvel::tools {

inline bool writeRgba(const QImage& image, const std::string& path) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    std::ofstream out(path, std::ios::binary);
    for (int y = 0; y < rgba.height(); ++y) {
        out.write(reinterpret_cast<const char*>(rgba.constScanLine(y)), rgba.width() * 4);
    }
    return static_cast<bool>(out);
}

}  // namespace tarvel::tools
