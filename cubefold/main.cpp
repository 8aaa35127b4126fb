// Cubefold: one picture read as a view into a cube's inside corner, laid out as a net to fold.

#include <QApplication>

#include "form1.h"
#include "qtplatform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    picturecraft::QtPlatform platform;
    picturecraft::cubefold::Form1 form1(platform);
    platform.setDialogParent(&form1);
    form1.show();
    return app.exec();
}
