#include "sepaxml.h"

#include "core/sepatransfer.h"

#include <QXmlStreamWriter>

namespace penvaro::platform {
namespace {

QString qt(const std::string &text) {
    return QString::fromStdString(text);
}

} // namespace

QString SepaXmlAmount(std::int64_t amount) {
    return qt(core::SepaAmountText(amount));
}

void WriteSepaAgent(QXmlStreamWriter &xml, const QString &element, const std::string &bic) {
    xml.writeStartElement(element);
    xml.writeStartElement(QStringLiteral("FinInstnId"));
    if (!bic.empty()) {
        xml.writeTextElement(QStringLiteral("BICFI"), qt(bic));
    } else {
        xml.writeStartElement(QStringLiteral("Othr"));
        xml.writeTextElement(QStringLiteral("Id"), QStringLiteral("NOTPROVIDED"));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
}

void WriteSepaAccount(QXmlStreamWriter &xml, const QString &element, const std::string &iban) {
    xml.writeStartElement(element);
    xml.writeStartElement(QStringLiteral("Id"));
    xml.writeTextElement(QStringLiteral("IBAN"), qt(iban));
    xml.writeEndElement();
    xml.writeEndElement();
}

void WriteSepaParty(QXmlStreamWriter &xml, const QString &element, const std::string &name) {
    xml.writeStartElement(element);
    xml.writeTextElement(QStringLiteral("Nm"), qt(name));
    xml.writeEndElement();
}

} // namespace penvaro::platform
