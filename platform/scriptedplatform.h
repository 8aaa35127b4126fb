#pragma once

// ScriptedPlatform: the test double of Platform. Each service answers from a queue the test
// fills beforehand (an empty queue gives the "cancel" answer) and records every request, so a
// workflow runs headless and the test checks both what was asked and what came of it.

#include <deque>
#include <vector>

#include "platform.h"

namespace picturecraft {

// A printer that remembers every call. Page sizes follow the paper and orientation set, in
// twips (A4 portrait 11906 x 16838); an unknown code keeps the paper as it was.
class RecordingPrinter : public Printer {
  public:
    struct Drawing {
        QImage picture;
        QRectF target;
    };
    struct Log {
        std::vector<int> paperCodes;
        std::vector<int> orientationCodes;
        std::vector<Drawing> drawings;
        bool ended = false;
    };

    // The log outlives the printer (the program destroys its printer after the page).
    explicit RecordingPrinter(std::shared_ptr<Log> log, int paperCode = 9, int orientationCode = 1);

    void setPaperCode(int code) override;
    void setOrientationCode(int code) override;
    int pageWidthTwips() const override;
    int pageHeightTwips() const override;
    bool drawPicture(const QImage& picture, const QRectF& target) override;
    bool endDocument() override;

    // Portrait width and height of a paper code, in twips.
    static QSize portraitTwips(int code);

  private:
    std::shared_ptr<Log> log_;
    int paperCode_;
    int orientationCode_;
};

class ScriptedTimer : public Timer {
  public:
    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }
    void onTick(std::function<void()> handler) override { handler_ = std::move(handler); }

    // Runs one tick if the timer is armed; false when it is stopped.
    bool fire();
    // Every interval set, in order.
    const std::vector<int>& intervals() const { return intervals_; }
    int ticks() const { return ticks_; }

  private:
    int interval_ = 0;
    int ticks_ = 0;
    std::vector<int> intervals_;
    std::function<void()> handler_;
};

class ScriptedPlatform : public Platform {
  public:
    struct Message {
        QString text;
        QString title;
        MessageButtons buttons;
    };

    // Scripts: answers handed out in order. An empty queue answers Cancel / nothing.
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    // Each entry makes the printer the dialog returns; nullptr (or an empty queue) = Cancel.
    std::deque<std::function<std::unique_ptr<Printer>()>> printerAnswers;
    std::deque<MessageAnswer> messageAnswers;

    // The clipboard's content.
    std::optional<QImage> clipboard;

    // Records.
    std::vector<FileDialogSetup> openRequests;
    std::vector<FileDialogSetup> saveRequests;
    int printerRequests = 0;
    std::vector<Message> messages;
    std::vector<bool> pointerChanges;  // true busy, false normal
    bool busy = false;
    std::vector<ScriptedTimer*> timers;  // owned by whoever asked for them

    // Helpers for the common scripts.
    void answerPrinterWith(std::shared_ptr<RecordingPrinter::Log> log, int paperCode = 9,
                           int orientationCode = 1);

    std::optional<QString> askOpenFile(const FileDialogSetup& setup) override;
    std::optional<QString> askSaveFile(const FileDialogSetup& setup) override;
    std::unique_ptr<Printer> askPrinter() override;
    MessageAnswer showMessage(const QString& text, const QString& title,
                              MessageButtons buttons) override;
    std::optional<QImage> clipboardPicture() override { return clipboard; }
    void clearClipboard() override { clipboard.reset(); }
    void putClipboardBitmap(const QImage& picture) override { clipboard = picture; }
    void setBusyPointer(bool isBusy) override;
    std::unique_ptr<Timer> createTimer() override;
};

}  // namespace picturecraft
