#pragma once

#include "savedtransferrecord.h"

#include <string>

namespace penvaro::core {

// A SEPA transfer kept as a template, its texts as typed (UTF-8).
struct SepaTemplate {
    std::string name;
    std::string iban;
    std::string bic;
    std::string amount; // as typed, "1.234,50"
    std::string purpose;
    std::string execution;

    friend bool operator==(const SepaTemplate &, const SepaTemplate &) = default;
};

// A SEPA template lives in the saved-transfer file as a record of form number 1, so that the
// file keeps its record size and older files read as before. The ordering party's fields of the
// written forms are free in it (a SEPA transfer takes the ordering party from the account data)
// and carry the longer texts: the name goes on from "Empfaenger" into "Auftraggeber", the
// purpose from "Verwendung1" and "Verwendung2" into "AuftraggeberBank"; IBAN and BIC lie behind
// the written forms' fields, in the record's reserved bytes. Texts beyond their room are cut.
SavedTransferRecord SepaTemplateRecord(const SepaTemplate &sepa);
SepaTemplate SepaTemplateOf(const SavedTransferRecord &record);

} // namespace penvaro::core
