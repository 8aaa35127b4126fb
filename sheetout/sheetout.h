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

}  // namespace picturecraft::sheetout
