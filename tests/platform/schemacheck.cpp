#include "schemacheck.h"

#include <QProcess>

namespace penvaro::testing {

QString SchemaErrors(const QString &schema, const QString &file) {
    QProcess lint;
    lint.setProcessChannelMode(QProcess::MergedChannels);
    lint.start(QStringLiteral("xmllint"),
               {QStringLiteral("--noout"), QStringLiteral("--schema"), schema, file});
    if (!lint.waitForFinished(30000))
        return QStringLiteral("xmllint did not finish");
    const QString output = QString::fromUtf8(lint.readAll());
    return lint.exitCode() == 0 ? QString() : output;
}

} // namespace penvaro::testing
