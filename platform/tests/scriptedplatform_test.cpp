#include <gtest/gtest.h>

#include "scriptedplatform.h"

using namespace picturecraft;

TEST(ScriptedPlatform, FileDialogsAnswerFromTheScriptAndCancelAsSetUp) {
    ScriptedPlatform platform;
    platform.openAnswers = {QStringLiteral("/tmp/a.bmp")};
    FileDialogSetup setup;
    setup.filter = QStringLiteral("(*.bmp)|*.bmp");
    EXPECT_EQ(platform.askOpenFile(setup), QStringLiteral("/tmp/a.bmp"));
    EXPECT_EQ(platform.askOpenFile(setup), std::nullopt) << "empty script cancels";
    setup.cancelIsFailure = false;
    EXPECT_EQ(platform.askSaveFile(setup), QString()) << "cancel not a failure: empty name";
    ASSERT_EQ(platform.openRequests.size(), 2u);
    EXPECT_EQ(platform.openRequests[0].filter, QStringLiteral("(*.bmp)|*.bmp"));
}

TEST(ScriptedPlatform, TimerTicksOnlyWhileArmed) {
    ScriptedPlatform platform;
    auto timer = platform.createTimer();
    int ticks = 0;
    timer->onTick([&] {
        ++ticks;
        timer->setInterval(0);
    });
    EXPECT_FALSE(platform.timers.front()->fire());
    timer->setInterval(1000);
    EXPECT_TRUE(platform.timers.front()->fire());
    EXPECT_FALSE(platform.timers.front()->fire());
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(platform.timers.front()->intervals(), (std::vector<int>{1000, 0}));
}

TEST(ScriptedPlatform, RecordingPrinterReportsPagesByPaperAndOrientation) {
    auto log = std::make_shared<RecordingPrinter::Log>();
    RecordingPrinter printer(log);
    printer.setPaperCode(9);
    printer.setOrientationCode(2);
    EXPECT_EQ(printer.pageWidthTwips(), 16838);
    EXPECT_EQ(printer.pageHeightTwips(), 11906);
    printer.setPaperCode(12);
    printer.setOrientationCode(1);
    EXPECT_EQ(printer.pageWidthTwips(), 14571);
    EXPECT_EQ(log->paperCodes, (std::vector<int>{9, 12}));
}

TEST(ScriptedPlatform, MessagesAndPrinterCancelByDefault) {
    ScriptedPlatform platform;
    EXPECT_EQ(platform.showMessage("t", "確認", MessageButtons::OkCancel), MessageAnswer::Cancel);
    EXPECT_EQ(platform.askPrinter(), nullptr);
    EXPECT_EQ(platform.printerRequests, 1);
}
