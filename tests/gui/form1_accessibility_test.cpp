// What assistive tools see: the window's accessible tree names every
// control, markers describe their state and place, value fields read their
// figure with its unit, and the texts follow the core after each action.

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>
#include <algorithm>
#include <set>
#include <vector>

#include "app/qt/marker_button.h"
#include "app/reading_order.h"
#include "tests/gui/window_fixture.h"

namespace tarvel::view::test {
namespace {

using K = ControlKind;

// Every interface under root, depth first, with the object it stands for.
void walk(QAccessibleInterface* iface, std::vector<QAccessibleInterface*>& found, int depth = 0) {
    ASSERT_LT(depth, 8) << "accessible tree loops";
    found.push_back(iface);
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->parent(), iface);
        walk(child, found, depth + 1);
    }
}

std::vector<ControlRef> everyControl() {
    std::vector<ControlRef> all;
    for (K kind : {K::Label1, K::Label2, K::CmdRand, K::HscFade, K::VscSpectrumRange, K::CmbSymbol,
                   K::ImgZelm, K::PicIndividual, K::PicCombo, K::PicSumGraph, K::PicSpectrum,
                   K::ChkLinear, K::ChkMemory}) {
        all.push_back({kind, 0});
    }
    for (int i = 0; i < kLabelCount; ++i) all.push_back({K::LblAt, i});
    for (int i = 0; i < kPathCount; ++i) all.push_back({K::CmdSource, i});
    for (int g = 0; g < 2; ++g) all.push_back({K::CmdGo, g});
    return all;
}

// Read through the accessible interfaces, as a screen reader does. (The
// offscreen platform has no accessibility bridge, so change events cannot
// be watched here; the texts themselves are.)
class Form1Accessibility : public WindowTest {
  protected:
    QString read(QWidget* widget, QAccessible::Text which) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        return iface ? iface->text(which) : QStringLiteral("<no interface>");
    }
    // A marker's state and place, before the words on how to edit it.
    QString description(int marker) {
        return read(window->marker(marker), QAccessible::Description).section(". ", 0, 0);
    }
    // The combo box's value as AT-SPI readers take it, from its text.
    QString symbolText() {
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(window->widgetFor({K::CmbSymbol, 0}));
        QAccessibleTextInterface* text = iface ? iface->textInterface() : nullptr;
        return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
    }
    // The window's children a reader meets under the drop place's name.
    std::vector<QAccessibleInterface*> dropPlaces() {
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window.get());
        std::vector<QAccessibleInterface*> found;
        for (int i = 0; i < root->childCount(); ++i) {
            if (root->child(i)->text(QAccessible::Name) == "Drop place")
                found.push_back(root->child(i));
        }
        return found;
    }
};

TEST_F(Form1Accessibility, TreeReachesEveryControlAndEachHasAName) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window.get());
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(QAccessible::Name), "Tarvel Demo");
    std::vector<QAccessibleInterface*> tree;
    walk(root, tree);

    EXPECT_EQ(root->role(), QAccessible::Window);
    std::set<QObject*> reached;
    for (QAccessibleInterface* iface : tree) {
        reached.insert(iface->object());
        // Shown or not (the symbol list opens later), what takes the focus
        // says what it is.
        if (iface->state().focusable) {
            EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty())
                << iface->object()->metaObject()->className();
        }
        // Whatever a tool can reach in the window carries a name.
        // (The combo box's list lives in a popup that is not shown.)
        if (iface->object() != nullptr && iface->object()->isWidgetType() && iface != root &&
            static_cast<QWidget*>(iface->object())->isVisible()) {
            EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty())
                << iface->object()->metaObject()->className();
        }
    }
    // Reached are the controls a reader reads; the labels shown only for
    // the eye (tick numbers, units beside a figure) are not.
    const std::vector<ControlRef> readControls = readingOrder();
    for (const ControlRef& control : everyControl()) {
        QWidget* widget = window->widgetFor(control);
        ASSERT_NE(widget, nullptr);
        const bool isRead =
            std::find(readControls.begin(), readControls.end(), control) != readControls.end();
        EXPECT_EQ(reached.count(widget) == 1, isRead)
            << static_cast<int>(control.kind) << " " << control.index;
        EXPECT_FALSE(widget->accessibleName().isEmpty())
            << static_cast<int>(control.kind) << " " << control.index;
    }
}

