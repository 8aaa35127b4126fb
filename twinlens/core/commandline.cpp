#include "commandline.h"

#include <QFileInfo>

#include "anaglyph.h"
#include "picturefile.h"

namespace picturecraft::twinlens {

namespace {

const QString kName = QStringLiteral("picturecraft twinlens");

std::optional<int> parseColors(const QString& value) {
    if (value == QLatin1String("cyan")) return 0;
    if (value == QLatin1String("blue")) return 1;
    if (value == QLatin1String("green")) return 2;
    return std::nullopt;
}

std::optional<Conversion> parseOnly(const QString& value) {
    if (value == QLatin1String("left")) return Conversion::LeftOnly;
    if (value == QLatin1String("right")) return Conversion::RightOnly;
    return std::nullopt;
}

// "DX,DY" in twips, each a multiple of 15 within a 32-bit int.
bool parseShift(const QString& value, CommandOptions& options) {
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 2) return false;
    bool okX = false;
    bool okY = false;
    const int x = parts[0].trimmed().toInt(&okX);
    const int y = parts[1].trimmed().toInt(&okY);
    if (!okX || !okY || x % kStep != 0 || y % kStep != 0) return false;
    options.shiftX = x;
    options.shiftY = y;
    return true;
}

// Splits "--name=value" and "--name value"; returns false when the value is missing.
bool takeValue(const QStringList& args, qsizetype& i, const QString& arg, QString& value) {
    const qsizetype equals = arg.indexOf(QLatin1Char('='));
    if (equals >= 0) {
        value = arg.mid(equals + 1);
        return true;
    }
    if (i + 1 >= args.size()) return false;
    value = args[++i];
    return true;
}

bool applyOption(const QString& name, const QString& value, CommandOptions& options,
                 QString& error) {
    if (name == QLatin1String("--colors")) {
        const auto mode = parseColors(value);
        if (!mode)
            error = QStringLiteral("--colors takes cyan, blue or green, not '%1'").arg(value);
        if (mode) options.colorMode = *mode;
        return mode.has_value();
    }
    if (name == QLatin1String("--shift")) {
        const bool ok = parseShift(value, options);
        if (!ok)
            error = QStringLiteral("--shift takes DX,DY in twips, each a multiple of 15, not '%1'")
                        .arg(value);
        return ok;
    }
    if (name == QLatin1String("--only")) {
        const auto only = parseOnly(value);
        if (!only) error = QStringLiteral("--only takes left or right, not '%1'").arg(value);
        if (only) options.conversion = *only;
        return only.has_value();
    }
    options.outputPath = value;
    if (value.isEmpty()) error = QStringLiteral("-o needs a file name");
    return !value.isEmpty();
}

bool isValueOption(const QString& name) {
    return name == QLatin1String("--colors") || name == QLatin1String("--shift") ||
           name == QLatin1String("--only") || name == QLatin1String("-o") ||
           name == QLatin1String("--output");
}

QString readFailure(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("cannot read %1: no such file").arg(path);
    return QStringLiteral("cannot read %1: not a BMP, JPEG or GIF picture").arg(path);
}

// Presses the arrow pad, double arrows first, until the offsets are the shift asked for.
bool pressUntilShifted(Anaglyph& anaglyph, int shiftX, int shiftY) {
    auto press = [&](int remaining, ArrowButton small, ArrowButton big) {
        return anaglyph.Nudge(std::abs(remaining) >= kBigStep ? big : small);
    };
    while (anaglyph.offsetX() != shiftX) {
        const int remaining = shiftX - anaglyph.offsetX();
        const bool taken = remaining > 0
                               ? press(remaining, ArrowButton::Right, ArrowButton::RightRight)
                               : press(remaining, ArrowButton::Left, ArrowButton::LeftLeft);
        if (!taken) return false;
    }
    while (anaglyph.offsetY() != shiftY) {
        const int remaining = shiftY - anaglyph.offsetY();
        const bool taken = remaining > 0
                               ? press(remaining, ArrowButton::Down, ArrowButton::DownDown)
                               : press(remaining, ArrowButton::Up, ArrowButton::UpUp);
        if (!taken) return false;
    }
    return true;
}

void convert(Anaglyph& anaglyph, Conversion conversion) {
    switch (conversion) {
        case Conversion::Both:
            anaglyph.ConvertAndCombine();
            return;
        case Conversion::LeftOnly:
            anaglyph.ConvertLeftOnly();
            return;
        case Conversion::RightOnly:
            anaglyph.ConvertRightOnly();
            return;
    }
}

}  // namespace

