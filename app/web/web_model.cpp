#include "app/web/web_model.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "animation/timer_tick.h"
#include "app/control_table.h"
#include "app/form_load.h"
#include "app/picture_description.h"
#include "app/pixel_ratio.h"
#include "app/user_actions.h"
#include "app/web/records_json.h"
#include "app/web/window_raster.h"

namespace tarvel::web {

namespace {

// The control face of the desktop window's style (Fusion's button colour):
// the page shows the window as it looks there.
constexpr Colour kWindowFaceColour = RGB(239, 239, 239);

}  // namespace

WebModel::WebModel(double ratio) : form_(std::make_unique<Form>(kWindowFaceColour)) {
    ratio = usablePixelRatio(ratio);
    for (std::size_t k = 0; k < kSurfaceCount; ++k) {
        PictureBox& box = form_->picture(kPictureKinds[k]);
        surfaces_[k] = std::make_unique<WebSurface>(box, ratio);
        box.attach(&surfaces_[k]->surface());
    }
}

void WebModel::load() {
    Form_Load(*form_);
}

bool WebModel::setPixelRatio(double ratio) {
    ratio = usablePixelRatio(ratio);
    if (ratio == surfaces_[0]->ratio()) return false;
    for (std::size_t k = 0; k < kSurfaceCount; ++k) {
        surfaces_[k]->setRatio(form_->picture(kPictureKinds[k]), ratio);
    }
    watch_.forgetDrawing();  // the window's lines cover other device pixels now
    return true;
}

double WebModel::pixelRatio() const {
    return surfaces_[0]->ratio();
}

bool WebModel::controlEvent(const std::string& id, const std::string& event, int value) {
    const std::optional<ControlRef> control = controlWithId(id);
    const std::optional<ControlEvent> named = controlEventNamed(event);
    return control && named && runControlEvent(*form_, *control, *named, value);
}

void WebModel::clickMarker(int index) {
    tarvel::clickMarker(*form_, index);
}
void WebModel::keyOnMarker(int index, int keyAscii) {
    tarvel::keyOnMarker(*form_, index, keyAscii);
}
void WebModel::pressOnMarker(int index, int button) {
    tarvel::pressOnMarker(*form_, index, button);
}
void WebModel::releaseDrag(double x, double y) {
    // IEEE rounding makes a coordinate beyond single precision infinite,
    // which the core drops nowhere.
    static_assert(std::numeric_limits<float>::is_iec559);
    tarvel::releaseDrag(*form_, static_cast<float>(x), static_cast<float>(y));
}
void WebModel::cancelDrag() {
    tarvel::cancelDrag(*form_);
}
int WebModel::dragSource() const {
    return form_->dragSource.value_or(-1);
}
void WebModel::clickRandom() {
    tarvel::clickRandom(*form_);
}
void WebModel::clickGo(int index) {
    tarvel::clickGo(*form_, index);
}
void WebModel::setFade(int value) {
    tarvel::setFadeValue(*form_, value);
}
void WebModel::setRange(int value) {
    tarvel::setRangeValue(*form_, value);
}
void WebModel::chooseSymbol(int listIndex) {
    tarvel::chooseSymbol(*form_, listIndex);
}
void WebModel::clickLinear() {
    tarvel::clickLinear(*form_);
}
void WebModel::clickMemory() {
    tarvel::clickMemory(*form_);
}
void WebModel::clickSurface(int surface) {
    // The number picks from the page's own table of surfaces.
    if (surface >= 0 && surface < kSurfaceCount)
        clickEyeSurface(*form_, kPictureKinds[static_cast<std::size_t>(surface)]);
}
void WebModel::tick() {
    Timer1_Timer(*form_);
}

std::string WebModel::records() const {
    return recordsJson(*form_);
}

std::string WebModel::changes() {
    const FormChanges changes = watch_.take(*form_);
    std::vector<RasteredItem> drawn;
    drawn.reserve(changes.drawing.size());
    for (const DrawingRef& item : changes.drawing)
        drawn.push_back(rasterItem(*form_, item, pixelRatio()));
    std::optional<std::string> impulseDescription = impulseDiagramDescription(*form_);
    if (*impulseDescription == impulseDescription_) {
        impulseDescription.reset();
    } else {
        impulseDescription_ = *impulseDescription;
    }
    return changesJson(*form_, changes, drawn, pixelRatio(), impulseDescription);
}

// The page reads any surface number here; it may only index our own four.
WebSurface& WebModel::surfaceAt(int surface) const {
    return *surfaces_[static_cast<std::size_t>(std::clamp(surface, 0, kSurfaceCount - 1))];
}

int WebModel::surfaceWidth(int surface) const {
    return surfaceAt(surface).width();
}
int WebModel::surfaceHeight(int surface) const {
    return surfaceAt(surface).height();
}
std::uintptr_t WebModel::surfacePixels(int surface) const {
    return surfaceAt(surface).address();
}

ChangedRect WebModel::takeChanged(int surface) {
    const pixels::PixelRect r = surfaceAt(surface).takeChanged();
    if (r.isEmpty()) return {0, 0, 0, 0};
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace tarvel::web
