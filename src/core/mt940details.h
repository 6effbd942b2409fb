#pragma once

#include <string>
#include <string_view>

namespace penvaro::core {

// The texts of an MT940 ":86:" field.
struct Mt940Details {
    std::string bookingType; // subfield ?00
    std::string party;       // ?32 and ?33 joined
    std::string purpose;     // ?20 to ?29 and ?60 to ?63 joined, cut down to the SVWZ+ text
    std::string endToEnd;    // the text after "EREF+" in the joined purpose
    std::string partyIban;   // ?31 when it is an IBAN (PartyIban)
    std::string partyBic;    // ?30 when it is a BIC (PartyBic)
};

// Reads the field's UTF-8 text, its lines already joined. A field without subfields is free
// text and the purpose as a whole.
Mt940Details ParseMt940Details(std::string_view field);

// The text after "SVWZ+" up to the next SEPA tag, blanks at both ends removed; the text as it
// stands when it holds no "SVWZ+".
std::string ExtractSepaPurpose(std::string_view purpose);

} // namespace penvaro::core
