// form-grab RATIO OUTDIR ACTIONS...
//
// The desktop's window Form1 at a fixed device pixel ratio (1 or 2, through
// QT_SCALE_FACTOR on the offscreen platform), after start-up and the lines
// of each ACTIONS file in turn: the core's actions (tools/surface-pixels/
// actions.txt) and the view's (view_actions.h). At each "grab NAME" the
// window's pixels go to OUTDIR/NAME.rgba as RGBA bytes, row after row;
// OUTDIR/form.json lists the grabs, each with its size and every control's
// box and text box in device pixels. The browser test holds the page's form
// against them.

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/qt/form1.h"
#include "tools/form-grab/form_manifest.h"
#include "tools/form-grab/view_actions.h"
#include "tools/surface-pixels/rgba_file.h"
#include "tools/surface-pixels/surface_actions.h"

namespace {

using tarvel::tools::writeRgba;

class Grabber {
  public:
    Grabber(tarvel::view::Form1& window, std::string outDir)
        : window_(window), outDir_(std::move(outDir)) {}

    // Every line of the file; "" when all went well, else what went wrong.
    std::string apply(const char* file) {
        std::ifstream lines(file);
        if (!lines) return std::string("cannot read ") + file;
        std::string line;
        for (int number = 1; std::getline(lines, line); ++number) {
            if (!applyLine(line))
                return std::string(file) + ":" + std::to_string(number) + ": " + line;
        }
        return {};
    }

    // The manifest of every grab written so far.
    bool writeManifest() const {
        std::ofstream out(outDir_ + "/form.json");
        out << "{\"ratio\": " << window_.devicePixelRatioF() << ", \"grabs\": [" << grabs_
            << "]}\n";
        return static_cast<bool>(out);
    }

  private:
    bool applyLine(const std::string& line) {
        std::istringstream words(line);
        std::string action, argument;
        if (!(words >> action) || action.front() == '#') return true;
        words >> argument;
        if (action == "grab") return !argument.empty() && grab(argument);
        if (tarvel::tools::applyViewAction(window_, action, argument)) return true;
        std::istringstream coreLine(line);
        if (!tarvel::tools::applyActions(window_.form(), coreLine).empty()) return false;
        window_.syncFromCore();
        QApplication::processEvents();
        return true;
    }

    bool grab(const std::string& name) {
        const QImage image = window_.grab().toImage();
        if (!writeRgba(image, outDir_ + "/" + name + ".rgba")) return false;
        std::ostringstream entry;
        entry << (grabs_.empty() ? "" : ", ") << "{\"name\": \"" << name
              << "\", \"width\": " << image.width() << ", \"height\": " << image.height()
              << ", \"controls\": "
              << tarvel::tools::controlBoxesJson(window_, image.devicePixelRatio()) << "}";
        grabs_ += entry.str();
        return true;
    }

    tarvel::view::Form1& window_;
    std::string outDir_;
    std::string grabs_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: form-grab RATIO OUTDIR ACTIONS...\n");
        return 2;
    }
    const std::string ratio = argv[1];
    if (ratio != "1" && ratio != "2") {
        std::fprintf(stderr, "form-grab: a ratio of 1 or 2, not %s\n", argv[1]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", ratio.c_str());
    QApplication app(argc, argv);

    tarvel::view::Form1 window;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "form-grab: the window never became active\n");
        return 1;
    }
    Grabber grabber(window, argv[2]);
    for (int k = 3; k < argc; ++k) {
        const std::string refused = grabber.apply(argv[k]);
        if (!refused.empty()) {
            std::fprintf(stderr, "form-grab: %s\n", refused.c_str());
            return 2;
        }
    }
    return grabber.writeManifest() ? 0 : 1;
}
