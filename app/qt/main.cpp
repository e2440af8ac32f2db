#include <QApplication>

#include "app/qt/application_identity.h"
#include "app/qt/form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tarvel::view::Form1 window;  // with its own icon from the view's resources
    tarvel::view::setApplicationIdentity();
    window.show();
    return application.exec();
}
