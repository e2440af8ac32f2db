// GoogleTest main for the Qt tests: Qt's offscreen platform unless another
// is asked for, no scaling from the environment (checks are made at logical
// pixels), and every Qt warning kept so that the tests can fail on one.

#include <gtest/gtest.h>

#include <QApplication>

#include "tests/gui/window_fixture.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    tarvel::view::test::installWarningRecorder();
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
