#include "support/records.h"

#include "core/collectiveentry.h"

#include <gtest/gtest.h>

using namespace penvaro;
using core::StatementEntry;
using core::StatementTransaction;

namespace {

// What a booking made from an entry shows, in short.
struct Shown {
    char16_t sign;
    std::int64_t amount;
    std::string party;
    int moreParties;
    std::string purpose;
    std::string iban;

    friend bool operator==(const Shown &, const Shown &) = default;
    friend void PrintTo(const Shown &s, std::ostream *out) {
        *out << static_cast<char>(s.sign) << s.amount << " " << s.party << " +" << s.moreParties
             << " " << s.purpose << " " << s.iban;
    }
};

StatementTransaction payment(std::optional<std::int64_t> amount, std::string party,
                             std::string purpose, std::optional<char16_t> sign = std::nullopt) {
    return {amount, sign, std::move(party), std::move(purpose), "", "", {}};
}

} // namespace

TEST(SplitCollectiveEntry, BooksEachPaymentWhereTheirAmountsAddUpElseKeepsOneEntry) {
    StatementEntry entry;
    entry.valueDate = penvaro::testing::Day("02.03.2026");
    entry.sign = u'+';
    entry.amount = 600000;
    entry.bookingType = "Sammelgutschrift";
    entry.references = {"B 46083 + 600000 REF"};

    struct Case {
        const char *name;
        std::vector<StatementTransaction> payments;
        std::vector<Shown> made;
    };
    StatementTransaction withAccount = payment(250000, "Erika", "Beitrag 17");
    withAccount.partyIban = "DE75512108001245126199";
    withAccount.references = {"E 46083 + 600000 MITGLIED-17"};
    const Case cases[] = {
        {"no details", {}, {{u'+', 600000, "", 0, "", ""}}},
        {"one payment gives its texts and account",
         {withAccount},
         {{u'+', 600000, "Erika", 0, "Beitrag 17", "DE75512108001245126199"}}},
        {"two payments that add up",
         {withAccount, payment(350000, "Hans", "Beitrag 23")},
         {{u'+', 250000, "Erika", 0, "Beitrag 17", "DE75512108001245126199"},
          {u'+', 350000, "Hans", 0, "Beitrag 23", ""}}},
        {"a payment against the entry's direction counts against it",
         {payment(700000, "Erika", "Beitrag"), payment(100000, "Bank", "Rückgabe", u'-')},
         {{u'+', 700000, "Erika", 0, "Beitrag", ""}, {u'-', 100000, "Bank", 0, "Rückgabe", ""}}},
        {"payments without amounts",
         {payment(std::nullopt, "Erika", "Beitrag 17"), payment(std::nullopt, "Hans", ""),
          payment(std::nullopt, "Jana", "Beitrag 5")},
         {{u'+', 600000, "Erika", 2, "Beitrag 17 Beitrag 5", ""}}},
        {"one payment without amount",
         {payment(250000, "Erika", "A"), payment(std::nullopt, "Hans", "B")},
         {{u'+', 600000, "Erika", 1, "A B", ""}}},
        {"amounts that do not add up",
         {payment(250000, "Erika", "A"), payment(340000, "Hans", "B")},
         {{u'+', 600000, "Erika", 1, "A B", ""}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Shown> made;
        for (const StatementEntry &e : core::SplitCollectiveEntry(entry, c.payments)) {
            made.push_back({e.sign, e.amount, e.party, e.moreParties, e.purpose, e.partyIban});
            EXPECT_EQ(entry.valueDate, e.valueDate);
            EXPECT_EQ("Sammelgutschrift", e.bookingType);
            // A split entry's bookings are known by the entry's reference, which the other
            // format gives for the whole entry.
            EXPECT_EQ("B 46083 + 600000 REF", e.references.at(0));
        }
        EXPECT_EQ(c.made, made);
    }
}
