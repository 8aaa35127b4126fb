#pragma once

// PictureSlots: the four picture slots, each a working canvas Picture2(k) that the conversion
// reads and a thumbnail Picture4(k) that the user sees, and the filling of a slot from a file or
// the clipboard. No widgets: the main window shows the thumbnails, the command line uses the
// same slots without a window.
//
// A slot index k is neither the place on screen nor the number shown to the user:
//
//   slot k   number shown   place on screen (from the left)
//     0           1                 1st
//     2           2                 2nd
//     1           3                 3rd
//     3           4                 4th

#include <array>
#include <functional>
#include <optional>

#include <QImage>

#include "canvas.h"
#include "picturefit.h"
#include "sheetconversion.h"

namespace picturecraft::whirlfold {

inline constexpr int kSlotCount = 4;

// place 0..3 on screen from the left, or the number 1..4 minus one -> slot 0, 2, 1, 3.
int SlotAtPlace(int place);
// slot 0..3 -> the number 1, 3, 2, 4 shown to the user.
int NumberOfSlot(int slot);

// Where a slot's picture comes from; the two differ only in how a failed read ends.
enum class PictureSource { File, Clipboard };

class PictureSlots {
  public:
    // Every canvas at its design size (working canvases 401 x 489, thumbnails 145 x 145
    // pixels), with a flat 1-pixel border, white background.
    PictureSlots();

    // The start-up sizing of one slot: its thumbnail and working canvas get the width
    // height x sqrt(3) / 2 (stored in double precision, handed to the canvas in single
    // precision), and the thumbnail its guide. Run once per slot, in slot order.
    void SizeForStartup(int slot);

    Canvas& working(int slot) { return working_.at(slot); }
    const Canvas& working(int slot) const { return working_.at(slot); }
    Canvas& thumbnail(int slot) { return thumbnails_.at(slot); }
    const Canvas& thumbnail(int slot) const { return thumbnails_.at(slot); }
    WorkingCanvases workingCanvases() const;

    // The sizes stored at start-up, pixels.
    double thumbWidth(int slot) const { return thumbWidth_.at(slot); }
    double thumbHeight(int slot) const { return thumbHeight_.at(slot); }
    double workWidth(int slot) const { return workWidth_.at(slot); }
    double workHeight(int slot) const { return workHeight_.at(slot); }

    // The blue hexagon outline on the slot's thumbnail, from the stored thumbnail size.
    void DrawThumbnailGuide(int slot);

    // Fills the slot, in this order: clear the working canvas, clear the thumbnail (its guide
    // goes too), read the picture, fit it onto the working canvas, then onto the thumbnail,
    // then draw the guide. `readPicture` answers nullopt when the file cannot be decoded or the
    // clipboard holds no picture; the fill then ends there, leaving the slot blank: without a
    // guide for a file, with its guide for the clipboard. True when the slot was filled.
    bool FillSlot(int slot, PictureSource source,
                  const std::function<std::optional<QImage>()>& readPicture, FitMode mode);

  private:
    std::array<Canvas, kSlotCount> working_;
    std::array<Canvas, kSlotCount> thumbnails_;
    std::array<double, kSlotCount> thumbWidth_{};
    std::array<double, kSlotCount> thumbHeight_{};
    std::array<double, kSlotCount> workWidth_{};
    std::array<double, kSlotCount> workHeight_{};
};

}  // namespace picturecraft::whirlfold
