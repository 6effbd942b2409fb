#include "chosenfilename.h"

#include <QRegularExpression>

namespace penvaro::platform {

QString WithChosenExtension(const QString &chosen, const QString &filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*(\\.[A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    if (chosen.isEmpty() || !match.hasMatch())
        return chosen;
    const QString extension = match.captured(1);
    if (chosen.endsWith(extension, Qt::CaseInsensitive))
        return chosen;
    return chosen + extension;
}

} // namespace penvaro::platform
