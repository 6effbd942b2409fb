#include "bankcodepath.h"

#include "arguments.h"

#include "platform/bankcodefile.h"

#include <QCoreApplication>
#include <QFile>

namespace penvaro::cli {

// Finding the file beside the executable needs an application object, which lives only as
// long as the search.
std::filesystem::path BankCodeFile() {
    int argc = 1;
    char name[] = "penvaro-cli";
    char *argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    const platform::BankCodeFileChoice chosen = platform::ChooseBankCodeFile();
    if (!chosen.refusal.isEmpty())
        PrintError(chosen.refusal.toStdString());
    return QFile::encodeName(chosen.path).toStdString();
}

} // namespace penvaro::cli
