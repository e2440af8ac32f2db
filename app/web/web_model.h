#pragma once
// The page's model: the window's records, its four picture boxes drawing
// into pixel buffers, and every event of the page forwarded to the same user
// actions that the desktop window calls. The page's script only forwards
// events here and mirrors the records it reads back.

#include <array>
#include <memory>
#include <string>

#include "app/form.h"
#include "app/form_changes.h"
#include "app/web/web_surface.h"

namespace tarvel::web {

// Surfaces by number, as the page addresses them.
// The page numbers the surfaces as kPictureKinds orders the picture boxes.
inline constexpr int kSurfaceCount = static_cast<int>(kPictureKinds.size());

struct ChangedRect {
    int left, top, right, bottom;
};

class WebModel {
  public:
    // The window laid out, not yet loaded: the page shows its controls
    // while load() still has to run. ratio: device pixels per CSS pixel of
    // the form as shown (the device's ratio times the form's scale), for the
    // picture boxes.
    explicit WebModel(double ratio);
    // The window's start-up: the list filled, the first spectrum and eyes
    // drawn. Once, before any other event.
    void load();
    // The form's scale or the device's ratio changed: the picture boxes move
    // their drawing to the new ratio, and their sizes and addresses change.
    // True when they did.
    bool setPixelRatio(double ratio);
    // The ratio the picture boxes draw at: the one asked for, kept in limits.
    double pixelRatio() const;

    // An event of the page's on the control with this id ("cmdRand",
    // "cmdSource-3"): "click", "key", "press" or "change", with the number
    // it carries, run as the table of controls says. False for an id or an
    // event the control does not have.
    bool controlEvent(const std::string& id, const std::string& event, int value);

    void clickMarker(int index);
    void keyOnMarker(int index, int keyAscii);
    void pressOnMarker(int index, int button);
    // The pointer let go while a drag is in flight, at (x, y) twips.
    void releaseDrag(double x, double y);
    void cancelDrag();
    int dragSource() const;
    void clickRandom();
    void clickGo(int index);
    void setFade(int value);
    void setRange(int value);
    void chooseSymbol(int listIndex);
    void clickLinear();
    void clickMemory();
    void clickSurface(int surface);
    // One firing of the animation timer.
    void tick();

    // Every control's record, as JSON (see records_json.h).
    std::string records() const;
    // What changed since the last call (at the first, everything), as JSON
    // (see changesJson in records_json.h): the records of the controls and
    // lines that changed, their drawing in device pixels at the picture
    // boxes' ratio (all of it after a change of ratio), and the messages
    // shown meanwhile, and the impulse diagram's words when they changed.
    std::string changes();

    int surfaceWidth(int surface) const;
    int surfaceHeight(int surface) const;
    std::uintptr_t surfacePixels(int surface) const;
    ChangedRect takeChanged(int surface);

  private:
    WebSurface& surfaceAt(int surface) const;

    std::unique_ptr<Form> form_;
    std::array<std::unique_ptr<WebSurface>, kSurfaceCount> surfaces_;
    FormWatch watch_;
    // The impulse diagram's words as the page last got them: empty before
    // the first look, so that the first gives them.
    std::string impulseDescription_;
};

}  // namespace tarvel::web
