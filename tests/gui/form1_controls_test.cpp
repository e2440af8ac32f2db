// The animation and plot controls through the window: the real timer, the
// toggles, the bars, the list and the message box.

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>

#include "tests/gui/window_fixture.h"

namespace tarvel::view::test {
namespace {

using K = ControlKind;

class Form1Controls : public WindowTest {
  protected:
    template <typename W>
    W* widget(K kind, int index = 0) {
        return qobject_cast<W*>(window->widgetFor({kind, index}));
    }
};

TEST_F(Form1Controls, TimerTicksWhileStartedAndResetStopsIt) {
    EXPECT_FALSE(window->timer().isActive());
    const auto drawsBefore = form().state.generator.count();
    click(widget<QPushButton>(K::CmdGo, 0));
    EXPECT_TRUE(form().timer1.enabled);
    EXPECT_TRUE(window->timer().isActive());
    EXPECT_EQ(window->timer().interval(), 100);
    // Each tick draws the 64 symbols of its block.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return form().state.generator.count() >= drawsBefore + 2 * kSymbols; }, 3000));

    click(widget<QPushButton>(K::CmdGo, 1));
    EXPECT_FALSE(form().timer1.enabled);
    EXPECT_FALSE(window->timer().isActive());
    const auto drawsAfterReset = form().state.generator.count();
    QTest::qWait(300);
    EXPECT_EQ(form().state.generator.count(), drawsAfterReset);
}

TEST_F(Form1Controls, TickRunsOneAnimationStep) {
    const auto draws = form().state.generator.count();
    window->tick();
    EXPECT_EQ(form().state.generator.count(), draws + kSymbols);
    EXPECT_TRUE(form().state.bChannelValid);
}

TEST_F(Form1Controls, TogglesMirrorTheirRecords) {
    auto* linear = widget<QPushButton>(K::ChkLinear);
    click(linear);
    EXPECT_EQ(form().chkLinear.value, 1);
    EXPECT_TRUE(linear->isChecked());
    EXPECT_EQ(linear->text(), "Linear Plot");
    click(linear);
    EXPECT_EQ(form().chkLinear.value, 0);
    EXPECT_FALSE(linear->isChecked());
    EXPECT_EQ(linear->text(), "Log Plot");

    auto* memory = widget<QPushButton>(K::ChkMemory);
    click(memory);
    EXPECT_EQ(form().chkMemory.value, 1);
    EXPECT_TRUE(memory->isChecked());
    EXPECT_EQ(memory->palette().color(QPalette::ButtonText), QColor(0, 128, 0));
    click(memory);
    EXPECT_FALSE(memory->isChecked());
    EXPECT_EQ(memory->palette().color(QPalette::ButtonText), QColor(0, 0, 0));
}

TEST_F(Form1Controls, RangeBarReactsToStepsAndTheReleasedThumbOnly) {
    auto* range = widget<QScrollBar>(K::VscSpectrumRange);
    range->setFocus();
    QTest::keyClick(range, Qt::Key_Up);
    EXPECT_EQ(form().vscSpectrumRange.value, 19);
    QTest::keyClick(range, Qt::Key_PageUp);
    EXPECT_EQ(form().vscSpectrumRange.value, 15);

    range->setSliderDown(true);
    range->setSliderPosition(6);
    EXPECT_EQ(form().vscSpectrumRange.value, 15);  // not while the thumb is held
    range->setSliderDown(false);
    EXPECT_EQ(form().vscSpectrumRange.value, 6);
}

TEST_F(Form1Controls, FadingBarAndSymbolListReachTheCore) {
    auto* fade = widget<QScrollBar>(K::HscFade);
    fade->setFocus();
    QTest::keyClick(fade, Qt::Key_Right);  // the arrow moves the thumb its way
    EXPECT_EQ(form().hscFade.value, 1);
    QTest::keyClick(fade, Qt::Key_PageUp);  // a page is two steps
    EXPECT_EQ(form().hscFade.value, 3);
    fade->setValue(0);
    EXPECT_EQ(form().hscFade.value, 0);

    auto* symbol = widget<QComboBox>(K::CmbSymbol);
    symbol->setFocus();
    QTest::keyClick(symbol, Qt::Key_Up);
    EXPECT_EQ(form().cmbSymbol.text, "0.5");
    EXPECT_EQ(form().state.dSymbolTime, 0.5);
    EXPECT_EQ(symbol->currentText(), "0.5");
}

TEST_F(Form1Controls, SyncMirrorsValuesSetByTheCoreWithoutRaisingHandlers) {
    const auto clears = form().picIndividual.clears;
    form().vscSpectrumRange.value = 3;
    form().cmbSymbol.listIndex = 2;
    form().cmbSymbol.text = "2.0";
    window->syncFromCore();
    EXPECT_EQ(widget<QScrollBar>(K::VscSpectrumRange)->value(), 3);
    EXPECT_EQ(widget<QComboBox>(K::CmbSymbol)->currentText(), "2.0");
    EXPECT_EQ(form().picIndividual.clears, clears);  // no symbol-time handler ran
}

TEST_F(Form1Controls, MessagesShowInANonModalBoxTitledLikeTheWindow) {
    form().showMessage("Points must be a power of 2");
    ASSERT_EQ(form().messages.size(), 1u);
    QMessageBox* box = nullptr;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            box = window->findChild<QMessageBox*>();
            return box != nullptr && box->isVisible();
        },
        2000));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Tarvel Demo");
    EXPECT_EQ(box->text(), "Points must be a power of 2");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    box->button(QMessageBox::Ok)->click();
}

}  // namespace
}  // namespace tarvel::view::test
