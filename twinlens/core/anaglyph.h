#pragma once

// Anaglyph: Twinlens's two photograph slots, its channel canvases, the composite and the
// output, with every operation the window's buttons, menus and arrow pad run. No widgets: the
// window and the command line drive the same object, so both hand out the same pixels.
//
// All canvases work in twips (15 to a pixel) and stack at one place in the window:
//
//   Picture1  left channel     photograph 1 AND red                  (r1, 0, 0)
//   Picture2  right channel    photograph 2 AND the right filter     (0, g2, b2) in mode 0
//   Picture3  composite        black XOR left XOR right              (r1, g2, b2)
//   Picture4  output           the composite cropped to the overlap of the two photographs
//   Picture6  spare            a full-intensity channel for the single-photograph previews
//   Picture7  holder 1         photograph 1 as pasted, at its natural size
//   Picture8  holder 2         photograph 2 as pasted, at its natural size
//
// Every step is one whole-canvas raster operation (fill, AND, XOR, copy); nothing loops over
// pixels here.

#include <QImage>
#include <QSizeF>
#include <QString>

#include "canvas.h"
#include "numbers.h"

namespace picturecraft::twinlens {

inline constexpr QRgb kLeftFilter = rgb(255, 0, 0);
inline constexpr QRgb kSpareCyan = rgb(0, 255, 255);
inline constexpr QRgb kCompositeBlack = rgb(0, 0, 0);
// The plain background an emptied canvas shows: the button face.
inline constexpr QRgb kButtonFace = rgb(212, 208, 200);

inline constexpr double kDesignWidth = 9600.0;  // twips: the composite as laid out
inline constexpr double kDesignHeight = 7200.0;
inline constexpr int kStep = 15;     // twips: one arrow, a pixel
inline constexpr int kBigStep = 75;  // twips: a double arrow, five pixels

// The right filter colour of a colour option: 0 red/cyan (0, 255, 255), 1 red/blue
// (0, 0, 255), 2 red/green (0, 255, 0).
QRgb RightFilterColour(int colorMode);

enum class SourceKind { File, Clipboard };

// The arrow pad, by the index of its button Command3(i).
enum class ArrowButton {
    Left = 0,        // "←"   offsetX - 15
    Right = 1,       // "→"   offsetX + 15
    Up = 2,          // "↑"   offsetY - 15
    Down = 3,        // "↓"   offsetY + 15
    LeftLeft = 4,    // "←←"  offsetX - 75
    UpUp = 5,        // "↑↑"  offsetY - 75
    RightRight = 6,  // "→→"  offsetX + 75
    DownDown = 7,    // "↓↓"  offsetY + 75
    Zero = 8,        // "0"   both offsets 0
};

// A thumbnail keeps its photograph as it came in and shows it stretched to its size.
struct Thumbnail {
    QImage picture;  // null: the thumbnail is empty
    QSizeF size;     // twips
};

class Anaglyph {
  public:
    // The start-up state: colour option 0, the left channel pure red, the right channel cyan,
    // the composite black at 9600 x 7200 twips, both thumbnails empty, offsets 0.
    Anaglyph();

    // --- The slots -------------------------------------------------------------------------
    // A load or paste changes nothing unless it has a picture: an unreadable file or a null
    // picture returns false and leaves the slot, the channel and the composite as they were.
    // Once it has one, it empties the channel canvas and the composite (back at the designed
    // size), fits the slot to the picture's ratio and draws the photograph into its channel.
    // A new photograph 1 also puts the offsets back to 0, so that the next composite and the
    // crop of every output agree on where photograph 1 lies.
    bool LoadPicture1(const QString& path);
    bool LoadPicture2(const QString& path);  // records path2, sourceKind2 = File
    bool PastePicture1(const QImage& picture);
    bool PastePicture2(const QImage& picture);  // keeps it in holder 2, sourceKind2 = Clipboard

    // Fits the slot's thumbnail and channel canvas to pictureWidth x pictureHeight.
    void FitPicture1();
    void FitPicture2();

    // "clear": the channel becomes its plain filter colour and the thumbnail empty; the
    // composite stays. Slot 2 also forgets its recorded source, so a later conversion does
    // not bring the cleared photograph back.
    void ClearSlot1();
    void ClearSlot2();

    // --- Colour option ---------------------------------------------------------------------
    // 0, 1 or 2 (other values are ignored). Redraws nothing: the new colour shows once the
    // right channel is refilled.
    void SetColorMode(int mode);
    int colorMode() const { return colorMode_.value(); }