TEST_F(Form1Accessibility, ControlsAreNamedForWhatTheyShow) {
    auto name = [&](ControlRef ref) { return read(window->widgetFor(ref), QAccessible::Name); };
    EXPECT_EQ(name({K::PicIndividual, 0}), "Single-path eye diagram");
    EXPECT_EQ(name({K::PicCombo, 0}), "Eye diagrams of each path");
    EXPECT_EQ(name({K::PicSumGraph, 0}), "Eye diagram of the received sum");
    EXPECT_EQ(name({K::PicSpectrum, 0}), "Frequency response");
    EXPECT_EQ(name({K::HscFade, 0}), "Fading speed");
    EXPECT_EQ(name({K::VscSpectrumRange, 0}), "Plot range");
    // The combo box is named by its title and its item is its value; Qt's
    // own would name it "1.0", which is all a reader would say.
    QWidget* symbol = window->widgetFor({K::CmbSymbol, 0});
    EXPECT_EQ(read(symbol, QAccessible::Name), "Symbol Time");
    EXPECT_EQ(read(symbol, QAccessible::Value), "1.0");
    EXPECT_EQ(symbolText(), "1.0");
    bool labelled = false;
    for (const auto& [other, relation] :
         QAccessible::queryAccessibleInterface(symbol)->relations(QAccessible::Label)) {
        labelled = labelled || (other->object() == window->widgetFor({K::LblAt, 2}) &&
                                other->text(QAccessible::Name) == "Symbol Time");
    }
    EXPECT_TRUE(labelled);
    EXPECT_EQ(name({K::CmdGo, 0}), "Start");
    EXPECT_EQ(name({K::CmdGo, 1}), "Reset");
    EXPECT_EQ(name({K::CmdRand, 0}), "Random");
    EXPECT_EQ(name({K::ChkLinear, 0}), "Log Plot");
    EXPECT_EQ(name({K::ChkMemory, 0}), "Memory");
    EXPECT_EQ(name({K::Label1, 0}), "Delay");
    EXPECT_EQ(name({K::LblAt, 0}), "Frequency Response");
    EXPECT_TRUE(name({K::ImgZelm, 0}).contains("logo"));
    for (int i = 0; i < kPathCount; ++i) {
        EXPECT_EQ(read(window->marker(i), QAccessible::Name), QString("Path %1").arg(i + 1));
        EXPECT_EQ(description(i),
                  QString::fromUtf8("off, delay 0.00 \u00b5s, relative power 0.00"));
        EXPECT_TRUE(read(window->marker(i), QAccessible::Description)
                        .contains("keys u, d, l, r move it up, down, left, right"));
    }
}

TEST_F(Form1Accessibility, ValueFieldsAreNamedByTheirRowAndReadTheFigureWithItsUnit) {
    const struct {
        int field;
        const char* title;
        const char* unit;
    } rows[] = {{19, "Mean Delay", "\u00b5s"},
                {3, "Delay Spread", "\u00b5s"},
                {7, "Coherence Bandwidth (1/Delay Spread)", "MHz"},
                {21, "Coherence Bandwidth (0.2/Delay Spread)", "MHz"},
                {24, "Coherence Bandwidth (0.02/Delay Spread)", "MHz"}};
    auto check = [&](const char* when) {
        for (const auto& row : rows) {
            auto* label = qobject_cast<QLabel*>(window->widgetFor({K::LblAt, row.field}));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(read(label, QAccessible::Name), row.title) << when;
            EXPECT_FALSE(label->text().isEmpty()) << when;
            EXPECT_EQ(read(label, QAccessible::Description),
                      label->text().trimmed() + " " + QString::fromUtf8(row.unit))
                << when << " " << row.title;
        }
    };
    check("at start");
    const QString before = window->widgetFor({K::LblAt, 3})->accessibleDescription();

    // Two paths apart give a delay spread; the next tick analyses them.
    dragMarker(7, QPoint(100, 133));
    dragMarker(6, QPoint(200, 200));
    for (int i : {7, 6}) {
        click(window->marker(i));
        click(window->marker(i));
    }
    window->tick();
    check("after two paths");
    EXPECT_NE(window->widgetFor({K::LblAt, 3})->accessibleDescription(), before);
}

