#include "collectiveentry.h"

#include "wideint.h"

#include <algorithm>

namespace penvaro::core {
namespace {

Int128 signedAmount(char16_t sign, std::int64_t amount) {
    return sign == u'+' ? Int128{amount} : -Int128{amount};
}

// Whether the payments carry amounts that add up to the entry's.
bool splits(const StatementEntry &entry, const std::vector<StatementTransaction> &payments) {
    Int128 sum = 0;
    for (const StatementTransaction &payment : payments) {
        if (!payment.amount)
            return false;
        sum += signedAmount(payment.sign.value_or(entry.sign), *payment.amount);
    }
    return sum == signedAmount(entry.sign, entry.amount);
}

void appendText(std::string &joined, const std::string &text) {
    if (text.empty())
        return;
    if (!joined.empty())
        joined += ' ';
    joined += text;
}

} // namespace

std::vector<StatementEntry>
SplitCollectiveEntry(const StatementEntry &entry,
                     const std::vector<StatementTransaction> &payments) {
    if (payments.empty())
        return {entry};
    if (payments.size() == 1) {
        StatementEntry single = entry;
        const StatementTransaction &payment = payments.front();
        single.party = payment.party;
        single.purpose = payment.purpose;
        single.partyIban = payment.partyIban;
        single.partyBic = payment.partyBic;
        for (const std::string &key : payment.references) {
            if (std::find(single.references.begin(), single.references.end(), key)
                == single.references.end())
                single.references.push_back(key);
        }
        return {single};
    }
    if (!splits(entry, payments)) {
        StatementEntry collected = entry;
        collected.party = payments.front().party;
        collected.moreParties = static_cast<int>(payments.size() - 1);
        collected.purpose.clear();
        for (const StatementTransaction &payment : payments)
            appendText(collected.purpose, payment.purpose);
        return {collected};
    }
    std::vector<StatementEntry> parts;
    for (const StatementTransaction &payment : payments) {
        StatementEntry part = entry;
        part.sign = payment.sign.value_or(entry.sign);
        part.amount = *payment.amount;
        part.party = payment.party;
        part.purpose = payment.purpose;
        part.partyIban = payment.partyIban;
        part.partyBic = payment.partyBic;
        parts.push_back(std::move(part));
    }
    return parts;
}

} // namespace penvaro::core
