// The window as laid out: caption, size, every control's place, text and
// settings taken from the core's layout records, and the focus order.

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>
#include <set>
#include <vector>

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
    // The title bar and the task bar show the project's icon, from just
    // after the first frame.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QList<QSize> iconSizes = window->windowIcon().availableSizes();
        return iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(256, 256));
    }));
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
        // The core's rule of 1.2 em a line agrees with the font's own spacing.
        const bool twoLinesFit = label->height() >= 2 * QFontMetrics(label->font()).lineSpacing();
        EXPECT_EQ(label->wordWrap(), twoLinesFit && record.caption.find(' ') != std::string::npos)
            << record.caption;
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

// The layout's own numbers in twips, written out here rather than read from
// the records, so that a slip in either shows.
struct Placed {
    ControlRef control;
    float left, top, width, height;
};
const Placed kLayoutTable[] = {
    {{K::Label2, 0}, 180, 120, 855, 435},
    {{K::Label1, 0}, 5340, 3600, 855, 435},
    {{K::LblAt, 9}, 420, 4260, 255, 495},
    {{K::LblAt, 8}, 1620, 4260, 255, 495},
    {{K::LblAt, 10}, 2820, 4260, 255, 495},
    {{K::LblAt, 11}, 4020, 4260, 255, 495},
    {{K::LblAt, 12}, 5220, 4260, 255, 495},
    {{K::CmdRand, 0}, 5580, 4080, 1095, 435},
    {{K::LblAt, 20}, 1320, 4980, 1875, 495},
    {{K::LblAt, 19}, 3300, 4980, 855, 495},
    {{K::LblAt, 29}, 4260, 4980, 195, 495},
    {{K::LblAt, 18}, 4440, 4980, 315, 495},
    {{K::LblAt, 1}, 1320, 5460, 1875, 495},
    {{K::LblAt, 3}, 3300, 5460, 855, 495},
    {{K::LblAt, 27}, 4260, 5520, 195, 495},
    {{K::LblAt, 4}, 4440, 5520, 315, 495},
    {{K::LblAt, 5}, 300, 5940, 2895, 795},
    {{K::LblAt, 7}, 3300, 6060, 855, 495},
    {{K::LblAt, 6}, 4260, 6060, 1095, 495},
    {{K::LblAt, 23}, 300, 6720, 2895, 795},
    {{K::LblAt, 21}, 3300, 6840, 855, 495},
    {{K::LblAt, 22}, 4260, 6840, 1095, 495},
    {{K::LblAt, 26}, 300, 7560, 2895, 795},
    {{K::LblAt, 24}, 3300, 7680, 855, 495},
    {{K::LblAt, 25}, 4260, 7680, 1095, 495},
    {{K::HscFade, 0}, 1620, 8400, 2535, 255},
    {{K::CmdGo, 0}, 1620, 8700, 1275, 495},
    {{K::CmdGo, 1}, 2880, 8700, 1275, 495},
    {{K::LblAt, 2}, 660, 9240, 2175, 495},
    {{K::CmbSymbol, 0}, 2940, 9240, 1275, 480},
    {{K::LblAt, 30}, 4320, 9240, 195, 495},
    {{K::LblAt, 28}, 4500, 9240, 315, 495},
    {{K::ImgZelm, 0}, 300, 9780, 4500, 720},
    {{K::PicIndividual, 0}, 6900, 180, 7095, 1935},
    {{K::PicCombo, 0}, 6960, 2280, 7095, 1995},
    {{K::PicSumGraph, 0}, 6960, 4380, 7095, 1995},
    {{K::LblAt, 0}, 5700, 6840, 7815, 495},
    {{K::PicSpectrum, 0}, 5220, 7260, 8775, 2655},
    {{K::VscSpectrumRange, 0}, 13980, 7260, 255, 2655},
    {{K::ChkLinear, 0}, 10920, 7260, 1635, 495},
    {{K::ChkMemory, 0}, 12540, 7260, 1455, 495},
    {{K::LblAt, 16}, 5040, 9900, 495, 495},
    {{K::LblAt, 17}, 7320, 9900, 495, 495},
    {{K::LblAt, 15}, 9540, 9900, 375, 495},
    {{K::LblAt, 14}, 11700, 9900, 375, 495},
    {{K::LblAt, 13}, 13740, 9900, 375, 495},
};

TEST_F(Form1Layout, EveryControlSitsWhereTheLayoutTableSays) {
    std::set<int> labels;
    for (const Placed& p : kLayoutTable) {
        QWidget* widget = window->widgetFor(p.control);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), dipRectOfTwips(p.left, p.top, p.width, p.height))
            << "kind " << static_cast<int>(p.control.kind) << " index " << p.control.index;
        if (p.control.kind == K::LblAt) labels.insert(p.control.index);
    }
    EXPECT_EQ(labels.size(), static_cast<std::size_t>(kLabelCount)) << "every lblAt is placed";
    for (int i = 0; i < kPathCount; ++i)
        EXPECT_EQ(window->marker(i)->geometry(), dipRectOfTwips(360, 3900, 375, 375)) << i;
}

TEST_F(Form1Layout, TabWalksTheFocusOrderStartingOnStart) {
    const std::vector<ControlRef> order = {
        {K::CmdGo, 0},     {K::CmdSource, 0},        {K::CmdSource, 1},
        {K::CmdSource, 2}, {K::PicIndividual, 0},    {K::PicSumGraph, 0},
        {K::CmdSource, 3}, {K::CmdSource, 4},        {K::CmdSource, 5},
        {K::CmdSource, 6}, {K::CmdSource, 7},        {K::HscFade, 0},
        {K::CmdGo, 1},     {K::CmbSymbol, 0},        {K::PicSpectrum, 0},
        {K::PicCombo, 0},  {K::VscSpectrumRange, 0}, {K::ChkMemory, 0},
        {K::ChkLinear, 0}, {K::CmdRand, 0}};
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
