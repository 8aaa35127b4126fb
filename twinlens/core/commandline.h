#pragma once

// The `picturecraft twinlens` subcommand: Twinlens's workflow without a window.
//
//   picturecraft twinlens [--colors cyan|blue|green] [--shift DX,DY] [--only left|right]
//                         -o OUT.bmp LEFT [RIGHT]
//
// It does what a person would do in a freshly started window: choose the colour option, open
// LEFT as photograph 1 and RIGHT as photograph 2, press the arrow pad until the offsets are
// DX, DY twips, press "変換・合成" ("絵１のみ変換" with --only left, "絵２のみ変換" with
// --only right), and save the cropped output as "保存" does. The same Anaglyph runs both, so
// the file is the window's file, byte for byte.

#include <optional>

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace picturecraft::twinlens {

// Exit codes: 0 written, 1 a file could not be read or written (one line on stderr naming
// it, no output file), 2 usage error.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

enum class Conversion { Both, LeftOnly, RightOnly };

struct CommandOptions {
    int colorMode = 0;  // cyan 0, blue 1, green 2
    int shiftX = 0;     // twips, multiples of 15
    int shiftY = 0;
    Conversion conversion = Conversion::Both;
    QString outputPath;
    QString leftPath;
    QString rightPath;  // empty: no photograph 2
};

// The arguments after "twinlens". nullopt on a usage error, with the reason in `error`.
std::optional<CommandOptions> ParseCommandLine(const QStringList& args, QString& error);

// Parses and runs; reports on `err`. Returns an exit code above.
int RunCommandLine(const QStringList& args, QTextStream& err);

QString CommandSummary();
QString CommandUsage();

}  // namespace picturecraft::twinlens
