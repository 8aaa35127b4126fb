// picturecraft cubefold: one picture to the cube-corner sheet, as the program's save writes it.

#include <variant>

#include "cubefold/core/sheetjob.h"
#include "subcommand.h"

namespace picturecraft::cli {

namespace {

int runCubefold(const QStringList& args, QTextStream&, QTextStream& err) {
    using namespace picturecraft::cubefold;
    const std::variant<SheetJob, UsageError> parsed = ParseSheetJob(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        err << "picturecraft cubefold: " << usage->message << "\n" << SheetJobUsage();
        return kUsage;
    }
    if (const std::optional<QString> failure = RunSheetJob(std::get<SheetJob>(parsed))) {
        err << "picturecraft cubefold: " << *failure << "\n";
        return kFailure;
    }
    return kSuccess;
}

SubcommandRegistration registration(
    QStringLiteral("cubefold"),
    {QStringLiteral("one picture to the cube-corner net sheet (973 x 637 bitmap)"),
     cubefold::SheetJobUsage(), runCubefold});

}  // namespace

}  // namespace picturecraft::cli
