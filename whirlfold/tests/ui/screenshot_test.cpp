// Pictures of the windows for a person to look at: written only when PICTURECRAFT_GRAB_DIR
// names a folder. The main window after start-up and with four photos loaded, the sheet window
// after converting them, and the whole backdrop as saved.

#include <gtest/gtest.h>

#include <QDir>

#include "whirlfoldtesting.h"

namespace picturecraft::whirlfold::testing {
namespace {

using ScreenshotTest = WhirlfoldTest;

TEST_F(ScreenshotTest, GrabsTheWindows) {
    const QString target = qEnvironmentVariable("PICTURECRAFT_GRAB_DIR");
    if (target.isEmpty()) GTEST_SKIP() << "PICTURECRAFT_GRAB_DIR is not set";
    QDir().mkpath(target);
    const QDir out(target);
    window.show();
    ASSERT_TRUE(window.grab().save(out.filePath(QStringLiteral("form1-startup.png"))));

    const QSize sizes[] = {{640, 480}, {480, 640}, {600, 600}, {800, 450}};
    for (int number = 1; number <= 4; ++number)
        openThrough(QStringLiteral("Command2(%1)").arg(number - 1),
                    writePicture(TestPhoto(number, sizes[number - 1]),
                                 QStringLiteral("photo%1.bmp").arg(number)));
    ASSERT_TRUE(window.grab().save(out.filePath(QStringLiteral("form1-loaded.png"))));
    for (int number = 1; number <= 4; ++number)
        ASSERT_TRUE(TestPhoto(number, sizes[number - 1])
                        .save(out.filePath(QStringLiteral("photo%1.png").arg(number))));

    convertButton()->click();
    ASSERT_TRUE(window.grab().save(out.filePath(QStringLiteral("form1-waiting.png"))));
    timer().fire();
    ASSERT_TRUE(window.sheetWindow().grab().save(out.filePath(QStringLiteral("form2-sheet.png"))));
    ASSERT_TRUE(backdrop().picture().save(out.filePath(QStringLiteral("backdrop.png"))));
    window.pictureSizeDialog().show();
    ASSERT_TRUE(window.pictureSizeDialog().grab().save(out.filePath(QStringLiteral("form4.png"))));
}

}  // namespace
}  // namespace picturecraft::whirlfold::testing
