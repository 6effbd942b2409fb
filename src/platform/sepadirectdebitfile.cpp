#include "sepadirectdebitfile.h"

#include "clock.h"
#include "sepaxml.h"

#include <QXmlStreamWriter>

#include <map>

namespace penvaro::platform {
namespace {

QString qt(const std::string &text) {
    return QString::fromStdString(text);
}

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString isoDate(double dayCount) {
    return DateOfDayCount(dayCount).toString(Qt::ISODate);
}

std::int64_t sumOf(const std::vector<const core::DirectDebit *> &debits) {
    std::int64_t sum = 0;
    for (const auto *debit : debits)
        sum += debit->amount;
    return sum;
}

void writeCreditorId(QXmlStreamWriter &xml, const std::string &creditorId) {
    xml.writeStartElement(QStringLiteral("CdtrSchmeId"));
    xml.writeStartElement(QStringLiteral("Id"));
    xml.writeStartElement(QStringLiteral("PrvtId"));
    xml.writeStartElement(QStringLiteral("Othr"));
    xml.writeTextElement(QStringLiteral("Id"), qt(creditorId));
    xml.writeStartElement(QStringLiteral("SchmeNm"));
    xml.writeTextElement(QStringLiteral("Prtry"), QStringLiteral("SEPA"));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeTransaction(QXmlStreamWriter &xml, const core::DirectDebit &debit) {
    xml.writeStartElement(QStringLiteral("DrctDbtTxInf"));
    xml.writeStartElement(QStringLiteral("PmtId"));
    xml.writeTextElement(QStringLiteral("EndToEndId"), qt(debit.endToEndId));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("InstdAmt"));
    xml.writeAttribute(QStringLiteral("Ccy"), QStringLiteral("EUR"));
    xml.writeCharacters(SepaXmlAmount(debit.amount));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("DrctDbtTx"));
    xml.writeStartElement(QStringLiteral("MndtRltdInf"));
    xml.writeTextElement(QStringLiteral("MndtId"), qt(debit.mandateReference));
    xml.writeTextElement(QStringLiteral("DtOfSgntr"), isoDate(debit.mandateDate));
    xml.writeEndElement();
    xml.writeEndElement();
    WriteSepaAgent(xml, QStringLiteral("DbtrAgt"), debit.bic);
    WriteSepaParty(xml, QStringLiteral("Dbtr"), debit.name);
    WriteSepaAccount(xml, QStringLiteral("DbtrAcct"), debit.iban);
    if (!debit.purpose.empty()) {
        xml.writeStartElement(QStringLiteral("RmtInf"));
        xml.writeTextElement(QStringLiteral("Ustrd"), qt(debit.purpose));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void writePaymentBlock(QXmlStreamWriter &xml, const QString &id, const core::SepaCreditor &creditor,
                       core::SequenceType sequence, double dueDate,
                       const std::vector<const core::DirectDebit *> &block) {
    xml.writeStartElement(QStringLiteral("PmtInf"));
    xml.writeTextElement(QStringLiteral("PmtInfId"), id);
    xml.writeTextElement(QStringLiteral("PmtMtd"), QStringLiteral("DD"));
    xml.writeTextElement(QStringLiteral("NbOfTxs"), QString::number(block.size()));
    xml.writeTextElement(QStringLiteral("CtrlSum"), SepaXmlAmount(sumOf(block)));
    xml.writeStartElement(QStringLiteral("PmtTpInf"));
    xml.writeStartElement(QStringLiteral("SvcLvl"));
    xml.writeTextElement(QStringLiteral("Cd"), QStringLiteral("SEPA"));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("LclInstrm"));
    xml.writeTextElement(QStringLiteral("Cd"), QStringLiteral("CORE"));
    xml.writeEndElement();
    xml.writeTextElement(QStringLiteral("SeqTp"), qt(core::SequenceCode(sequence)));
    xml.writeEndElement();
    xml.writeTextElement(QStringLiteral("ReqdColltnDt"), isoDate(dueDate));
    WriteSepaParty(xml, QStringLiteral("Cdtr"), creditor.name);
    WriteSepaAccount(xml, QStringLiteral("CdtrAcct"), creditor.iban);
    WriteSepaAgent(xml, QStringLiteral("CdtrAgt"), creditor.bic);
    xml.writeTextElement(QStringLiteral("ChrgBr"), QStringLiteral("SLEV"));
    writeCreditorId(xml, creditor.creditorId);
    for (const auto *debit : block)
        writeTransaction(xml, *debit);
    xml.writeEndElement();
}

} // namespace

QByteArray SepaDirectDebitFile(const core::SepaCreditor &creditor,
                               const std::vector<core::DirectDebit> &debits, double dueDate,
                               const QDateTime &created) {
    std::map<core::SequenceType, std::vector<const core::DirectDebit *>> blocks;
    std::vector<const core::DirectDebit *> all;
    for (const auto &debit : debits) {
        blocks[debit.sequence].push_back(&debit);
        all.push_back(&debit);
    }
    const QString messageId = SepaMessageId(created);
    QByteArray document;
    QXmlStreamWriter xml(&document);
    WriteSepaDocumentStart(xml, QStringLiteral("pain.008.001.08"),
                           QStringLiteral("CstmrDrctDbtInitn"), messageId, created, all.size(),
                           sumOf(all), creditor.name);
    for (const auto &[sequence, block] : blocks)
        writePaymentBlock(xml, messageId + QStringLiteral("-") + qt(core::SequenceCode(sequence)),
                          creditor, sequence, dueDate, block);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return document;
}

} // namespace penvaro::platform
