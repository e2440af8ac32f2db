#pragma once
// One table of the form's controls, arrays element by element: each one's
// name, its place in the stacking and in the keyboard focus order, and the
// user action each of its events runs. The hit test, the views and the
// records all read their facts about a control from here.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/form.h"

namespace tarvel {

// What a view reports of a control. The number an event carries: a key's
// character code, a mouse button's code, a bar's new value or the chosen
// list index; a click carries none.
enum class ControlEvent { Click, Key, Press, Change };
inline constexpr std::array<ControlEvent, 4> kControlEvents{
    ControlEvent::Click, ControlEvent::Key, ControlEvent::Press, ControlEvent::Change};
// "click", "key", "press", "change": how the page names them.
std::string_view controlEventName(ControlEvent event);
std::optional<ControlEvent> controlEventNamed(std::string_view name);
using ControlAction = void (*)(Form& form, int index, int value);

// Where a control stands in the client area and whether it shows.
struct ControlPlace {
    Box box;
    bool visible = false;
};

inline constexpr int kNoTabStop = -1;

struct ControlEntry {
    ControlRef control;
    std::string_view name;     // its name in the core; an array's elements add "-index"
    bool element = false;      // one of a control array
    int tabStop = kNoTabStop;  // its place in the focus order, from 0
    ControlPlace (*place)(const Form& form, int index) = nullptr;
    ControlAction click = nullptr;
    ControlAction key = nullptr;
    ControlAction press = nullptr;
    ControlAction change = nullptr;
};

// Every control, bottom of the stacking first: labels and the logo lowest,
// then the buttons, the list, the bars and the picture boxes, the plot's
// toggles and range bar over the spectrum box, and the markers on top (among
// themselves stacked as form.markerStack has them).
std::span<const ControlEntry> controlTable();

// The entry of a control; none for a reference that names no control.
const ControlEntry* findControl(ControlRef control);
// A control's place in controlTable(), 0 lowest; -1 for none.
int stackingRank(ControlRef control);

// A control's id, its name in the core: "cmdRand", "lblAt-19", "cmdSource-3".
std::string controlId(ControlRef control);
// The control whose id this is, if any.
std::optional<ControlRef> controlWithId(std::string_view id);
// The id of a line or frame drawn on the window: "Line2", "lneImpulse-3", "cmdShape-3".
std::string drawingId(DrawingRef item);

// The controls that take the keyboard focus, in the order Tab visits them.
std::vector<ControlRef> tabOrderOfTable();

// The action of `event` on `control`, if it has one.
ControlAction actionOf(const ControlEntry& entry, ControlEvent event);
// Runs the user action of `event` on `control`; false when it has none.
bool runControlEvent(Form& form, ControlRef control, ControlEvent event, int value = 0);

}  // namespace tarvel
