#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "qtprinter.h"
#include "casename.h"

using namespace picturecraft;

namespace {

std::unique_ptr<QtPrinter> pdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return std::make_unique<QtPrinter>(std::move(printer));
}

}  // namespace

struct PaperCase {
    const char* name;
    int paperCode;
    int orientationCode;
    int widthTwips, heightTwips;  // 20 twips to a point, 2 twips of rounding allowed
};

class QtPrinterPaperTest : public testing::TestWithParam<PaperCase> {};

TEST_P(QtPrinterPaperTest, PaperCodesBecomeTheirPageSizes) {
    QTemporaryDir folder;
    auto printer = pdfPrinter(folder.filePath("page.pdf"));
    printer->setPaperCode(GetParam().paperCode);
    printer->setOrientationCode(GetParam().orientationCode);
    EXPECT_NEAR(printer->pageWidthTwips(), GetParam().widthTwips, 2);
    EXPECT_NEAR(printer->pageHeightTwips(), GetParam().heightTwips, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Platform, QtPrinterPaperTest,
    testing::Values(PaperCase{"a4_landscape", 9, 2, 16838, 11906},
                    PaperCase{"a4_portrait", 9, 1, 11906, 16838},
                    PaperCase{"jis_b5_portrait", 13, 1, 10319, 14571},
                    PaperCase{"jis_b4_landscape", 12, 2, 20636, 14571},
                    PaperCase{"a3_portrait", 8, 1, 16838, 23811}),
    ByCaseName());

TEST(QtPrinter, UnknownPaperCodeKeepsThePaper) {
    QTemporaryDir folder;
    auto printer = pdfPrinter(folder.filePath("page.pdf"));
    printer->setPaperCode(9);
    printer->setPaperCode(77);
    printer->setOrientationCode(1);
    EXPECT_NEAR(printer->pageWidthTwips(), 11906, 2);
}

TEST(QtPrinter, PrintsOnePageToPdf) {
    QTemporaryDir folder;
    const QString path = folder.filePath("page.pdf");
    auto printer = pdfPrinter(path);
    printer->setPaperCode(9);
    printer->setOrientationCode(2);
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    EXPECT_TRUE(printer->drawPicture(picture, QRectF(0.05, 0.05, 14000, 7000)));
    EXPECT_TRUE(printer->endDocument());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
}