std::optional<CommandOptions> ParseCommandLine(const QStringList& args, QString& error) {
    CommandOptions options;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const QString name = arg.section(QLatin1Char('='), 0, 0);
        if (isValueOption(name)) {
            QString value;
            if (!takeValue(args, i, arg, value)) {
                error = QStringLiteral("%1 needs a value").arg(name);
                return std::nullopt;
            }
            if (!applyOption(name, value, options, error)) return std::nullopt;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            error = QStringLiteral("unknown option '%1'").arg(arg);
            return std::nullopt;
        } else {
            positional << arg;
        }
    }
    if (options.outputPath.isEmpty()) {
        error = QStringLiteral("-o OUT.bmp is required");
        return std::nullopt;
    }
    if (positional.isEmpty() || positional.size() > 2) {
        error = QStringLiteral("give LEFT and, if you have it, RIGHT");
        return std::nullopt;
    }
    options.leftPath = positional[0];
    options.rightPath = positional.value(1);
    return options;
}

int RunCommandLine(const QStringList& args, QTextStream& err) {
    QString error;
    const std::optional<CommandOptions> options = ParseCommandLine(args, error);
    if (!options) {
        err << kName << ": " << error << " (see --help)\n";
        return kExitUsage;
    }
    Anaglyph anaglyph;
    anaglyph.SetColorMode(options->colorMode);
    if (!anaglyph.LoadPicture1(options->leftPath)) {
        err << kName << ": " << readFailure(options->leftPath) << "\n";
        return kExitFailure;
    }
    if (!options->rightPath.isEmpty() && !anaglyph.LoadPicture2(options->rightPath)) {
        err << kName << ": " << readFailure(options->rightPath) << "\n";
        return kExitFailure;
    }
    if (!pressUntilShifted(anaglyph, options->shiftX, options->shiftY)) {
        err << kName << ": --shift " << options->shiftX << "," << options->shiftY
            << " pushes photograph 1 off its canvas (" << anaglyph.leftChannel().width() << " x "
            << anaglyph.leftChannel().height() << " twips) in " << options->leftPath << "\n";
        return kExitUsage;
    }
    convert(anaglyph, options->conversion);
    if (!anaglyph.CropOutput() ||
        !writeBitmapFile(anaglyph.output().picture(), options->outputPath)) {
        err << kName << ": cannot write " << options->outputPath << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

QString CommandSummary() {
    return QStringLiteral("make Twinlens's anaglyph from a left-eye and a right-eye photograph");
}

QString CommandUsage() {
    return QStringLiteral(
        "usage: picturecraft twinlens [--colors cyan|blue|green] [--shift DX,DY]\n"
        "                             [--only left|right] -o OUT.bmp LEFT [RIGHT]\n\n"
        "Makes the anaglyph Twinlens saves: LEFT (the left-eye photograph) becomes the red\n"
        "channel, RIGHT the cyan, blue or green one(s), photograph 1 is shifted by DX, DY\n"
        "twips (15 twips to a pixel; positive right and down), and the overlap is written\n"
        "as a 24-bit Windows bitmap.\n\n"
        "  --colors cyan|blue|green  the right filter (default cyan: red/cyan glasses)\n"
        "  --shift DX,DY             offsets of photograph 1, multiples of 15 (default 0,0)\n"
        "  --only left|right         the preview of one photograph instead of the anaglyph\n"
        "  -o OUT.bmp                the bitmap to write (replaced only once complete)\n\n"
        "Exit codes: 0 written, 1 a picture could not be read or the bitmap written,\n"
        "2 usage error.\n");
}

}  // namespace picturecraft::twinlens
