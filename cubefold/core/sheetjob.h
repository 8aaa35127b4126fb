#pragma once

// The command line's job: one picture file in, one sheet bitmap out, made as the program makes
// it from a fresh start (white canvases, one conversion) and written as its save writes it.

#include <optional>
#include <variant>

#include <QImage>
#include <QStringList>

#include "picturefit.h"

namespace picturecraft::cubefold {

struct SheetJob {
    QString picturePath;
    QString sheetPath;
    FitMode fit = FitMode::Contain;
};

struct UsageError {
    QString message;  // one line, without the usage text
};

// The usage text of `picturecraft cubefold`.
QString SheetJobUsage();

// Arguments after the subcommand's name: [--fit contain|none] -o SHEET.bmp PIC.
std::variant<SheetJob, UsageError> ParseSheetJob(const QStringList& args);

// The sheet canvas's raster (973 x 637) after one conversion of `picture`.
QImage MakeSheet(const QImage& picture, FitMode fit);

// Decodes the picture, converts it and writes the sheet as a 24-bit bitmap under exactly
// job.sheetPath. nullopt on success; otherwise one line naming the file and the reason, and
// no sheet file written (an existing one is left as it was).
std::optional<QString> RunSheetJob(const SheetJob& job);

}  // namespace picturecraft::cubefold
