#include <QApplication>

#include "app/qt/application_identity.h"
#include "app/qt/form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tarvel::view::Form1 window;  // registers the view's resources, the icon's among them
    tarvel::view::setApplicationIdentity();
    window.show();
    return application.exec();
}
