// The page's entry to the model: the class and its methods, bound for script.

#include <emscripten/bind.h>

#include "app/web/web_model.h"

EMSCRIPTEN_BINDINGS(tarvel_web) {
    using tarvel::web::ChangedRect;
    using tarvel::web::WebModel;
    emscripten::value_object<ChangedRect>("ChangedRect")
        .field("left", &ChangedRect::left)
        .field("top", &ChangedRect::top)
        .field("right", &ChangedRect::right)
        .field("bottom", &ChangedRect::bottom);
    emscripten::class_<WebModel>("WebModel")
        .constructor<double>()
        .function("load", &WebModel::load)
        .function("setPixelRatio", &WebModel::setPixelRatio)
        .function("pixelRatio", &WebModel::pixelRatio)
        .function("controlEvent", &WebModel::controlEvent)
        .function("clickMarker", &WebModel::clickMarker)
        .function("keyOnMarker", &WebModel::keyOnMarker)
        .function("pressOnMarker", &WebModel::pressOnMarker)
        .function("releaseDrag", &WebModel::releaseDrag)
        .function("cancelDrag", &WebModel::cancelDrag)
        .function("dragSource", &WebModel::dragSource)
        .function("clickRandom", &WebModel::clickRandom)
        .function("clickGo", &WebModel::clickGo)
        .function("setFade", &WebModel::setFade)
        .function("setRange", &WebModel::setRange)
        .function("chooseSymbol", &WebModel::chooseSymbol)
        .function("clickLinear", &WebModel::clickLinear)
        .function("clickMemory", &WebModel::clickMemory)
        .function("clickSurface", &WebModel::clickSurface)
        .function("tick", &WebModel::tick)
        .function("records", &WebModel::records)
        .function("changes", &WebModel::changes)
        .function("surfaceWidth", &WebModel::surfaceWidth)
        .function("surfaceHeight", &WebModel::surfaceHeight)
        .function("surfacePixels", &WebModel::surfacePixels)
        .function("takeChanged", &WebModel::takeChanged);
}
