#pragma once
// The program's icon and desktop entry name, so that the title bar, the task
// bar and the installed desktop entry show the same picture.

#include <QIcon>
#include <QWidget>

namespace tarvel::view {

// The project's icon at every size the package installs.
QIcon applicationIcon();

// Sets the desktop file name, and gives the application the window's icon
// (shared, not read again) for any window without one; call once at start.
void setApplicationIdentity(const QWidget& window);

}  // namespace tarvel::view
