#include "bankcodepath.h"

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
    return QFile::encodeName(platform::BankCodeFilePath()).toStdString();
}

} // namespace penvaro::cli
