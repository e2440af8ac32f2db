// GoogleTest main for the window under a screen scale: unlike the other Qt
// tests it keeps QT_SCALE_FACTOR from the environment, so ctest can run the
// same checks at every factor.

#include <gtest/gtest.h>

#include <QApplication>

#include "tests/gui/window_fixture.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    tarvel::view::test::installWarningRecorder();
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
