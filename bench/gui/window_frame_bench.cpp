// A whole frame of the shown window in the heaviest case (bench/heaviest_case.h):
// the tick, mirroring the records into the widgets, and painting what
// changed into the window's backing store, as the event loop would after
// each timer event. Qt's offscreen platform keeps the X server out of it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QtTest/QTest>

#include "app/qt/form1.h"
#include "app/user_actions.h"
#include "bench/heaviest_case.h"

namespace tarvel::view {
namespace {

void paintPendingUpdates() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void BM_WindowFrame(benchmark::State& state) {
    Form1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    bench::switchOnEveryPathFadingAfterRandom(window.form());
    window.syncFromCore();
    paintPendingUpdates();
    for (auto _ : state) {
        window.tick();
        paintPendingUpdates();
    }
}
BENCHMARK(BM_WindowFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvel::view
