#pragma once
// What changed in the form since a view last looked. Each view keeps its own
// watch and mirrors only what the watch reports: a control whose fields or
// accessible text changed, a line or frame of the window's drawing, the
// markers' stacking, the timer, and the messages shown meanwhile.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "app/form.h"

namespace tarvel {

struct FormChanges {
    std::vector<ControlRef> controls;  // in allControls() order
    std::vector<DrawingRef> drawing;   // in kDrawingOrder
    bool stacking = false;
    bool timer = false;
    std::vector<std::string> messages;  // oldest first

    bool empty() const {
        return controls.empty() && drawing.empty() && !stacking && !timer && messages.empty();
    }
};

class FormWatch {
  public:
    // What changed since the last call; at the first, everything.
    FormChanges take(const Form& form);
    // The whole drawing counts as changed at the next look (the view now
    // draws at another pixel ratio).
    void forgetDrawing() { drawing_.clear(); }

  private:
    std::vector<std::string> controls_;  // each control's fields, as bytes
    std::vector<std::string> drawing_;
    std::string scratch_;
    std::array<int, kPathCount> stack_{};
    Timer timer_;
    bool looked_ = false;
    std::size_t messagesSeen_ = 0;
};

}  // namespace tarvel
