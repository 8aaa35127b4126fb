// Real prints: each program's PrintSheet through a QtPrinter writing a PDF, read back from the
// file with poppler's pdfinfo (page size, page count) and pdftoppm (where the picture landed).
//
//   page corner
//   +-------------------------------------------+
//   |  margin (the PDF's unprintable edge)      |
//   |   +-- printable area ------------------   |
//   |   |  target rectangle, measured from     |
//   |   |  the printable area's corner         |
//
// The Printer seam measures the target from the printable area's corner, so on a page with
// margins the picture lands at margin + target; with zero margins at the target itself.

#include <gtest/gtest.h>

#include <QImage>
#include <QPageLayout>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "canvas.h"
#include "casename.h"
#include "qtprinter.h"
#include "scriptedplatform.h"
#include "sheetout.h"

using namespace picturecraft;
using namespace picturecraft::sheetout;

namespace {

constexpr int kRenderDpi = 144;  // 10 twips to a rendered pixel
constexpr double kTwipsPerRenderedPixel = 1440.0 / kRenderDpi;
constexpr double kPlaceTolerance = 1.5;  // rendered pixels
constexpr QRgb kBlue = rgb(0, 0, 255);
constexpr QRgb kRed = rgb(255, 0, 0);

struct PdfCase {
    const char* name;
    Variant variant;
    PaperSettings settings;
    double canvasWidth, canvasHeight;  // outer size in the program's own canvas unit
    double marginPoints;               // the PDF's margins on every side
    double pageWidthMm, pageHeightMm;  // the sheet of paper as it should come out
    QRectF placeTwips;                 // where the picture should land, from the page corner
};

struct Poppler {
    QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    bool present() const { return !pdfinfo.isEmpty() && !pdftoppm.isEmpty(); }
};

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The program's printed canvas: blue top-left quarter, red elsewhere, so a turned or mirrored
// picture shows.
Canvas quarteredCanvas(Variant variant, double width, double height) {
    const bool twips = variant == Variant::Twinlens;
    Canvas canvas(width, height, twips ? CanvasUnit::Twips : CanvasUnit::Pixels,
                  variant == Variant::Cubefold ? CanvasEdge::SunkenFrame : CanvasEdge::None);
    canvas.fillBox(QRectF(0, 0, canvas.innerWidth(), canvas.innerHeight()), kRed);
    canvas.fillBox(QRectF(0, 0, canvas.innerWidth() / 2, canvas.innerHeight() / 2), kBlue);
    return canvas;
}

bool inked(QRgb pixel) {
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 600;
}

// The bounding box of everything not white on the page.
QRect inkedBox(const QImage& page) {
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (inked(page.pixel(x, y))) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

bool near(QRgb pixel, QRgb colour) {
    return std::abs(qRed(pixel) - qRed(colour)) < 40 &&
           std::abs(qGreen(pixel) - qGreen(colour)) < 40 &&
           std::abs(qBlue(pixel) - qBlue(colour)) < 40;
}

}  // namespace

class PdfPrintTest : public testing::TestWithParam<PdfCase> {};

TEST_P(PdfPrintTest, PagePaperOrientationAndPlaceComeOutAsSet) {
    const Poppler poppler;
    if (!poppler.present()) GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) not found";
    const PdfCase& row = GetParam();
    QTemporaryDir folder;
    const QString pdfPath = folder.filePath("page.pdf");

    ScriptedPlatform platform;
    platform.printerAnswers.push_back([&]() -> std::unique_ptr<Printer> {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
        const double m = row.marginPoints;
        printer->setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Point);
        return std::make_unique<QtPrinter>(std::move(printer));
    });
    Canvas canvas = quarteredCanvas(row.variant, row.canvasWidth, row.canvasHeight);
    SheetOutput output(row.variant, platform,
                       SheetSource{[&]() -> const Canvas& { return canvas; }, [] {}, {}});
    output.paperSettings() = row.settings;
    output.PrintSheet();

    const QString info = run(poppler.pdfinfo, {pdfPath});
    ASSERT_FALSE(info.isEmpty()) << "no readable PDF was written";
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    const QRegularExpressionMatch size =
        QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    EXPECT_NEAR(size.captured(1).toDouble(), row.pageWidthMm / 25.4 * 72, 1.0);
    EXPECT_NEAR(size.captured(2).toDouble(), row.pageHeightMm / 25.4 * 72, 1.0);

    const QString pngBase = folder.filePath("page");
    run(poppler.pdftoppm,
        {"-r", QString::number(kRenderDpi), "-png", "-singlefile", pdfPath, pngBase});
    const QImage page(pngBase + ".png");
    ASSERT_FALSE(page.isNull());
    const QRect box = inkedBox(page);
    ASSERT_FALSE(box.isEmpty()) << "nothing was printed";
    const QRectF expected(row.placeTwips.left() / kTwipsPerRenderedPixel,
                          row.placeTwips.top() / kTwipsPerRenderedPixel,
                          row.placeTwips.width() / kTwipsPerRenderedPixel,
                          row.placeTwips.height() / kTwipsPerRenderedPixel);
    EXPECT_NEAR(box.left(), expected.left(), kPlaceTolerance);
    EXPECT_NEAR(box.top(), expected.top(), kPlaceTolerance);
    EXPECT_NEAR(box.right() + 1, expected.right(), kPlaceTolerance);
    EXPECT_NEAR(box.bottom() + 1, expected.bottom(), kPlaceTolerance);
    EXPECT_TRUE(near(page.pixel(box.left() + 3, box.top() + 3), kBlue));
    EXPECT_TRUE(near(page.pixel(box.right() - 3, box.bottom() - 3), kRed));
    EXPECT_TRUE(near(page.pixel(box.right() - 3, box.top() + 3), kRed));
}

// Page widths in twips as the printer reports them (millimetres to twips, rounded):
// A4 297 x 210 mm -> 16838 x 11906; JIS B4 364 mm -> 20636; JIS B5 182 mm -> 10318.
INSTANTIATE_TEST_SUITE_P(
    Sheetout, PdfPrintTest,
    testing::Values(
        // 18572.4 wide, 100 * 18572.4 / 200 high, at (0.05, 0.05).
        PdfCase{"whirlfold_b4_landscape_at_the_corner",
                Variant::Whirlfold,
                {2, 0},
                200,
                100,
                0,
                364,
                257,
                QRectF(0.05, 0.05, 18572.4, 9286.2)},
        // 9286.2 wide, 400 * 9286.2 / 300 high, 10 points (200 twips) in from the corner.
        PdfCase{"cubefold_b5_portrait_inside_the_margins",
                Variant::Cubefold,
                {1, 1},
                300,
                400,
                10,
                182,
                257,
                QRectF(200.05, 200.05, 9286.2, 12381.6)},
        PdfCase{"twinlens_a4_landscape_centred",
                Variant::Twinlens,
                {0, 0},
                9600,
                7200,
                0,
                297,
                210,
                QRectF(1275.4, 595.3, 14287.2, 10715.4)},
        // Centred by the whole page's size, then measured from the printable area's corner.
        PdfCase{"twinlens_a4_portrait_wide_output_inside_the_margins",
                Variant::Twinlens,
                {0, 1},
                9600,
                4800,
                10,
                210,
                297,
                QRectF(200 + 595.3, 200 + (16838 - 10715.4 * 0.5) / 2, 10715.4, 5357.7)}),
    ByCaseName());
