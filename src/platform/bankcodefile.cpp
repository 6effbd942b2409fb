#include "bankcodefile.h"

#include "programfolder.h"

#include "core/bankcodelist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace penvaro::platform {

QString BankCodeFilePath() {
    return ProgramFilePath(QStringLiteral("blz.asc"));
}

BankCodeFileChoice ChooseBankCodeFile() {
    const QString chosen = BankCodeFilePath();
    const QString own = QDir(ProgramFolder()).filePath(QStringLiteral("blz.asc"));
    if (chosen != own)
        return {chosen, {}};
    const auto checked = core::BankCodeList::Check(QFile::encodeName(own).toStdString());
    if (checked)
        return {own, {}};
    const QString shipped = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                            + QStringLiteral("/../share/penvaro/blz.asc"));
    if (!QFileInfo(shipped).isFile())
        return {own, {}};
    return {shipped, QString::fromStdString(checked.error().message)
                         + QStringLiteral(" Stattdessen wird die mit dem Programm gelieferte "
                                          "Datei %1 benutzt.")
                               .arg(shipped)};
}

} // namespace penvaro::platform
