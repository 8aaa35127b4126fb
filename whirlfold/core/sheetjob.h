#pragma once

// SheetJob: one sheet made without a window, from picture files, exactly as the program makes
// it from a fresh start: the same start-up sizes, the same loading of each slot, one conversion.
// The command line's `whirlfold` subcommand is a thin shell over RunSheetJob.

#include <array>

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "picturefit.h"

namespace picturecraft::whirlfold {

struct SheetJob {
    // Picture files by the number shown to the user: picturesByNumber[0] is picture 1 (slot 0),
    // [1] picture 2 (slot 2), [2] picture 3 (slot 1), [3] picture 4 (slot 3). An empty path
    // leaves that slot blank.
    std::array<QString, 4> picturesByNumber;
    FitMode fitMode = FitMode::Wide;
};

struct SheetJobResult {
    // The finished backdrop canvas's contents (1223 x 500 at the start-up sizes); null when a
    // picture could not be read.
    QImage backdrop;
    // The first picture file that could not be opened or decoded; empty on success.
    QString unreadablePicture;
};

SheetJobResult RunSheetJob(const SheetJob& job);

// The drawing area of a working canvas at its start-up size, in pixels (the size a picture for
// FitMode::Unscaled is prepared at).
QSize WorkingDrawingArea();

// `picturecraft whirlfold [--fit wide|zoom|none] -o SHEET.bmp PIC1 PIC2 PIC3 PIC4`, the
// arguments after the subcommand's name. Pictures by the number shown to the user, "-" for an
// empty slot. Writes the backdrop as a 24-bit bitmap, atomically. Returns 0 when the sheet was
// written; 1 when a picture could not be read or the sheet not written (one line on `err`
// naming the file, no output file); 2 on a usage error.
int RunSheetJobCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// The subcommand's --help text.
QString SheetJobUsage();

}  // namespace picturecraft::whirlfold
