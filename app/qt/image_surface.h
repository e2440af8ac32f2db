#pragma once
// A picture box as a widget: a 2-pixel sunken frame around an image that
// keeps everything drawn on it until it is cleared. The core draws through
// the Surface interface in the box's own twips; the image is held at the
// device pixel ratio so that lines stay one DIP wide and sharp.

#include <QFrame>
#include <QImage>

#include "app/qt/line_rasteriser.h"
#include "app/surface.h"

namespace tarvel::view {

class ImageSurface : public QFrame, public Surface {
    Q_OBJECT
  public:
    static constexpr int kBorderDip = 2;

    // innerSize: the drawing area in DIP. fixedRatio > 0 pins the device
    // pixel ratio (tests and benchmarks); 0 follows the screen.
    explicit ImageSurface(QSize innerSize, QWidget* parent = nullptr, qreal fixedRatio = 0);

    void setBackground(Colour colour);

    void clear() override;
    void setColour(Colour colour) override;
    void line(float x1, float y1, float x2, float y2) override;
    void polyline(std::span<const float> xy) override;
    HorizontalReach horizontalReach() const override { return {reachLeft_, reachRight_}; }

    // One repaint request for everything drawn since the last flush.
    void flush();

    qreal ratio() const { return ratio_; }
    // The drawing in device pixels. Copy it before drawing more if it must
    // stay as it is: the surface writes into its pixels directly.
    const QImage& image() const { return image_; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void createImage(qreal ratio);

    QSize innerSize_;
    qreal fixedRatio_ = 0;
    qreal ratio_ = 1;
    QImage image_;
    PixelTarget target_;
    PixelRect dirty_;            // cleared areas to repaint at the next flush
    PixelRect inked_;            // drawn on since the last clear
    PixelRect drawnSinceFlush_;  // drawn on since the last repaint request
    double twipsToPixels_ = 1.0 / 15.0;
    // Twips beyond which a segment cannot touch the image (with a margin).
    float reachLeft_ = 0, reachTop_ = 0, reachRight_ = 0, reachBottom_ = 0;
    int thickness_ = 1;
    std::uint32_t background_ = 0xFFFFFFFFu;
    std::uint32_t pen_ = 0xFF000000u;
    bool pressed_ = false;
};

}  // namespace tarvel::view