    // --- Channel and composite operations (whole canvases) ---------------------------------
    void FillLeftChannel();   // red
    void FillRightChannel();  // the right filter colour of colorMode
    void ClearComposite();    // black
    void FillSpareCyan();
    void FillSpareRed();
    // Refills the right channel and draws photograph 2 from its recorded source over it by
    // AND. A source that cannot be had leaves the plain filter colour, silently.
    void ReconvertPicture2();
    // The composite takes the larger width and the larger height of the two channels; the
    // output and spare canvases follow it.
    void SizeComposite();
    void CompositeBoth();       // black XOR left XOR right
    void CompositeLeftOnly();   // black XOR left XOR cyan
    void CompositeRightOnly();  // black XOR right XOR red

    // The three conversion buttons.
    void ConvertAndCombine();  // "変換・合成": ReconvertPicture2, CompositeBoth
    void ConvertLeftOnly();    // "絵１のみ変換": CompositeLeftOnly
    void ConvertRightOnly();   // "絵２のみ変換": ReconvertPicture2, CompositeRightOnly

    // --- The arrow pad ---------------------------------------------------------------------
    // Redraws photograph 1 at the new offsets over a red left channel and rebuilds the
    // composite from both channels (the right channel is not refilled). Returns false, and
    // changes nothing, for an arrow pressed with no photograph 1 in its slot, or one that
    // would push photograph 1 so far that less than one pixel of it stays on its canvas.
    // "0" is always taken.
    bool Nudge(ArrowButton button);
    // Whether a press of `button` would be taken.
    bool CanNudge(ArrowButton button) const;

    // --- Output ----------------------------------------------------------------------------
    // The composite cropped by the offsets into the output canvas:
    // (compositeWidth - |offsetX|) x (compositeHeight - |offsetY|) twips from
    // (max(offsetX, 0), max(offsetY, 0)). False when the output has no pixel to hand out.
    bool CropOutput();

    // --- State -----------------------------------------------------------------------------
    const Canvas& leftChannel() const { return picture1_; }   // Picture1
    const Canvas& rightChannel() const { return picture2_; }  // Picture2
    const Canvas& composite() const { return picture3_; }     // Picture3
    // For the view that shows the composite; change it only through the operations above.
    Canvas& composite() { return picture3_; }
    const Canvas& output() const { return picture4_; }   // Picture4
    const Canvas& spare() const { return picture6_; }    // Picture6
    const Canvas& holder1() const { return picture7_; }  // Picture7
    const Canvas& holder2() const { return picture8_; }  // Picture8
    const Thumbnail& thumbnail1() const { return thumbnail1_; }
    const Thumbnail& thumbnail2() const { return thumbnail2_; }
    bool hasPicture1() const { return !thumbnail1_.picture.isNull(); }

    int offsetX() const { return offsetX_; }
    int offsetY() const { return offsetY_; }
    double designWidth() const { return designWidth_; }
    double designHeight() const { return designHeight_; }
    QSizeF paint1Size() const { return {paint1Width_, paint1Height_}; }
    QSizeF paint2Size() const { return {paint2Width_, paint2Height_}; }
    SourceKind sourceKind2() const { return sourceKind2_; }
    const QString& path2() const { return path2_; }

  private:
    void EmptyForNewPicture(Canvas& channel);
    void TakePicture1(const QImage& picture);
    void TakePicture2(const QImage& picture);
    void DrawPicture1();
    void XorOntoComposite(const Canvas& source);
    QRectF paint2Rect() const { return {0.0, 0.0, paint2Width_, paint2Height_}; }

    Canvas picture1_;
    Canvas picture2_;
    Canvas picture3_;
    Canvas picture4_;
    Canvas picture6_;
    Canvas picture7_;
    Canvas picture8_;
    // Photograph 1 scaled once to paint1Width x paint1Height on white (AND's identity), so
    // that a press costs an unscaled AND. Gives the pixels of a scaled draw at the offsets,
    // which are whole pixels.
    Canvas scaledPicture1_;
    Thumbnail thumbnail1_;
    Thumbnail thumbnail2_;

    double designWidth_ = 0.0;
    double designHeight_ = 0.0;
    double pictureWidth_ = 0.0;
    double pictureHeight_ = 0.0;
    double paint1Width_ = 0.0;
    double paint1Height_ = 0.0;
    double paint2Width_ = 0.0;
    double paint2Height_ = 0.0;
    SourceKind sourceKind2_ = SourceKind::File;
    QString path2_;
    Int16 colorMode_ = 0;
    int offsetX_ = 0;
    int offsetY_ = 0;
};

}  // namespace picturecraft::twinlens
