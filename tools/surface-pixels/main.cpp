// surface-pixels ACTIONS RATIO OUTDIR
//
// The desktop's four picture boxes at a fixed device pixel ratio, after
// start-up and the actions of the file ACTIONS (see actions.txt): each
// surface's pixels go to OUTDIR/<id>.rgba as RGBA bytes, row after row, and
// OUTDIR/surfaces.json lists their ids and sizes. The browser test holds the
// page's canvases against them.

#include <QApplication>
#include <QImage>
#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "app/form_load.h"
#include "app/pixels/pixel_surface.h"
#include "app/qt/image_surface.h"
#include "app/qt/qt_colour.h"
#include "app/qt/twips.h"
#include "tools/surface-pixels/rgba_file.h"
#include "tools/surface-pixels/surface_actions.h"

namespace {

using tarvel::ControlKind;
using tarvel::tools::writeRgba;
using tarvel::view::ImageSurface;

struct Picture {
    const char* id;
    ControlKind kind;
};
constexpr std::array<Picture, 4> kPictures{{{"picIndividual", ControlKind::PicIndividual},
                                            {"picCombo", ControlKind::PicCombo},
                                            {"picSumGraph", ControlKind::PicSumGraph},
                                            {"picSpectrum", ControlKind::PicSpectrum}}};

// As the window makes its picture boxes, with the ratio pinned.
std::unique_ptr<ImageSurface> makeSurface(tarvel::PictureBox& record, double ratio) {
    const QSize inner(tarvel::pixels::wholeDips(record.innerWidth()),
                      tarvel::pixels::wholeDips(record.innerHeight()));
    auto surface = std::make_unique<ImageSurface>(inner, nullptr, ratio);
    surface->setBackground(record.backColour);
    surface->clear();
    record.attach(surface.get());
    return surface;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: surface-pixels ACTIONS RATIO OUTDIR\n");
        return 2;
    }
    const double ratio = std::atof(argv[2]);
    const std::string outDir = argv[3];
    std::ifstream actions(argv[1]);
    if (!actions || ratio < 1) {
        std::fprintf(stderr, "surface-pixels: cannot read %s, or ratio %s below 1\n", argv[1],
                     argv[2]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // The window builds its form with the platform's control face.
    tarvel::Form form(tarvel::view::fromQColor(QApplication::palette().color(QPalette::Button)));
    std::array<std::unique_ptr<ImageSurface>, kPictures.size()> surfaces;
    for (std::size_t k = 0; k < kPictures.size(); ++k) {
        surfaces[k] = makeSurface(form.picture(kPictures[k].kind), ratio);
    }
    tarvel::Form_Load(form);
    const std::string refused = tarvel::tools::applyActions(form, actions);
    if (!refused.empty()) {
        std::fprintf(stderr, "surface-pixels: %s\n", refused.c_str());
        return 2;
    }

    std::ofstream manifest(outDir + "/surfaces.json");
    manifest << "{\"ratio\": " << ratio << ", \"surfaces\": [";
    for (std::size_t k = 0; k < kPictures.size(); ++k) {
        const QImage& image = surfaces[k]->image();
        if (!writeRgba(image, outDir + "/" + kPictures[k].id + ".rgba")) {
            std::fprintf(stderr, "surface-pixels: cannot write into %s\n", outDir.c_str());
            return 1;
        }
        manifest << (k ? ", " : "") << "{\"id\": \"" << kPictures[k].id
                 << "\", \"width\": " << image.width() << ", \"height\": " << image.height() << "}";
    }
    manifest << "]}\n";
    return manifest ? 0 : 1;
}
