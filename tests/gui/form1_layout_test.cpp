// The window as laid out: caption, size, every control's place, text and
// settings taken from the core's layout records, and the focus order.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>

#include "app/qt/image_surface.h"
#include "app/qt/marker_button.h"
#include "tests/gui/window_fixture.h"

namespace tarvel::view::test {
namespace {

using K = ControlKind;

QRect expectedRect(const Box& b) {
    return dipRectOfTwips(b.left, b.top, b.width, b.height);
}

template <typename W>
W* as(QWidget* widget) {
    auto* typed = qobject_cast<W*>(widget);
    EXPECT_NE(typed, nullptr);
    return typed;
}

class Form1Layout : public WindowTest {};

TEST_F(Form1Layout, WindowHasItsCaptionFixedSizeAndFaceColour) {
    EXPECT_EQ(window->windowTitle(), "Tarvel Demo");
    EXPECT_EQ(window->size(), QSize(953, 701));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const QColor face = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(window->palette().color(QPalette::Window), face);
    EXPECT_EQ(form().backColour, RGB(face.red(), face.green(), face.blue()));
}

TEST_F(Form1Layout, LabelsSitAtTheirPlacesWithTheirTextFontAndAlignment) {
    auto check = [&](const Label& record, ControlRef ref) {
        auto* label = as<QLabel>(window->widgetFor(ref));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), expectedRect(record)) << record.caption;
        EXPECT_EQ(label->text().toStdString(), record.caption);
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), record.fontPt) << record.caption;
        EXPECT_EQ(label->font().weight(), QFont::Normal);
        const Qt::Alignment horizontal = label->alignment() & Qt::AlignHorizontal_Mask;
        const Qt::Alignment expected = record.align == Align::Right    ? Qt::AlignRight
                                       : record.align == Align::Centre ? Qt::AlignHCenter
                                                                       : Qt::AlignLeft;
        EXPECT_EQ(horizontal, expected) << record.caption;
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    };
    check(form().label1, {K::Label1, 0});
    check(form().label2, {K::Label2, 0});
    for (int i = 0; i < kLabelCount; ++i)
        check(form().lblAt[static_cast<std::size_t>(i)], {K::LblAt, i});

    // A few places and texts spelled out, independent of the records.
    EXPECT_EQ(window->widgetFor({K::Label2, 0})->geometry(), QRect(12, 8, 57, 29));
    auto* mu = as<QLabel>(window->widgetFor({K::LblAt, 29}));
    EXPECT_EQ(mu->text(), QString::fromUtf8("\u00b5"));
    EXPECT_DOUBLE_EQ(mu->font().pointSizeF(), 14.25);
    auto* title = as<QLabel>(window->widgetFor({K::LblAt, 0}));
    EXPECT_EQ(title->text(), "Frequency Response");
    EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 18.0);
    EXPECT_EQ(title->geometry(), QRect(380, 456, 521, 33));
    // The value fields show the analysis' figures, not the design text.
    EXPECT_NE(as<QLabel>(window->widgetFor({K::LblAt, 19}))->text(), "Delay Spread");
}

