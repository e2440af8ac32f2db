// The window under a screen scale (QT_SCALE_FACTOR 1, 1.5, 2, 3): the layout
// stays in DIP, the rendering grows by the factor, and the drawings keep
// their places and widths in DIP, so nothing is cut or shifted.

#include <QLabel>
#include <QPixmap>
#include <QtTest/QTest>
#include <cmath>

#include "app/qt/image_surface.h"
#include "app/qt/marker_button.h"
#include "tests/gui/window_fixture.h"

namespace tarvel::view::test {
namespace {

using K = ControlKind;

// The factor asked for, read independently of the window.
double requestedFactor() {
    const QByteArray value = qgetenv("QT_SCALE_FACTOR");
    return value.isEmpty() ? 1.0 : value.toDouble();
}

QColor colourOf(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

class Form1Scale : public WindowTest {
  protected:
    double f = requestedFactor();

    // The device pixel of a DIP point, rounded down as a painter fills it.
    QPoint device(double x, double y) const {
        return {static_cast<int>(std::floor(x * f)), static_cast<int>(std::floor(y * f))};
    }
    QImage render() { return window->grab().toImage(); }
};

TEST_F(Form1Scale, GrabIsTheWindowSizeTimesTheFactor) {
    EXPECT_DOUBLE_EQ(window->devicePixelRatioF(), f);
    EXPECT_EQ(window->size(), QSize(953, 701));
    const QPixmap grab = window->grab();
    EXPECT_EQ(grab.size(), QSize(qRound(953 * f), qRound(701 * f)));
    EXPECT_DOUBLE_EQ(grab.devicePixelRatio(), f);
}

TEST_F(Form1Scale, WidgetsLieWhereTheLayoutSaysInDip) {
    auto at = [](const Box& b) { return dipRectOfTwips(b.left, b.top, b.width, b.height); };
    EXPECT_EQ(window->widgetFor({K::Label1, 0})->geometry(), at(form().label1));
    EXPECT_EQ(window->widgetFor({K::Label2, 0})->geometry(), at(form().label2));
    for (int i = 0; i < kLabelCount; ++i) {
        EXPECT_EQ(window->widgetFor({K::LblAt, i})->geometry(),
                  at(form().lblAt[static_cast<std::size_t>(i)]))
            << i;
    }
    for (int i = 0; i < kPathCount; ++i) {
        EXPECT_EQ(window->marker(i)->geometry(), QRect(24, 260, 25, 25));
    }
    EXPECT_EQ(window->widgetFor({K::CmdRand, 0})->geometry(), QRect(372, 272, 73, 29));
    EXPECT_EQ(window->widgetFor({K::CmdGo, 0})->geometry(), at(form().cmdGo[0]));
    EXPECT_EQ(window->widgetFor({K::CmdGo, 1})->geometry(), at(form().cmdGo[1]));
    EXPECT_EQ(window->widgetFor({K::HscFade, 0})->geometry(), QRect(108, 560, 169, 17));
    EXPECT_EQ(window->widgetFor({K::VscSpectrumRange, 0})->geometry(), QRect(932, 484, 17, 177));
    EXPECT_EQ(window->widgetFor({K::CmbSymbol, 0})->geometry(), QRect(196, 616, 85, 32));
    EXPECT_EQ(window->widgetFor({K::ImgZelm, 0})->geometry(), QRect(20, 652, 300, 48));
    EXPECT_EQ(window->widgetFor({K::ChkLinear, 0})->geometry(), at(form().chkLinear));
    EXPECT_EQ(window->widgetFor({K::ChkMemory, 0})->geometry(), at(form().chkMemory));
    EXPECT_EQ(window->surface(K::PicSpectrum)->geometry(), QRect(348, 484, 585, 177));
}

TEST_F(Form1Scale, SurfacesHoldTheirDrawingsAtTheDevicePixelRatio) {
    for (K kind : {K::PicIndividual, K::PicCombo, K::PicSumGraph, K::PicSpectrum}) {
        const PictureBox& record = form().picture(kind);
        ImageSurface* surface = window->surface(kind);
        const QSize innerDip(qRound(record.innerWidth() / 15), qRound(record.innerHeight() / 15));
        EXPECT_EQ(surface->contentsRect().size(), innerDip);
        EXPECT_DOUBLE_EQ(surface->ratio(), f);
        EXPECT_EQ(surface->image().size(),
                  QSize(qRound(innerDip.width() * f), qRound(innerDip.height() * f)));
    }
}

TEST_F(Form1Scale, SwitchedOnMarkerAndItsLineStandAtTheirScaledPlaces) {
    dragMarker(7, QPoint(100, 133));  // Left 1200, Top 1860 twips: DIP 80 .. 105, 124 .. 149
    click(window->marker(7));
    click(window->marker(7));
    window->marker(7)->clearFocus();  // no focus ring over the face
    const QImage shot = render();
    const QColor pathColour = colourOf(form().state.lPathColour[7]);
    // The face inside the 2-DIP bevel, at its centre and near each corner.
    for (QPointF dip : {QPointF(92.5, 136.5), QPointF(83.5, 127.5), QPointF(101.5, 145.5)}) {
        EXPECT_EQ(shot.pixelColor(device(dip.x(), dip.y())), pathColour)
            << dip.x() << "," << dip.y();
    }
    // The parking place it left shows the face of the markers below.
    EXPECT_NE(shot.pixelColor(device(36.5, 272.5)), pathColour);

    // The impulse line, 5 DIP wide around x 92.5 DIP, runs from the marker
    // down to the delay axis at y 272 DIP.
    const QColor black(Qt::black);
    for (double x : {90.2, 92.5, 94.8}) {
        EXPECT_EQ(shot.pixelColor(device(x, 200.5)), black) << x;
    }
    EXPECT_NE(shot.pixelColor(device(88.5, 200.5)), black);
    EXPECT_NE(shot.pixelColor(device(96.5, 200.5)), black);
    // The axes, 3 DIP wide: the power axis at x 36 DIP, the delay axis at y 272.
    EXPECT_EQ(shot.pixelColor(device(36.0, 150.5)), black);
    EXPECT_NE(shot.pixelColor(device(32.5, 150.5)), black);
    EXPECT_EQ(shot.pixelColor(device(200.5, 272.0)), black);
    EXPECT_NE(shot.pixelColor(device(200.5, 275.5)), black);
}

TEST_F(Form1Scale, SingleLineCaptionsFitTheirBoxes) {
    // Fonts scale with the factor, so what fits at 1 must fit at every
    // factor. The inked part counts: the side bearings of a centred tick
    // label may overhang its narrow box.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->wordWrap() || label->text().isEmpty()) continue;
        const QRect ink = label->fontMetrics().boundingRect(label->text());
        EXPECT_LE(ink.width(), label->contentsRect().width()) << label->text().toStdString();
        EXPECT_LE(ink.height(), label->contentsRect().height()) << label->text().toStdString();
    }
}

}  // namespace
}  // namespace tarvel::view::test
