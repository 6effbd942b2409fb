#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

class QDateTime;
class QXmlStreamWriter;

namespace penvaro::platform {

// The pieces that the transfer and the direct debit files write alike.

// "1234.56".
QString SepaXmlAmount(std::int64_t amount);
// A bank by its BIC, or as not provided where the BIC is unknown.
void WriteSepaAgent(QXmlStreamWriter &xml, const QString &element, const std::string &bic);
void WriteSepaAccount(QXmlStreamWriter &xml, const QString &element, const std::string &iban);
void WriteSepaParty(QXmlStreamWriter &xml, const QString &element, const std::string &name);

// The message id of a file made at this moment.
QString SepaMessageId(const QDateTime &created);
// Opens the document of the schema ("pain.001.001.09") and its initiation element
// ("CstmrCdtTrfInitn") and writes the group header; the payment blocks follow, and
// writeEndDocument() closes what is open.
void WriteSepaDocumentStart(QXmlStreamWriter &xml, const QString &schema, const QString &initiation,
                            const QString &messageId, const QDateTime &created, std::size_t count,
                            std::int64_t sum, const std::string &initiator);

} // namespace penvaro::platform