TEST_F(Form1Accessibility, MarkerDescriptionFollowsToggleAndDrag) {
    MarkerButton* marker = window->marker(7);
    click(marker);  // the first click selects, the second toggles
    click(marker);
    EXPECT_EQ(description(7), QString::fromUtf8("on, delay 0.00 \u00b5s, relative power 0.00"));

    // Dropped at (100, 133) DIP the marker lands at Left 1200, Top 1860 twips:
    // 840/1200 = 0.70 µs and 2040/3540 = 0.576 of full power.
    dragMarker(7, QPoint(100, 133));
    ASSERT_EQ(marker->geometry(), QRect(80, 124, 25, 25));
    EXPECT_EQ(description(7), QString::fromUtf8("on, delay 0.70 \u00b5s, relative power 0.58"));

    click(marker);
    click(marker);
    EXPECT_EQ(description(7), QString::fromUtf8("off, delay 0.70 \u00b5s, relative power 0.58"));
    // The markers left on the stack keep their parked description.
    EXPECT_EQ(description(6), QString::fromUtf8("off, delay 0.00 \u00b5s, relative power 0.00"));
}

TEST_F(Form1Accessibility, KeysMoveTheDescribedPlace) {
    MarkerButton* marker = window->marker(7);
    marker->setFocus();
    QTest::keyClick(marker, Qt::Key_U);
    const QString moved = description(7);
    EXPECT_NE(moved, QString::fromUtf8("off, delay 0.00 \u00b5s, relative power 0.00"));
    EXPECT_TRUE(moved.startsWith("off, delay 0.00")) << moved.toStdString();
}

TEST_F(Form1Accessibility, SymbolValueFollowsTheChoiceUnderTheSameName) {
    QWidget* symbol = window->widgetFor({K::CmbSymbol, 0});
    symbol->setFocus();
    QTest::keyClick(symbol, Qt::Key_Down);
    EXPECT_EQ(read(symbol, QAccessible::Name), "Symbol Time");
    EXPECT_EQ(read(symbol, QAccessible::Value), "2.0");
    EXPECT_EQ(symbolText(), "2.0");
}

// The outline that follows a dragged marker is no place while nothing is
// dragged: a reader meets it only during a drag, with the outline's box.
TEST_F(Form1Accessibility, DropPlaceIsInTheTreeOnlyWhileADragShowsIt) {
    EXPECT_TRUE(dropPlaces().empty());
    MarkerButton* marker = window->marker(7);
    press(marker, Qt::RightButton);
    const QPoint target = marker->mapFrom(window.get(), QPoint(100, 133));
    moveTo(marker, target);
    const std::vector<QAccessibleInterface*> shown = dropPlaces();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->rect().size(), QSize(25, 25));
    EXPECT_EQ(shown[0]->rect().center(), window->mapToGlobal(QPoint(100, 133)));
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_EQ(root->child(root->indexOfChild(shown[0])), shown[0]);
    release(marker, Qt::RightButton, target);
    EXPECT_TRUE(dropPlaces().empty());
}

TEST_F(Form1Accessibility, ToggleNameFollowsItsCaption) {
    QWidget* linear = window->widgetFor({K::ChkLinear, 0});
    click(linear);
    EXPECT_EQ(read(linear, QAccessible::Name), QString::fromStdString(form().chkLinear.caption));
    EXPECT_EQ(read(linear, QAccessible::Name), "Linear Plot");
}

}  // namespace
}  // namespace tarvel::view::test
