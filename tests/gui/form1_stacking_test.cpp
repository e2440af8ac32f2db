// The window's widgets stack as the core's control table does, so that where
// two controls overlap the window shows and takes the clicks of the one that
// the core's hit test names there.

#include <QWidget>
#include <cmath>
#include <vector>

#include "app/control_table.h"
#include "app/drop_target.h"
#include "app/qt/drag_outline.h"
#include "app/qt/marker_button.h"
#include "tests/gui/window_fixture.h"

namespace tarvel::view::test {
namespace {

using K = ControlKind;

class Form1Stacking : public WindowTest {
  protected:
    // The window's own child under a point: a widget's inner parts count as it.
    QWidget* childOfWindowAt(QPoint dip) {
        QWidget* child = window->childAt(dip);
        while (child != nullptr && child->parentWidget() != window.get()) {
            child = child->parentWidget();
        }
        return child;
    }
};

TEST_F(Form1Stacking, WidgetsStackAsTheTableBottomFirstWithTheDragOutlineUnderTheMarkers) {
    std::vector<QWidget*> expected;
    for (const ControlEntry& entry : controlTable()) {
        if (entry.control.kind == K::CmdSource) {
            // Bottom first, as form.markerStack has them at start-up.
            expected.push_back(window->marker(form().markerStack[entry.control.index]));
        } else {
            expected.push_back(window->widgetFor(entry.control));
        }
    }
    std::vector<QWidget*> stacked;
    QWidget* outline = nullptr;
    for (QObject* child : window->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) continue;
        if (qobject_cast<DragOutline*>(widget) != nullptr) {
            outline = widget;
            EXPECT_EQ(stacked.size(), controlTable().size() - kPathCount) << "outline's place";
            continue;
        }
        stacked.push_back(widget);
    }
    EXPECT_NE(outline, nullptr);
    EXPECT_EQ(stacked, expected);
}

TEST_F(Form1Stacking, WhereControlsOverlapTheWindowAndTheHitTestPickTheSameOne) {
    const std::span<const ControlEntry> table = controlTable();
    int overlaps = 0;
    for (std::size_t a = 0; a < table.size(); ++a) {
        for (std::size_t b = a + 1; b < table.size(); ++b) {
            if (table[a].control.kind == K::CmdSource || table[b].control.kind == K::CmdSource)
                continue;
            const Box p = table[a].place(form(), table[a].control.index).box;
            const Box q = table[b].place(form(), table[b].control.index).box;
            const float left = std::max(p.left, q.left);
            const float right = std::min(p.left + p.width, q.left + q.width);
            const float top = std::max(p.top, q.top);
            const float bottom = std::min(p.top + p.height, q.top + q.height);
            if (left >= right || top >= bottom) continue;
            ++overlaps;
            const float x = (left + right) / 2;
            const float y = (top + bottom) / 2;
            const auto hit = controlAt(form(), x, y);
            ASSERT_TRUE(hit.has_value());
            const QPoint dip(static_cast<int>(std::floor(x / kTwipsPerPixel)),
                             static_cast<int>(std::floor(y / kTwipsPerPixel)));
            EXPECT_EQ(childOfWindowAt(dip), window->widgetFor(*hit))
                << controlId(table[a].control) << " under " << controlId(table[b].control) << " at "
                << x << ' ' << y << ": the core names " << controlId(*hit);
        }
    }
    // The Go buttons, the toggles, the range bar, the spectrum box and the
    // labels around them: 24 strips shared at start-up.
    EXPECT_EQ(overlaps, 24);
}

TEST_F(Form1Stacking, AClickOnTheColumnStartAndResetShareGoesToReset) {
    const CommandButton& reset = form().cmdGo[kGoReset];
    const QPoint shared(static_cast<int>(reset.left / kTwipsPerPixel),
                        static_cast<int>((reset.top + reset.height / 2) / kTwipsPerPixel));
    EXPECT_EQ(childOfWindowAt(shared), window->widgetFor({K::CmdGo, kGoReset}));
    EXPECT_EQ(childOfWindowAt(shared - QPoint(1, 0)), window->widgetFor({K::CmdGo, kGoStart}));
}

}  // namespace
}  // namespace tarvel::view::test
