#include "sheetjob.h"

#include <optional>

#include "picturefile.h"
#include "pictureslots.h"
#include "sheetcanvases.h"
#include "sheetconversion.h"

namespace picturecraft::whirlfold {

SheetJobResult RunSheetJob(const SheetJob& job) {
    SheetCanvases sheetCanvases;
    sheetCanvases.SizeForStartup();
    PictureSlots pictureSlots;
    for (int slot = 0; slot < kSlotCount; ++slot) pictureSlots.SizeForStartup(slot);

    for (int place = 0; place < kSlotCount; ++place) {
        const QString& path = job.picturesByNumber.at(place);
        if (path.isEmpty()) continue;
        const bool filled = pictureSlots.FillSlot(
            SlotAtPlace(place), PictureSource::File, [&path] { return decodePictureFile(path); },
            job.fitMode);
        if (!filled) return {QImage(), path};
    }
    ConvertSheet(pictureSlots.workingCanvases(), sheetCanvases.sheet, sheetCanvases.backdrop);
    return {sheetCanvases.backdrop.picture(), QString()};
}

QSize WorkingDrawingArea() {
    PictureSlots pictureSlots;
    pictureSlots.SizeForStartup(0);
    return {pictureSlots.working(0).rasterWidth(), pictureSlots.working(0).rasterHeight()};
}

namespace {

constexpr int kUsageError = 2;
constexpr int kInputOutputError = 1;

struct ParsedArguments {
    SheetJob job;
    QString output;
    QString problem;  // a usage error when not empty
};

std::optional<FitMode> fitModeNamed(const QString& name) {
    if (name == QLatin1String("wide")) return FitMode::Wide;
    if (name == QLatin1String("zoom")) return FitMode::Zoom;
    if (name == QLatin1String("none")) return FitMode::Unscaled;
    return std::nullopt;
}

ParsedArguments parseArguments(const QStringList& args) {
    ParsedArguments parsed;
    QStringList pictures;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--fit") || arg.startsWith(QLatin1String("--fit="))) {
            const QString value = arg.contains(u'=') ? arg.section(u'=', 1)
                                  : hasValue         ? args.at(++i)
                                                     : QString();
            const std::optional<FitMode> mode = fitModeNamed(value);
            if (!mode) return {{}, {}, QStringLiteral("--fit takes wide, zoom or none")};
            parsed.job.fitMode = *mode;
        } else if (arg == QLatin1String("-o")) {
            if (!hasValue) return {{}, {}, QStringLiteral("-o needs the sheet's file name")};
            parsed.output = args.at(++i);
        } else if (arg.startsWith(u'-') && arg != QLatin1String("-")) {
            return {{}, {}, QStringLiteral("unknown option '%1'").arg(arg)};
        } else {
            pictures.append(arg);
        }
    }
    if (parsed.output.isEmpty()) return {{}, {}, QStringLiteral("-o SHEET.bmp is required")};
    if (pictures.size() != 4)
        return {{}, {}, QStringLiteral("four pictures are needed, got %1").arg(pictures.size())};
    for (int number = 0; number < 4; ++number) {
        const QString& picture = pictures.at(number);
        parsed.job.picturesByNumber.at(number) =
            picture == QLatin1String("-") ? QString() : picture;
    }
    return parsed;
}

}  // namespace

QString SheetJobUsage() {
    const QSize area = WorkingDrawingArea();
    return QStringLiteral(
               "usage: picturecraft whirlfold [--fit wide|zoom|none] -o SHEET.bmp PIC1 PIC2 "
               "PIC3 PIC4\n\n"
               "Makes Whirlfold's cut-out sheet (1223 x 500 pixels) from four pictures, exactly "
               "as the\nprogram makes it from a fresh start and saves it.\n\n"
               "  PIC1..PIC4      the pictures by the number shown in the program (絵１..絵4);\n"
               "                  '-' leaves that picture blank\n"
               "  -o SHEET.bmp    the 24-bit bitmap to write\n"
               "  --fit wide      fit like \"小さい（ワイド）\" (the default)\n"
               "  --fit zoom      fit like \"大きい（ズーム）\"\n"
               "  --fit none      no fitting: each picture is drawn pixel for pixel from the top-"
               "left\n                  corner of the working canvas's drawing area, %1 x %2 "
               "pixels;\n                  prepare pictures at that size\n")
        .arg(area.width())
        .arg(area.height());
}

int RunSheetJobCommand(const QStringList& args, QTextStream&, QTextStream& err) {
    const ParsedArguments parsed = parseArguments(args);
    if (!parsed.problem.isEmpty()) {
        err << "picturecraft whirlfold: " << parsed.problem << "\n"
            << "usage: picturecraft whirlfold [--fit wide|zoom|none] -o SHEET.bmp PIC1 PIC2 "
               "PIC3 PIC4\n";
        return kUsageError;
    }
    const SheetJobResult result = RunSheetJob(parsed.job);
    if (!result.unreadablePicture.isEmpty()) {
        err << "picturecraft whirlfold: cannot read the picture '" << result.unreadablePicture
            << "'\n";
        return kInputOutputError;
    }
    if (!writeBitmapFile(result.backdrop, parsed.output)) {
        err << "picturecraft whirlfold: cannot write the sheet '" << parsed.output << "'\n";
        return kInputOutputError;
    }
    return 0;
}

}  // namespace picturecraft::whirlfold
