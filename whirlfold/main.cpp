// Whirlfold: four pictures become the cut-out sheet of a turning ring of six tetrahedra.

#include <QApplication>

#include "mainwindow.h"
#include "qtplatform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    picturecraft::QtPlatform platform;
    picturecraft::whirlfold::MainWindow window(platform, [] { QApplication::quit(); });
    platform.setDialogParent(&window);
    window.show();
    return app.exec();
}