TEST_F(Form1Layout, ButtonsTogglesBarsAndListMatchTheirRecords) {
    auto* random = as<QPushButton>(window->widgetFor({K::CmdRand, 0}));
    EXPECT_EQ(random->geometry(), QRect(372, 272, 73, 29));
    EXPECT_EQ(random->text(), "Random");
    EXPECT_DOUBLE_EQ(random->font().pointSizeF(), 12.0);
    for (int g = 0; g < 2; ++g) {
        auto* go = as<QPushButton>(window->widgetFor({K::CmdGo, g}));
        EXPECT_EQ(go->geometry(), expectedRect(form().cmdGo[static_cast<std::size_t>(g)]));
        EXPECT_DOUBLE_EQ(go->font().pointSizeF(), 18.0);
    }
    EXPECT_EQ(as<QPushButton>(window->widgetFor({K::CmdGo, 0}))->text(), "Start");
    EXPECT_EQ(as<QPushButton>(window->widgetFor({K::CmdGo, 1}))->text(), "Reset");

    auto* linear = as<QPushButton>(window->widgetFor({K::ChkLinear, 0}));
    auto* memory = as<QPushButton>(window->widgetFor({K::ChkMemory, 0}));
    EXPECT_EQ(linear->geometry(), expectedRect(form().chkLinear));
    EXPECT_EQ(memory->geometry(), expectedRect(form().chkMemory));
    EXPECT_TRUE(linear->isCheckable() && memory->isCheckable());
    EXPECT_FALSE(linear->isChecked() || memory->isChecked());
    EXPECT_EQ(linear->text(), "Log Plot");
    EXPECT_EQ(memory->text(), "Memory");

    auto* fade = as<QScrollBar>(window->widgetFor({K::HscFade, 0}));
    EXPECT_EQ(fade->geometry(), QRect(108, 560, 169, 17));
    EXPECT_EQ(fade->orientation(), Qt::Horizontal);
    EXPECT_EQ(fade->minimum(), 0);
    EXPECT_EQ(fade->maximum(), 5);
    EXPECT_EQ(fade->value(), 0);
    EXPECT_EQ(fade->singleStep(), 1);
    EXPECT_EQ(fade->pageStep(), 2);

    auto* range = as<QScrollBar>(window->widgetFor({K::VscSpectrumRange, 0}));
    EXPECT_EQ(range->geometry(), QRect(932, 484, 17, 177));
    EXPECT_EQ(range->orientation(), Qt::Vertical);
    EXPECT_EQ(range->minimum(), 0);
    EXPECT_EQ(range->maximum(), 20);
    EXPECT_EQ(range->value(), 20);
    EXPECT_EQ(range->singleStep(), 1);
    EXPECT_EQ(range->pageStep(), 4);
    EXPECT_FALSE(range->hasTracking());

    auto* symbol = as<QComboBox>(window->widgetFor({K::CmbSymbol, 0}));
    EXPECT_EQ(symbol->geometry(), QRect(196, 616, 85, 32));
    EXPECT_FALSE(symbol->isEditable());
    ASSERT_EQ(symbol->count(), 3);
    EXPECT_EQ(symbol->itemText(0), "0.5");
    EXPECT_EQ(symbol->itemText(1), "1.0");
    EXPECT_EQ(symbol->itemText(2), "2.0");
    EXPECT_EQ(symbol->currentText(), "1.0");

    auto* logo = as<QLabel>(window->widgetFor({K::ImgZelm, 0}));
    EXPECT_EQ(logo->geometry(), QRect(20, 652, 300, 48));
    EXPECT_EQ(logo->pixmap().size(), QSize(300, 48));
}

TEST_F(Form1Layout, MarkersAreParkedAndStackedWithMarkerSevenOnTop) {
    for (int i = 0; i < kPathCount; ++i) {
        MarkerButton* marker = window->marker(i);
        EXPECT_EQ(marker->geometry(), QRect(24, 260, 25, 25)) << i;
        EXPECT_TRUE(marker->text().isEmpty());
        EXPECT_EQ(marker->faceColour(), window->palette().color(QPalette::Window));
    }
    EXPECT_EQ(window->childAt(QPoint(36, 272)), window->marker(7));
}

TEST_F(Form1Layout, PictureBoxesHaveTheirPlaceAndInnerDrawingArea) {
    for (K kind : {K::PicIndividual, K::PicCombo, K::PicSumGraph, K::PicSpectrum}) {
        const PictureBox& record = form().picture(kind);
        ImageSurface* surface = window->surface(kind);
        ASSERT_NE(surface, nullptr);
        EXPECT_EQ(window->widgetFor({kind, 0}), surface);
        EXPECT_EQ(surface->geometry(), expectedRect(record));
        EXPECT_EQ(surface->contentsRect().size(),
                  QSize(qRound(record.innerWidth() / 15), qRound(record.innerHeight() / 15)));
        EXPECT_EQ(record.surface, surface);
    }
    EXPECT_EQ(window->surface(K::PicSpectrum)->geometry(), QRect(348, 484, 585, 177));
    EXPECT_EQ(window->surface(K::PicIndividual)->contentsRect().size(), QSize(469, 125));
}

TEST_F(Form1Layout, TabWalksTheFocusOrderStartingOnStart) {
    const std::vector<ControlRef>& order = form().tabOrder;
    ASSERT_EQ(order.size(), 20u);
    EXPECT_EQ(QApplication::focusWidget(), window->widgetFor({K::CmdGo, 0}));
    for (std::size_t step = 1; step <= order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const ControlRef expected = order[step % order.size()];
        EXPECT_EQ(QApplication::focusWidget(), window->widgetFor(expected))
            << "step " << step << " expected kind " << static_cast<int>(expected.kind) << " index "
            << expected.index;
    }
}

}  // namespace
}  // namespace tarvel::view::test
