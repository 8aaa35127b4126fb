#include "scriptedplatform.h"

namespace picturecraft {

namespace {

std::optional<QString> answerFileDialog(std::deque<std::optional<QString>>& answers,
                                        const FileDialogSetup& setup) {
    std::optional<QString> chosen;
    if (!answers.empty()) {
        chosen = answers.front();
        answers.pop_front();
    }
    if (chosen) return chosen;
    if (setup.cancelIsFailure) return std::nullopt;
    return QString();
}

}  // namespace

RecordingPrinter::RecordingPrinter(std::shared_ptr<Log> log, int paperCode, int orientationCode)
    : log_(std::move(log)), paperCode_(paperCode), orientationCode_(orientationCode) {}

QSize RecordingPrinter::portraitTwips(int code) {
    switch (code) {
        case 9:
            return {11906, 16838};  // A4 210 x 297 mm
        case 13:
            return {10319, 14571};  // JIS B5 182 x 257 mm
        case 12:
            return {14571, 20636};  // JIS B4 257 x 364 mm
        case 8:
            return {16838, 23811};  // A3 297 x 420 mm
        default:
            return {};
    }
}

void RecordingPrinter::setPaperCode(int code) {
    log_->paperCodes.push_back(code);
    if (!portraitTwips(code).isEmpty()) paperCode_ = code;
}

void RecordingPrinter::setOrientationCode(int code) {
    log_->orientationCodes.push_back(code);
    orientationCode_ = code;
}

int RecordingPrinter::pageWidthTwips() const {
    const QSize portrait = portraitTwips(paperCode_);
    return orientationCode_ == 2 ? portrait.height() : portrait.width();
}

int RecordingPrinter::pageHeightTwips() const {
    const QSize portrait = portraitTwips(paperCode_);
    return orientationCode_ == 2 ? portrait.width() : portrait.height();
}

bool RecordingPrinter::drawPicture(const QImage& picture, const QRectF& target) {
    log_->drawings.push_back({picture, target});
    return true;
}

bool RecordingPrinter::endDocument() {
    log_->ended = true;
    return true;
}

void ScriptedTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    intervals_.push_back(milliseconds);
}

bool ScriptedTimer::fire() {
    if (interval_ <= 0 || !handler_) return false;
    ++ticks_;
    handler_();
    return true;
}

void ScriptedPlatform::answerPrinterWith(std::shared_ptr<RecordingPrinter::Log> log, int paperCode,
                                         int orientationCode) {
    printerAnswers.push_back([log, paperCode, orientationCode]() -> std::unique_ptr<Printer> {
        return std::make_unique<RecordingPrinter>(log, paperCode, orientationCode);
    });
}

std::optional<QString> ScriptedPlatform::askOpenFile(const FileDialogSetup& setup) {
    openRequests.push_back(setup);
    return answerFileDialog(openAnswers, setup);
}

std::optional<QString> ScriptedPlatform::askSaveFile(const FileDialogSetup& setup) {
    saveRequests.push_back(setup);
    return answerFileDialog(saveAnswers, setup);
}

std::unique_ptr<Printer> ScriptedPlatform::askPrinter() {
    ++printerRequests;
    if (printerAnswers.empty()) return nullptr;
    const auto make = std::move(printerAnswers.front());
    printerAnswers.pop_front();
    return make ? make() : nullptr;
}

MessageAnswer ScriptedPlatform::showMessage(const QString& text, const QString& title,
                                            MessageButtons buttons) {
    messages.push_back({text, title, buttons});
    if (messageAnswers.empty()) return MessageAnswer::Cancel;
    const MessageAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

void ScriptedPlatform::setBusyPointer(bool isBusy) {
    busy = isBusy;
    pointerChanges.push_back(isBusy);
}

std::unique_ptr<Timer> ScriptedPlatform::createTimer() {
    auto timer = std::make_unique<ScriptedTimer>();
    timers.push_back(timer.get());
    return timer;
}

}  // namespace picturecraft
