#include "sepafile.h"

#include "clock.h"
#include "sepaxml.h"

#include <QXmlStreamWriter>

#include <map>

namespace penvaro::platform {
namespace {

const QString notProvided = QStringLiteral("NOTPROVIDED");

QString qt(const std::string &text) {
    return QString::fromStdString(text);
}

std::int64_t sumOf(const std::vector<const core::SepaTransfer *> &transfers) {
    std::int64_t sum = 0;
    for (const auto *transfer : transfers)
        sum += transfer->amount;
    return sum;
}

void writeTransaction(QXmlStreamWriter &xml, const core::SepaTransfer &transfer) {
    xml.writeStartElement(QStringLiteral("CdtTrfTxInf"));
    xml.writeStartElement(QStringLiteral("PmtId"));
    xml.writeTextElement(QStringLiteral("EndToEndId"), notProvided);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("Amt"));
    xml.writeStartElement(QStringLiteral("InstdAmt"));
    xml.writeAttribute(QStringLiteral("Ccy"), QStringLiteral("EUR"));
    xml.writeCharacters(SepaXmlAmount(transfer.amount));
    xml.writeEndElement();
    xml.writeEndElement();
    // The creditor's agent is optional; a German bank finds itself by the IBAN.
    if (!transfer.bic.empty()) {
        xml.writeStartElement(QStringLiteral("CdtrAgt"));
        xml.writeStartElement(QStringLiteral("FinInstnId"));
        xml.writeTextElement(QStringLiteral("BICFI"), qt(transfer.bic));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    WriteSepaParty(xml, QStringLiteral("Cdtr"), transfer.name);
    WriteSepaAccount(xml, QStringLiteral("CdtrAcct"), transfer.iban);
    if (!transfer.purpose.empty()) {
        xml.writeStartElement(QStringLiteral("RmtInf"));
        xml.writeTextElement(QStringLiteral("Ustrd"), qt(transfer.purpose));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void writePaymentBlock(QXmlStreamWriter &xml, const QString &id, const core::SepaDebtor &debtor,
                       double execution, const std::vector<const core::SepaTransfer *> &block) {
    xml.writeStartElement(QStringLiteral("PmtInf"));
    xml.writeTextElement(QStringLiteral("PmtInfId"), id);
    xml.writeTextElement(QStringLiteral("PmtMtd"), QStringLiteral("TRF"));
    xml.writeTextElement(QStringLiteral("NbOfTxs"), QString::number(block.size()));
    xml.writeTextElement(QStringLiteral("CtrlSum"), SepaXmlAmount(sumOf(block)));
    xml.writeStartElement(QStringLiteral("PmtTpInf"));
    xml.writeStartElement(QStringLiteral("SvcLvl"));
    xml.writeTextElement(QStringLiteral("Cd"), QStringLiteral("SEPA"));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("ReqdExctnDt"));
    xml.writeTextElement(QStringLiteral("Dt"), DateOfDayCount(execution).toString(Qt::ISODate));
    xml.writeEndElement();
    WriteSepaParty(xml, QStringLiteral("Dbtr"), debtor.name);
    WriteSepaAccount(xml, QStringLiteral("DbtrAcct"), debtor.iban);
    WriteSepaAgent(xml, QStringLiteral("DbtrAgt"), debtor.bic);
    xml.writeTextElement(QStringLiteral("ChrgBr"), QStringLiteral("SLEV"));
    for (const auto *transfer : block)
        writeTransaction(xml, *transfer);
    xml.writeEndElement();
}

} // namespace

QByteArray SepaCreditTransferFile(const core::SepaDebtor &debtor,
                                  const std::vector<core::SepaTransfer> &transfers,
                                  const QDateTime &created, double today) {
    std::map<double, std::vector<const core::SepaTransfer *>> blocks;
    std::vector<const core::SepaTransfer *> all;
    for (const auto &transfer : transfers) {
        blocks[transfer.execution > 0 ? transfer.execution : today].push_back(&transfer);
        all.push_back(&transfer);
    }
    const QString messageId = SepaMessageId(created);
    QByteArray document;
    QXmlStreamWriter xml(&document);
    WriteSepaDocumentStart(xml, QStringLiteral("pain.001.001.09"),
                           QStringLiteral("CstmrCdtTrfInitn"), messageId, created, all.size(),
                           sumOf(all), debtor.name);
    int block = 0;
    for (const auto &[execution, members] : blocks)
        writePaymentBlock(xml, messageId + QStringLiteral("-") + QString::number(++block), debtor,
                          execution, members);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return document;
}

} // namespace penvaro::platform
