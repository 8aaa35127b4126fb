// `picturecraft whirlfold`: Whirlfold's sheet from four picture files, without a window.

#include "whirlfold/core/sheetjob.h"
#include "subcommand.h"

namespace picturecraft::cli {
namespace {

const SubcommandRegistration kWhirlfold(
    QStringLiteral("whirlfold"),
    Subcommand{QStringLiteral("the ring-of-tetrahedra sheet from four pictures"),
               whirlfold::SheetJobUsage(), whirlfold::RunSheetJobCommand});

}  // namespace
}  // namespace picturecraft::cli
