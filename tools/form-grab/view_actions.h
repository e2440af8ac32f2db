#pragma once
// The lines of an action file that act on the window's widgets, not on the
// core (the page's test performs them as DOM events or focus calls):
//   unfocus       no control keeps the focus
//   focus ID      the control of that id takes the focus, as by the keyboard
//   hold ID       the left button goes down on the control's middle and stays
//   grab NAME     the window as it is now is written as NAME (see main.cpp)
// Any other line is the core's (surface_actions.h).

#include <QWidget>
#include <string>

#include "app/qt/form1.h"

namespace tarvel::tools {

// The window's widget for a control's id ("cmdSource-3"); nullptr for none.
QWidget* widgetWithId(const view::Form1& window, const std::string& id);

// Applies a view action's words after its first; false when `action` is
// not one or its id names no control.
bool applyViewAction(view::Form1& window, const std::string& action, const std::string& id);

}  // namespace tarvel::tools
