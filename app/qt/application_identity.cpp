#include "app/qt/application_identity.h"

#include <QGuiApplication>

namespace tarvel::view {

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/tarvel/icons/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void setApplicationIdentity() {
    // The installed entry is tarvel-demo.desktop; Wayland and task bars match
    // the window to it by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvel-demo"));
}

}  // namespace tarvel::view
