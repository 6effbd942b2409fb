#include "sepaxml.h"

#include "core/sepatransfer.h"

#include <QDateTime>
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

QString SepaMessageId(const QDateTime &created) {
    return QStringLiteral("PENVARO-") + created.toString(QStringLiteral("yyyyMMddHHmmsszzz"));
}

void WriteSepaDocumentStart(QXmlStreamWriter &xml, const QString &schema, const QString &initiation,
                            const QString &messageId, const QDateTime &created, std::size_t count,
                            std::int64_t sum, const std::string &initiator) {
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(QStringLiteral("urn:iso:std:iso:20022:tech:xsd:") + schema);
    xml.writeStartElement(QStringLiteral("Document"));
    xml.writeStartElement(initiation);
    xml.writeStartElement(QStringLiteral("GrpHdr"));
    xml.writeTextElement(QStringLiteral("MsgId"), messageId);
    xml.writeTextElement(QStringLiteral("CreDtTm"),
                         created.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    xml.writeTextElement(QStringLiteral("NbOfTxs"), QString::number(count));
    xml.writeTextElement(QStringLiteral("CtrlSum"), SepaXmlAmount(sum));
    WriteSepaParty(xml, QStringLiteral("InitgPty"), initiator);
    xml.writeEndElement();
}

} // namespace penvaro::platform
