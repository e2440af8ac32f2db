// Figures of the real window: start-up time (process start to an exposed
// window) and the CPU that the running animation costs, with eight paths
// switched on and fading at 5.
//   window-figures [SECONDS]    (default 10; Qt's offscreen platform unless
//                                QT_QPA_PLATFORM says otherwise, e.g. xcb under Xvfb)
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/qt/application_identity.h"
#include "app/qt/form1.h"
#include "app/user_actions.h"
#include "bench/heaviest_case.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Waits until the window is exposed, handling each event as it comes.
// QTest::qWaitForWindowExposed sleeps 10 ms between its polls, which would
// round the start-up figure up to the next poll.
bool waitUntilExposed(const QWidget& window) {
    QElapsedTimer waited;
    waited.start();
    QTimer wake;  // bounds each wait for an event
    wake.start(50);
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        if (waited.hasExpired(5000)) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const auto processStart = std::chrono::steady_clock::now();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;

    QApplication application(argc, argv);
    tarvel::view::Form1 window;
    tarvel::view::setApplicationIdentity();  // as the program itself starts
    window.show();
    if (!waitUntilExposed(window)) return 1;
    const double startUpMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - processStart)
            .count();

    tarvel::Form& form = window.form();
    tarvel::bench::switchOnEveryPathFadingAfterRandom(form);
    tarvel::clickGo(form, 0);
    window.syncFromCore();

    const std::uint64_t drawsBefore = form.state.generator.count();
    const double cpuBefore = cpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    // A plain event loop, as the window's own exec() runs: QTest::qWait would
    // wake every 10 ms to poll, and that polling would be counted too.
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const double cpu = cpuSeconds() - cpuBefore;
    const double ticks = double(form.state.generator.count() - drawsBefore) / (64.0 + 2.0 * 8);

    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("start-up to an exposed window: %.0f ms\n", startUpMs);
    std::printf("animating 8 fading paths for %.1f s: about %.0f ticks, CPU %.2f %% of one core\n",
                wall, ticks, 100.0 * cpu / wall);
    return 0;
}
