#pragma once

#include <QString>

#include <cstdint>
#include <string>

class QXmlStreamWriter;

namespace penvaro::platform {

// The pieces that the transfer and the direct debit files write alike.

// "1234.56".
QString SepaXmlAmount(std::int64_t amount);
// A bank by its BIC, or as not provided where the BIC is unknown.
void WriteSepaAgent(QXmlStreamWriter &xml, const QString &element, const std::string &bic);
void WriteSepaAccount(QXmlStreamWriter &xml, const QString &element, const std::string &iban);
void WriteSepaParty(QXmlStreamWriter &xml, const QString &element, const std::string &name);

} // namespace penvaro::platform
