#pragma once

#include <string>
#include <string_view>

namespace penvaro::core {

// A name as two spellings of one party compare: lower case, "ä" as "ae" (and so on), "ß" as
// "ss", punctuation as blanks, legal forms ("GmbH", "e.V.", "AG") left out, words separated by
// one blank. UTF-8 in and out.
std::string ComparablePartyName(std::string_view utf8);

// Whether two names stand for one party: one holds the other as whole words, compared as
// ComparablePartyName ("Stadtwerke" and "STADTWERKE LEIPZIG GMBH"). Never for an empty name.
bool SameParty(std::string_view utf8, std::string_view otherUtf8);

// What a planned booking and a bank entry tell of the party, UTF-8. The planned booking's IBAN
// is empty until the account keeps one for it.
struct PartyEvidence {
    std::string iban;
    std::string name;
    std::string purpose;
};

// How sure it is that a bank entry pays the planned booking's party, strongest first.
enum class PartyAgreement {
    Iban,    // both name an IBAN and it is the same
    Name,    // SameParty
    Purpose, // the planned purpose is part of the bank's purpose
    Unknown, // the planned booking names no party to compare
    Differs, // both name a party, and not the same one
};

PartyAgreement CompareParty(const PartyEvidence &planned, const PartyEvidence &bank);

} // namespace penvaro::core
