#pragma once

// sheetout: what the three programs share to hand out their result picture.
//
//   print menu item --> ShowPaperDialog() --> Form3 (paper size, orientation)
//                                               |  ＯＫ: PrintSheet(), then hide
//                                               |  やめる: hide
//                                               v
//                                   (Whirlfold, Cubefold: the sheet window is shown again)
//   save menu item  --> SaveSheet(canvas)
//
// Each program makes one SheetOutput with its Variant; the variant decides the sizes offered,
// the dialog's layout, the paper-code table, the placement on the page, the busy pointer and
// the save dialog's set-up.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QRectF>
#include <QString>

#include "canvas.h"
#include "platform.h"

class QWidget;

namespace picturecraft::sheetout {

enum class Variant { Whirlfold, Cubefold, Twinlens };

// Indices of the chosen option buttons: paperSize 0 A4, 1 JIS B5, 2 JIS B4, 3 A3;
// paperOrientation 0 landscape, 1 portrait. One per program, never stored.
struct PaperSettings {
    std::int16_t paperSize = 0;
    std::int16_t paperOrientation = 0;
};

// What a program hands the library.
struct SheetSource {
    // The canvas whose current contents are printed (Picture3, or Twinlens's Picture4).
    std::function<const Canvas&()> printedCanvas;
    // Twinlens's CropOutput: run after the printer dialog, before the picture is taken.
    // Empty for Whirlfold and Cubefold.
    std::function<void()> prepareForPrinting;
    // Whirlfold and Cubefold: shows the sheet window again after the paper dialog hides.
    // Empty for Twinlens.
    std::function<void()> showSheetWindowAgain;
};

class PaperDialog;

class SheetOutput {
  public:
    // The platform must outlive the SheetOutput.
    SheetOutput(Variant variant, Platform& platform, SheetSource source);
    ~SheetOutput();

    Variant variant() const { return variant_; }
    PaperSettings& paperSettings() { return settings_; }
    const PaperSettings& paperSettings() const { return settings_; }

    // The print menu item: shows Form3 modeless, creating it if needed, bringing it to front.
    void ShowPaperDialog();
    // The paper dialog while it exists (hidden or shown), else nullptr. For tests and the
    // programs' window handling.
    PaperDialog* paperDialog() const;

    // Printer dialog, paper and orientation codes, placement, one page. Silent on failure.
    void PrintSheet();

    // Save dialog, then the canvas's raster written as a 24-bit bitmap under exactly the
    // chosen name. Cancel is silent; a failed write shows a short message and leaves any
    // earlier file as it was. Returns true when a file was written.
    bool SaveSheet(const Canvas& canvas);

  private:
    Variant variant_;
    Platform& platform_;
    SheetSource source_;
    PaperSettings settings_;
    class DialogHolder;
    std::unique_ptr<DialogHolder> dialog_;
};

// The folder of the running executable, always ending in "/".
QString ProgramFolder();

// The folder with one "/" appended unless it already ends in one (the root "/" stays "/").
QString folderWithSeparator(const QString& folder);

// "Whirlfold", "Cubefold" or "Twinlens": the paper dialog's caption and the message titles.
QString programName(Variant variant);

// The starting paper settings of a program: B4 landscape in Whirlfold, A4 landscape otherwise.
PaperSettings startingPaperSettings(Variant variant);

// The Windows paper-size code PrintSheet sends for a paperSize index (9 A4, 13 JIS B5,
// 12 JIS B4, 8 A3). Whirlfold sends nothing (nullopt) for an index it does not offer, so the
// printer keeps its paper; Cubefold and Twinlens send 9 for 0 and 13 for anything else.
std::optional<int> paperCodeFor(Variant variant, std::int16_t paperSize);

// The orientation code PrintSheet sends: 2 (landscape) for 0, 1 (portrait) for anything else.
int orientationCodeFor(std::int16_t paperOrientation);

// Whirlfold and Cubefold: the sheet drawn 90 % of the page width wide, its height by the
// picture's ratio (not compared with the page height), at (0.05, 0.05).
//   pageWidth: PW in twips; picWidth, picHeight: the canvas's outer size (any unit, only the
//   ratio counts; taken in single precision).
// The rectangle is in twips from the printable area's corner, each value in single precision.
QRectF sheetPlacement(int pageWidth, double picWidth, double picHeight);

// Twinlens: the picture fitted into a box of 90 % of the page each way and centred on the page.
//
//   +---------------- PW -----------------+
//   |        (PH - printH) / 2            |
//   |   +-------- box 0.9 PW ---------+   |
//   |   |  +--- printW x printH ---+  |   |
//   |   |  |                       |  |   |
//   |   |  +-----------------------+  |   |
//   |   +-----------------------------+   |
//   +-------------------------------------+
//
// fittedToWidth: the width branch was taken (the picture is not taller in proportion than the
// box, ties included): printW = box width. Otherwise printH = box height.
struct FittedPlacement {
    QRectF target;  // twips from the printable area's corner, each value in single precision
    bool fittedToWidth = true;
};
FittedPlacement fittedPlacement(int pageWidth, int pageHeight, double outputWidth,
                                double outputHeight);

}  // namespace picturecraft::sheetout
