#include <QApplication>

#include "app/qt/form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tarvel::view::Form1 window;
    window.show();
    return application.exec();
}
