#pragma once

// A picturecraft subcommand. Each command file registers itself with a static
// SubcommandRegistration, so adding a program's command touches no other file.

#include <functional>
#include <map>

#include <QStringList>
#include <QTextStream>

namespace picturecraft::cli {

// Exit codes: 0 success, 1 input or output failure (one line on stderr naming the file, no
// output file left behind), 2 usage error.
enum ExitCode { kSuccess = 0, kFailure = 1, kUsage = 2 };

struct Subcommand {
    QString summary;  // one line for `picturecraft --help`
    QString usage;    // the full text for `picturecraft NAME --help`
    // Receives the arguments after the subcommand's name.
    std::function<int(const QStringList& args, QTextStream& out, QTextStream& err)> run;
};

// Name -> subcommand, in name order.
std::map<QString, Subcommand>& subcommands();

struct SubcommandRegistration {
    SubcommandRegistration(const QString& name, Subcommand command) {
        subcommands().emplace(name, std::move(command));
    }
};

}  // namespace picturecraft::cli
