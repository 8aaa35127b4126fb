#pragma once

// Platform: every place where a program waits for a person or the machine.
//
// Windows receive one Platform at construction and reach dialogs, the clipboard, the printer,
// the mouse pointer and timers only through it. QtPlatform is the real one; tests hand in a
// ScriptedPlatform (scriptedplatform.h) that answers from a script and records every request.

#include <functional>
#include <memory>
#include <optional>

#include <QImage>
#include <QRectF>
#include <QString>

namespace picturecraft {

// How an open or save dialog is set up. Filters use the "description|pattern;pattern" form
// ("絵ファイル(*.bmp,*.jpg,*gif)|*.bmp;*.jpg;*.gif"), several entries joined by '|'.
struct FileDialogSetup {
    QString filter;
    int filterIndex = 0;
    QString initialFolder;
    QString fileName;
    bool cancelIsFailure = true;  // Cancel answers nullopt; otherwise an empty name
    bool askOverwrite = false;    // save only: ask before replacing an existing file
};

enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

// A printer chosen in the printer dialog: one document, one page.
class Printer {
  public:
    virtual ~Printer() = default;
    // Windows paper-size code: 9 A4, 13 JIS B5, 12 JIS B4, 8 A3. Others are ignored.
    virtual void setPaperCode(int code) = 0;
    // 1 portrait, 2 landscape.
    virtual void setOrientationCode(int code) = 0;
    // The whole sheet of paper in the chosen size and orientation, in twips.
    virtual int pageWidthTwips() const = 0;
    virtual int pageHeightTwips() const = 0;
    // Draws the whole picture scaled into `target` (twips from the printable area's corner).
    // False when the drawing failed.
    virtual bool drawPicture(const QImage& picture, const QRectF& target) = 0;
    // Ends the document and sends the page. False on a printer error.
    virtual bool endDocument() = 0;
};

// The one-shot conversion timer: a tick every interval while the interval is above 0.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void setInterval(int milliseconds) = 0;  // 0 stops the timer
    virtual int interval() const = 0;
    virtual void onTick(std::function<void()> handler) = 0;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // Open and save dialogs: the chosen path; nullopt for Cancel when cancelIsFailure.
    virtual std::optional<QString> askOpenFile(const FileDialogSetup& setup) = 0;
    virtual std::optional<QString> askSaveFile(const FileDialogSetup& setup) = 0;

    // The printer dialog: the chosen printer, or nullptr for Cancel.
    virtual std::unique_ptr<Printer> askPrinter() = 0;

    // A message box with a text, a title and no icon; closing it answers Cancel.
    virtual MessageAnswer showMessage(const QString& text, const QString& title,
                                      MessageButtons buttons) = 0;

    // The clipboard's picture in any format, or nullopt when it holds none.
    virtual std::optional<QImage> clipboardPicture() = 0;
    virtual void clearClipboard() = 0;
    virtual void putClipboardBitmap(const QImage& picture) = 0;

    // The busy (hourglass) or normal mouse pointer.
    virtual void setBusyPointer(bool busy) = 0;

    virtual std::unique_ptr<Timer> createTimer() = 0;
};

}  // namespace picturecraft
