#pragma once
// The program's icon and desktop entry name, so that the title bar, the task
// bar and the installed desktop entry show the same picture.

#include <QIcon>

namespace tarvel::view {

// The project's icon at every size the package installs. The window sets it
// on itself, and its dialogs take it from the window.
QIcon applicationIcon();

// Sets the desktop file name that task bars match the window to; call once
// at start.
void setApplicationIdentity();

}  // namespace tarvel::view
