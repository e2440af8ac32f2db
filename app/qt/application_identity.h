#pragma once
// The program's icon and desktop entry name, so that the title bar, the task
// bar and the installed desktop entry show the same picture.

#include <QIcon>

namespace tarvel::view {

// The project's icon at every size the package installs.
QIcon applicationIcon();

// Sets the application's icon and desktop file name; call once at start.
void setApplicationIdentity();

}  // namespace tarvel::view
