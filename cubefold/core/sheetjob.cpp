#include "sheetjob.h"

#include "conversion.h"
#include "picturefile.h"

namespace picturecraft::cubefold {

namespace {

std::optional<FitMode> fitModeNamed(const QString& name) {
    if (name == QLatin1String("contain")) return FitMode::Contain;
    if (name == QLatin1String("none")) return FitMode::None;
    return std::nullopt;
}

}  // namespace

QString SheetJobUsage() {
    return QStringLiteral(
        "usage: picturecraft cubefold [--fit contain|none] -o SHEET.bmp PIC\n\n"
        "Reads PIC as a view into the inside corner of a cube and writes the cut-out sheet\n"
        "(973 x 637 pixels, 24-bit bitmap) under exactly the name SHEET.bmp.\n\n"
        "  --fit contain  fit the picture into the main canvas as the program does (default)\n"
        "  --fit none     draw the picture unscaled from the main canvas's top-left pixel\n"
        "                 (for pictures prepared at the raster's size, 1013 x 717)\n"
        "  -o SHEET.bmp   the sheet file to write\n");
}

std::variant<SheetJob, UsageError> ParseSheetJob(const QStringList& args) {
    SheetJob job;
    bool haveOutput = false;
    bool havePicture = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool needsValue = arg == QLatin1String("--fit") || arg == QLatin1String("-o");
        if (needsValue && i + 1 >= args.size())
            return UsageError{QStringLiteral("%1 needs a value").arg(arg)};
        if (arg == QLatin1String("--fit") || arg.startsWith(QLatin1String("--fit="))) {
            const QString value = arg == QLatin1String("--fit") ? args[++i] : arg.mid(6);
            const std::optional<FitMode> fit = fitModeNamed(value);
            if (!fit)
                return UsageError{
                    QStringLiteral("unknown --fit '%1' (contain or none)").arg(value)};
            job.fit = *fit;
        } else if (arg == QLatin1String("-o")) {
            if (haveOutput) return UsageError{QStringLiteral("-o given twice")};
            job.sheetPath = args[++i];
            haveOutput = true;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return UsageError{QStringLiteral("unknown option '%1'").arg(arg)};
        } else {
            if (havePicture) return UsageError{QStringLiteral("more than one picture given")};
            job.picturePath = arg;
            havePicture = true;
        }
    }
    if (!haveOutput || job.sheetPath.isEmpty())
        return UsageError{QStringLiteral("no sheet file given (-o SHEET.bmp)")};
    if (!havePicture || job.picturePath.isEmpty())
        return UsageError{QStringLiteral("no picture given")};
    return job;
}

QImage MakeSheet(const QImage& picture, FitMode fit) {
    Canvas mainCanvas = MakeMainCanvas();
    DrawMainPicture(picture, mainCanvas, fit);
    SheetCanvases sheet;
    Conversion().Run(mainCanvas, sheet);
    return sheet.sheet.picture();
}

std::optional<QString> RunSheetJob(const SheetJob& job) {
    const std::optional<QImage> picture = decodePictureFile(job.picturePath);
    if (!picture)
        return QStringLiteral("cannot read '%1': not a picture file that can be decoded")
            .arg(job.picturePath);
    if (!writeBitmapFile(MakeSheet(*picture, job.fit), job.sheetPath))
        return QStringLiteral("cannot write '%1'").arg(job.sheetPath);
    return std::nullopt;
}

}  // namespace picturecraft::cubefold
