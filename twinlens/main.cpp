// Twinlens: makes an anaglyph from a left-eye and a right-eye photograph.

#include <QApplication>

#include "form9.h"
#include "qtplatform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    picturecraft::QtPlatform platform;
    picturecraft::twinlens::Form9 form9(platform);
    platform.setDialogParent(&form9);
    form9.show();
    return app.exec();
}
