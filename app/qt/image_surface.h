#pragma once
// A picture box as a widget: a 2-pixel sunken frame around an image that
// keeps everything drawn on it until it is cleared. The core draws through
// the Surface interface in the box's own twips; the shared pixel surface
// draws into the image at the device pixel ratio, so that lines stay one DIP
// wide and sharp, and the widget repaints only what changed.

#include <QFrame>
#include <QImage>

#include "app/controls.h"
#include "app/pixels/pixel_surface.h"
#include "app/surface.h"

namespace tarvel::view {

class ImageSurface : public QFrame, public Surface {
    Q_OBJECT
  public:
    // The picture box's border, as the core's record measures it.
    static constexpr int kBorderDip =
        static_cast<int>(static_cast<double>(PictureBox::kBorder) / kTwipsPerPixel);
    static_assert(kBorderDip * kTwipsPerPixel == static_cast<double>(PictureBox::kBorder),
                  "a whole number of DIP");

    // innerSize: the drawing area in DIP. fixedRatio > 0 pins the device
    // pixel ratio (tests and benchmarks); 0 follows the screen.
    explicit ImageSurface(QSize innerSize, QWidget* parent = nullptr, qreal fixedRatio = 0);

    void setBackground(Colour colour) { pixels_.setBackground(colour); }

    void clear() override { pixels_.clear(); }
    void setColour(Colour colour) override { pixels_.setColour(colour); }
    void line(float x1, float y1, float x2, float y2) override { pixels_.line(x1, y1, x2, y2); }
    void polyline(std::span<const float> xy) override { pixels_.polyline(xy); }
    HorizontalReach horizontalReach() const override { return pixels_.horizontalReach(); }

    // One repaint request for everything wiped or drawn since the last flush.
    void flush();

    qreal ratio() const { return ratio_; }
    // The drawing in device pixels. Copy it before drawing more if it must
    // stay as it is: the surface writes into its pixels directly.
    const QImage& image() {
        pixels_.settle();
        return image_;
    }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createImage(qreal ratio);

    QSize innerSize_;
    qreal fixedRatio_ = 0;
    qreal ratio_ = 1;
    QImage image_;
    pixels::PixelSurface pixels_;
    bool pressed_ = false;
};

}  // namespace tarvel::view
