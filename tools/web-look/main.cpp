// web-look RATIO OUTDIR
//
// The window style's parts that the page shows, drawn at a device pixel
// ratio of 1 or 2 (through QT_SCALE_FACTOR on the offscreen platform) into
// OUTDIR/<part>.png, at the sizes of the window's controls (style_parts.h),
// the markers' focus ring among them,
// with OUTDIR/lengths.css, the lengths the page lays them out by, as CSS
// custom properties; and OUTDIR/logo.png, the logo as the window shows it.
// tools/
// make-web-look.sh runs it at both ratios and writes what the page needs.

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "app/focus_ring.h"
#include "app/form.h"
#include "app/qt/twips.h"
#include "tools/web-look/style_parts.h"

// The logo lives in the view library's resources.
static void registerViewResources() {
    Q_INIT_RESOURCE(view_resources);
}

namespace {

using tarvel::tools::StyleLength;
using tarvel::tools::StylePart;
using tarvel::view::widgetRectOf;

std::vector<StylePart> allParts(const tarvel::Form& form, std::vector<StyleLength>& lengths) {
    std::vector<StylePart> parts;
    const auto add = [&parts](std::vector<StylePart> more) {
        for (StylePart& part : more) parts.push_back(std::move(part));
    };
    // The plain buttons and the toggles, by their heights.
    add(tarvel::tools::buttonParts("button-29", widgetRectOf(form.cmdRand).size()));
    add(tarvel::tools::buttonParts("button-33", widgetRectOf(form.cmdGo[0]).size()));
    add(tarvel::tools::listParts("list", widgetRectOf(form.cmbSymbol).size()));
    add(tarvel::tools::scrollBarParts("hbar", widgetRectOf(form.hscFade).size(), Qt::Horizontal,
                                      lengths));
    add(tarvel::tools::scrollBarParts("vbar", widgetRectOf(form.vscSpectrumRange).size(),
                                      Qt::Vertical, lengths));
    parts.push_back(tarvel::tools::focusRingPart(
        "marker-focus", widgetRectOf(form.cmdSource[0]).size(), tarvel::focus_ring::kMarkerInset));
    return parts;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: web-look RATIO OUTDIR\n");
        return 2;
    }
    const std::string ratio = argv[1];
    if (ratio != "1" && ratio != "2") {
        std::fprintf(stderr, "web-look: a ratio of 1 or 2, not %s\n", argv[1]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", ratio.c_str());
    QApplication app(argc, argv);
    registerViewResources();
    const std::string outDir = argv[2];

    const auto form = std::make_unique<tarvel::Form>();
    try {
        std::vector<StyleLength> lengths{{"button-end", tarvel::tools::kButtonEndDip},
                                         {"thumb-end", tarvel::tools::kThumbEndDip}};
        for (const StylePart& part : allParts(*form, lengths)) {
            const std::string file = outDir + "/" + part.name + ".png";
            if (!part.image.save(QString::fromStdString(file))) {
                std::fprintf(stderr, "web-look: cannot write %s\n", file.c_str());
                return 1;
            }
        }
        std::ofstream properties(outDir + "/lengths.css");
        for (const StyleLength& length : lengths) {
            properties << "  --look-" << length.name << ": " << length.dip << "px;\n";
        }
        if (!properties) return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "web-look: %s\n", error.what());
        return 1;
    }
    const QImage logo = tarvel::tools::labelPicture(QPixmap(QStringLiteral(":/tarvel/logo.png")),
                                                    widgetRectOf(form->imgZelm).size());
    return logo.save(QString::fromStdString(outDir + "/logo.png")) ? 0 : 1;
}
