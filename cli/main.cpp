// picturecraft: the three conversions without a window.

#include <QGuiApplication>

#include "subcommand.h"

namespace picturecraft::cli {

std::map<QString, Subcommand>& subcommands() {
    static std::map<QString, Subcommand> registry;
    return registry;
}

namespace {

void printHelp(QTextStream& out) {
    out << "usage: picturecraft SUBCOMMAND [OPTIONS] ...\n\n"
           "Makes the programs' result pictures without opening a window.\n\n"
           "Subcommands:\n";
    for (const auto& [name, command] : subcommands())
        out << "  " << name.leftJustified(12) << command.summary << "\n";
    out << "\n'picturecraft SUBCOMMAND --help' tells a subcommand's options.\n"
           "Exit codes: 0 done, 1 a file could not be read or written, 2 usage error.\n";
}

}  // namespace

}  // namespace picturecraft::cli

int main(int argc, char** argv) {
    using namespace picturecraft::cli;
    // Pictures are decoded and drawn with QtGui; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printHelp(err);
        return kUsage;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printHelp(out);
        return kSuccess;
    }
    const auto found = subcommands().find(name);
    if (found == subcommands().end()) {
        err << "picturecraft: unknown subcommand '" << name << "'\n";
        printHelp(err);
        return kUsage;
    }
    if (args.contains(QLatin1String("--help"))) {
        out << found->second.usage;
        return kSuccess;
    }
    return found->second.run(args, out, err);
}
