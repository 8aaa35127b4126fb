// picturecraft twinlens: the anaglyph without a window (the workflow lives in twinlens_core).

#include "twinlens/core/commandline.h"
#include "subcommand.h"

namespace picturecraft::cli {

namespace {

const SubcommandRegistration kTwinlens(
    QStringLiteral("twinlens"),
    Subcommand{twinlens::CommandSummary(), twinlens::CommandUsage(),
               [](const QStringList& args, QTextStream&, QTextStream& err) {
                   return twinlens::RunCommandLine(args, err);
               }});

}  // namespace

}  // namespace picturecraft::cli
