// Takes the README's pictures of the real window: a running three-path
// channel and the same channel fading. Run it under Xvfb (or any display):
//   xvfb-run -a -s "-screen 0 1600x1200x24" take-screenshots docs
// With QT_SCALE_FACTOR=2 the pictures come out at twice the size.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

#include "app/qt/form1.h"
#include "app/user_actions.h"

namespace {

void switchOn(tarvel::Form& form, int index) {
    tarvel::clickMarker(form, index);
    tarvel::clickMarker(form, index);
}

bool save(tarvel::view::Form1& window, const QString& path) {
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    const QString suffix = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                               ? "-scale" + qEnvironmentVariable("QT_SCALE_FACTOR")
                               : QString();
    QDir().mkpath(folder);

    tarvel::view::Form1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    tarvel::Form& form = window.form();

    // A channel of three paths: a strong direct path and two echoes. Markers
    // 7, 6 and 5 come off the parking stack first, as a user would take them.
    tarvel::dragMarker(form, 7, 560, 1200);
    tarvel::dragMarker(form, 6, 1760, 2600);
    tarvel::dragMarker(form, 5, 3560, 3200);
    for (int index : {7, 6, 5}) switchOn(form, index);
    tarvel::clickGo(form, 0);
    window.syncFromCore();
    QTest::qWait(2500);
    bool ok = save(window, folder + "/screenshot" + suffix + ".png");

    tarvel::setFadeValue(form, 3);
    window.syncFromCore();
    QTest::qWait(2500);
    ok = save(window, folder + "/screenshot-fading" + suffix + ".png") && ok;
    return ok ? 0 : 1;
}
