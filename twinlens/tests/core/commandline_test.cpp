#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "casename.h"
#include "commandline.h"
#include "picturefile.h"
#include "pictures.h"

using namespace picturecraft;
using namespace picturecraft::twinlens;
using namespace picturecraft::twinlens::testing;

namespace {

constexpr QRgb kPhoto1 = rgb(0x9A, 0x5C, 0x33);
constexpr QRgb kPhoto2 = rgb(0x47, 0xB8, 0xE1);

// A folder with left.bmp, right.bmp (both 4:3, solid) and notes.bmp (not a picture).
class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(writePicture(solidPicture(8, 6, kPhoto1), path("left.bmp")));
        ASSERT_TRUE(writePicture(solidPicture(8, 6, kPhoto2), path("right.bmp")));
        QFile notes(path("notes.bmp"));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("no picture here");
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    // Runs the command with {out}, {left}, {right}, {notes}, {gone} (no such file) and
    // {blocked} (below a file) standing for paths in the folder.
    int run(const QStringList& args) {
        const std::pair<const char*, const char*> names[] = {
            {"{out}", "out.bmp"},     {"{left}", "left.bmp"}, {"{right}", "right.bmp"},
            {"{notes}", "notes.bmp"}, {"{gone}", "gone.jpg"}, {"{blocked}", "left.bmp/out.bmp"}};
        QStringList expanded;
        for (QString arg : args) {
            for (const auto& [token, name] : names)
                arg.replace(QString::fromUtf8(token), path(name));
            expanded << arg;
        }
        errors.clear();
        QTextStream err(&errors);
        const int code = RunCommandLine(expanded, err);
        err.flush();
        return code;
    }
    bool outputExists() const { return QFile::exists(path("out.bmp")); }

    QTemporaryDir folder;
    QString errors;
};

struct OutputCase {
    const char* name;
    QStringList args;
    int width, height;  // pixels
    QRgb colour;        // of every pixel (the photographs are solid)
};

class CommandLineOutputTest : public CommandLineTest,
                              public ::testing::WithParamInterface<OutputCase> {};

TEST_P(CommandLineOutputTest, WritesTheCroppedComposite) {
    const OutputCase& c = GetParam();
    ASSERT_EQ(run(c.args), kExitSuccess) << errors.toStdString();
    EXPECT_TRUE(errors.isEmpty());
    const std::optional<QImage> written = decodePictureFile(path("out.bmp"));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->width(), c.width);
    EXPECT_EQ(written->height(), c.height);
    EXPECT_EQ(colourText(written->pixel(0, 0)), colourText(c.colour));
    EXPECT_EQ(colourText(written->pixel(c.width - 1, c.height - 1)), colourText(c.colour));
}

INSTANTIATE_TEST_SUITE_P(
    Twinlens, CommandLineOutputTest,
    ::testing::Values(
        OutputCase{"red_cyan_by_default",
                   {"-o", "{out}", "{left}", "{right}"},
                   640,
                   480,
                   rgb(0x9A, 0xB8, 0xE1)},
        OutputCase{"red_blue",
                   {"--colors", "blue", "-o", "{out}", "{left}", "{right}"},
                   640,
                   480,
                   rgb(0x9A, 0, 0xE1)},
        OutputCase{"red_green_shifted_and_cropped",
                   {"--colors=green", "--shift", "30,-15", "-o", "{out}", "{left}", "{right}"},
                   638,
                   479,
                   rgb(0x9A, 0xB8, 0)},
        OutputCase{"a_long_shift_left_and_down",
                   {"--shift", "-1005,90", "-o", "{out}", "{left}", "{right}"},
                   573,
                   474,
                   rgb(0x9A, 0xB8, 0xE1)},
        OutputCase{"photograph_1_only",
                   {"--only", "left", "-o", "{out}", "{left}", "{right}"},
                   640,
                   480,
                   rgb(0x9A, 255, 255)},
        OutputCase{"photograph_2_only_red_green",
                   {"--colors", "green", "--only", "right", "-o", "{out}", "{left}", "{right}"},
                   640,
                   480,
                   rgb(255, 0xB8, 0)},
        OutputCase{"no_photograph_2_leaves_the_plain_filter",
                   {"-o", "{out}", "{left}"},
                   640,
                   480,
                   rgb(0x9A, 255, 255)}),
    ByCaseName());

struct UsageCase {
    const char* name;
    QStringList args;
};

class CommandLineUsageTest : public CommandLineTest,
                             public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CommandLineUsageTest, IsAUsageErrorWithNoOutput) {
    EXPECT_EQ(run(GetParam().args), kExitUsage);
    EXPECT_FALSE(outputExists());
    EXPECT_EQ(errors.count(QLatin1Char('\n')), 1) << errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Twinlens, CommandLineUsageTest,
    ::testing::Values(
        UsageCase{"nothing_given", {}}, UsageCase{"no_output", {"{left}", "{right}"}},
        UsageCase{"no_photograph", {"-o", "{out}"}},
        UsageCase{"three_photographs", {"-o", "{out}", "{left}", "{right}", "{left}"}},
        UsageCase{"output_without_a_name", {"{left}", "-o"}},
        UsageCase{"an_unknown_colour", {"--colors", "red", "-o", "{out}", "{left}"}},
        UsageCase{"an_unknown_preview", {"--only", "both", "-o", "{out}", "{left}"}},
        UsageCase{"a_shift_off_the_pixel_grid", {"--shift", "7,0", "-o", "{out}", "{left}"}},
        UsageCase{"a_shift_with_one_number", {"--shift", "30", "-o", "{out}", "{left}"}},
        UsageCase{"a_shift_that_is_not_a_number", {"--shift", "a,b", "-o", "{out}", "{left}"}},
        UsageCase{"a_shift_beyond_photograph_1",
                  {"--shift", "9600,0", "-o", "{out}", "{left}", "{right}"}},
        UsageCase{"an_unknown_option", {"--mirror", "-o", "{out}", "{left}"}}),
    ByCaseName());

struct FailureCase {
    const char* name;
    QStringList args;
    const char* namedFile;
};

class CommandLineFailureTest : public CommandLineTest,
                               public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CommandLineFailureTest, NamesTheFileAndLeavesNoOutput) {
    const FailureCase& c = GetParam();
    EXPECT_EQ(run(c.args), kExitFailure);
    EXPECT_FALSE(outputExists());
    EXPECT_EQ(errors.count(QLatin1Char('\n')), 1) << errors.toStdString();
    EXPECT_TRUE(errors.contains(path(c.namedFile))) << errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Twinlens, CommandLineFailureTest,
    ::testing::Values(
        FailureCase{"missing_left_photograph", {"-o", "{out}", "{gone}"}, "gone.jpg"},
        FailureCase{
            "undecodable_left_photograph", {"-o", "{out}", "{notes}", "{right}"}, "notes.bmp"},
        FailureCase{
            "undecodable_right_photograph", {"-o", "{out}", "{left}", "{notes}"}, "notes.bmp"},
        FailureCase{"unwritable_output", {"-o", "{blocked}", "{left}"}, "left.bmp/out.bmp"}),
    ByCaseName());

TEST_F(CommandLineTest, AFailedRunKeepsAnEarlierOutput) {
    QFile earlier(path("out.bmp"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    EXPECT_EQ(run({"-o", "{out}", "{notes}"}), kExitFailure);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));
}

}  // namespace
