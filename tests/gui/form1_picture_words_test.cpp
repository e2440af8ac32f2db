// The window's side of the pictures in words: the window reads as its
// impulse diagram, each picture as the core words it, each change raises one
// event (set only when the words change; the offscreen platform has no
// bridge to count the events, tests/gui/accessibility_tree.py counts them over
// AT-SPI), and the scroll bars take a value from assistive tools as from a user.

#include <QAccessible>
#include <QScrollBar>
#include <QtTest/QTest>

#include "app/picture_description.h"
#include "app/qt/image_surface.h"
#include "app/qt/marker_button.h"
#include "tests/gui/window_fixture.h"

namespace tarvel::view::test {
namespace {

using K = ControlKind;

class Form1PictureWords : public WindowTest {
  protected:
    static QString read(QObject* object, QAccessible::Text which) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
        return iface ? iface->text(which) : QStringLiteral("<no interface>");
    }
    QString pictureWords(K kind) { return read(window->surface(kind), QAccessible::Description); }
    void switchOn(int marker) {
        click(window->marker(marker));
        click(window->marker(marker));
    }
};

TEST_F(Form1PictureWords, WindowReadsAsTheImpulseDiagram) {
    EXPECT_EQ(read(window.get(), QAccessible::Description), "No path is on.");
    switchOn(7);
    EXPECT_EQ(read(window.get(), QAccessible::Description),
              QString::fromUtf8("1 path on: path 8 at 0.00 \u00b5s, power 0.00."));
    window->tick();
    click(window->marker(3));
    dragMarker(7, QPoint(100, 133));
    EXPECT_EQ(read(window.get(), QAccessible::Description),
              QString::fromUtf8("1 path on: path 8 at 0.70 \u00b5s, power 0.58."));
}

TEST_F(Form1PictureWords, PicturesReadTheCoreWordsAsTheyChange) {
    EXPECT_EQ(pictureWords(K::PicSpectrum),
              QString::fromStdString(window->form().picSpectrum.description));
    EXPECT_TRUE(pictureWords(K::PicIndividual).startsWith("Eye open 100 % of a single path's"));
    EXPECT_TRUE(pictureWords(K::PicSumGraph).endsWith(" A click, Enter or Space clears it."));

    switchOn(7);
    dragMarker(7, QPoint(100, 133));
    switchOn(6);
    dragMarker(6, QPoint(130, 60));
    ImageSurface* sum = window->surface(K::PicSumGraph);
    int changes = 0;
    std::string last = form().picSumGraph.description;
    for (int t = 0; t < 25; ++t) {
        window->tick();
        if (form().picSumGraph.description != last) ++changes;
        last = form().picSumGraph.description;
        EXPECT_EQ(pictureWords(K::PicSumGraph).section(" A click", 0, 0),
                  QString::fromStdString(last));
    }
    EXPECT_GE(changes, 1);

    const QString combo = pictureWords(K::PicCombo);
    click(sum);
    EXPECT_TRUE(pictureWords(K::PicSumGraph).startsWith("Empty since it was last cleared."));
    EXPECT_EQ(pictureWords(K::PicCombo), combo);
}

TEST_F(Form1PictureWords, BarsStepByOneAndTakeAValueSetByAssistiveTools) {
    for (K kind : {K::HscFade, K::VscSpectrumRange}) {
        QAccessibleValueInterface* value =
            QAccessible::queryAccessibleInterface(window->widgetFor({kind}))->valueInterface();
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->minimumStepSize().toInt(), 1);
    }
    auto* range = qobject_cast<QScrollBar*>(window->widgetFor({K::VscSpectrumRange}));
    QAccessible::queryAccessibleInterface(range)->valueInterface()->setCurrentValue(10);
    // R = 11: the plot now shows 31.25 / 11 dB.
    EXPECT_EQ(form().vscSpectrumRange.value, 10);
    EXPECT_EQ(range->value(), 10);
    EXPECT_TRUE(pictureWords(K::PicSpectrum).startsWith("Log plot, -1.4 to 1.4 dB shown."))
        << pictureWords(K::PicSpectrum).toStdString();
    auto* fade = qobject_cast<QScrollBar*>(window->widgetFor({K::HscFade}));
    QAccessible::queryAccessibleInterface(fade)->valueInterface()->setCurrentValue(3);
    EXPECT_EQ(form().hscFade.value, 3);
    EXPECT_EQ(fade->value(), 3);
}

}  // namespace
}  // namespace tarvel::view::test
