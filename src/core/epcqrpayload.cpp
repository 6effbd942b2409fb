#include "epcqrpayload.h"

#include "sepatransfer.h"

#include <array>

namespace penvaro::core {

Result<std::string> EpcQrPayload(const SepaTransfer &transfer) {
    // Service tag, version, character set 1 (UTF-8), identification, BIC, name, IBAN, amount,
    // purpose code, structured reference, remittance text. The purpose code and the structured
    // reference stay empty: a typed purpose goes into the remittance text.
    const std::array<std::string, 11> lines{"BCD",
                                            "002",
                                            "1",
                                            "SCT",
                                            transfer.bic,
                                            transfer.name,
                                            transfer.iban,
                                            "EUR" + SepaAmountText(transfer.amount),
                                            "",
                                            "",
                                            transfer.purpose};
    std::size_t used = lines.size();
    while (used > 0 && lines[used - 1].empty())
        --used;
    std::string payload;
    for (std::size_t i = 0; i < used; ++i) {
        if (i > 0)
            payload += '\n';
        payload += lines[i];
    }
    if (payload.size() > EpcQrMaximumBytes)
        return Error{ErrorKind::Invalid, "Der GiroCode darf höchstens "
                                             + std::to_string(EpcQrMaximumBytes)
                                             + " Bytes tragen, diese Überweisung braucht "
                                             + std::to_string(payload.size())
                                             + "; bitte kürzen Sie Name oder "
                                               "Verwendungszweck."};
    return payload;
}

} // namespace penvaro::core
