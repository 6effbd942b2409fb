#include "core/date.h"
#include "core/directdebit.h"
#include "core/returnreason.h"

#include <gtest/gtest.h>

using namespace penvaro;

namespace {

double day(const char *text) {
    return *core::ParseDate(text);
}

core::Member member(int number, core::FeeInterval interval, const char *firstDue) {
    core::Member m;
    m.number = number;
    m.name = "Mitglied " + std::to_string(number);
    m.iban = "DE89370400440532013000";
    m.bic = "COBADEFFXXX";
    m.mandateReference = "M-" + std::to_string(number);
    m.mandateDate = day("01.03.2026");
    m.fee = 150000;
    m.interval = interval;
    m.firstDue = day(firstDue);
    return m;
}

} // namespace

TEST(CollectionDueDate, LeavesTheBankTwoDaysAndTheMembersTheirNotice) {
    const double today = day("11.12.2026");
    struct Case {
        const char *name;
        const char *due;
        std::optional<int> noticeDays;
        const char *reason; // nullptr: accepted
    };
    const Case cases[] = {
        {"fourteen days ahead", "25.12.2026", std::nullopt, nullptr},
        {"thirteen days ahead", "24.12.2026", std::nullopt, "14 Tage"},
        {"agreed five days, five ahead", "16.12.2026", 5, nullptr},
        {"agreed five days, four ahead", "15.12.2026", 5, "5 Tage"},
        {"agreed one day, two ahead", "13.12.2026", 1, nullptr},
        {"agreed one day, one ahead", "12.12.2026", 1, "zwei Tage"},
        {"today", "11.12.2026", 1, "zwei Tage"},
        {"in the past", "01.12.2026", std::nullopt, "zwei Tage"},
        {"agreed no notice", "25.12.2026", 0, "mindestens ein Tag"},
        {"longer agreed notice", "30.12.2026", 20, "20 Tage"},
    };
    for (const Case &c : cases) {
        const auto checked = core::CheckCollectionDueDate(day(c.due), today, c.noticeDays);
        if (!c.reason) {
            EXPECT_TRUE(checked) << c.name << ": " << checked.error().message;
            continue;
        }
        ASSERT_FALSE(checked) << c.name;
        EXPECT_NE(std::string::npos, checked.error().message.find(c.reason))
            << c.name << ": " << checked.error().message;
    }
}

TEST(DueDirectDebits, CollectsTheDueMembersByNumberWithTheirReferences) {
    auto used = member(17, core::FeeInterval::Quarterly, "01.10.2026");
    used.mandateUsed = true;
    used.fee = 45000;
    const std::vector<core::Member> members{
        member(30, core::FeeInterval::Yearly, "15.01.2027"),
        used,
        member(5, core::FeeInterval::HalfYearly, "01.02.2027"), // not yet due
        member(8, core::FeeInterval::Monthly, "01.01.2027"),
    };
    const auto debits = core::DueDirectDebits(members, day("15.01.2027"), "MB20261211120000");
    ASSERT_EQ(3u, debits.size());
    EXPECT_EQ(8, debits[0].memberNumber);
    EXPECT_EQ(17, debits[1].memberNumber);
    EXPECT_EQ(30, debits[2].memberNumber);

    const core::DirectDebit &recurring = debits[1];
    EXPECT_EQ(core::SequenceType::Recurring, recurring.sequence);
    EXPECT_EQ(core::SequenceType::First, debits[0].sequence);
    EXPECT_EQ("Mitgliedsbeitrag 01/2027 Nr 17", recurring.purpose);
    EXPECT_EQ("MB20261211120000-17", recurring.endToEndId);
    EXPECT_EQ("M-17", recurring.mandateReference);
    EXPECT_EQ(day("01.03.2026"), recurring.mandateDate);
    EXPECT_EQ(45000, recurring.amount);
    EXPECT_EQ("Mitglied 17", recurring.name);
    EXPECT_EQ("DE89370400440532013000", recurring.iban);
    EXPECT_EQ("COBADEFFXXX", recurring.bic);

    EXPECT_TRUE(core::DueDirectDebits(members, day("15.02.2027"), "X").size() == 2u)
        << "monthly and half-yearly";
    EXPECT_TRUE(core::DueDirectDebits({}, day("15.01.2027"), "X").empty());
}

TEST(SepaCreditor, NeedsNameIbanAndAValidCreditorId) {
    const core::SepaCreditor club{"TSV Musterstadt e.V.", "DE89370400440532013000", "",
                                  "de98 zzz 0999 9999 999"};
    const auto checked = core::CheckSepaCreditor(club);
    ASSERT_TRUE(checked) << checked.error().message;
    EXPECT_EQ("DE98ZZZ09999999999", checked->creditorId);

    struct Case {
        const char *name;
        core::SepaCreditor creditor;
        const char *reason;
    };
    const Case cases[] = {
        {"no holder", {"", club.iban, "", club.creditorId}, "Kontoinhaber"},
        {"no IBAN", {club.name, "", "", club.creditorId}, "IBAN"},
        {"no creditor id", {club.name, club.iban, "", ""}, "fehlt die Gläubiger-ID"},
        {"wrong creditor id", {club.name, club.iban, "", "DE97ZZZ09999999999"}, "Prüfziffern"},
    };
    for (const Case &c : cases) {
        const auto refused = core::CheckSepaCreditor(c.creditor);
        ASSERT_FALSE(refused) << c.name;
        EXPECT_NE(std::string::npos, refused.error().message.find(c.reason))
            << c.name << ": " << refused.error().message;
    }
}

TEST(ReturnReason, NamesTheCommonCodesInWords) {
    struct Case {
        const char *code;
        const char *text;
    };
    const Case cases[] = {
        {"AM04", "AM04 Deckung unzureichend"},
        {"MD06", "MD06 Widerspruch"},
        {"MS02", "MS02 Widerspruch des Zahlers ohne Angabe von Gründen"},
        {"AC04", "AC04 Konto erloschen"},
        {"md01", "MD01 Kein Mandat"},
        {"XY99", "XY99 (unbekannter Rückgabegrund)"},
        {"", "Rückgabegrund nicht angegeben"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.text, core::ReturnReasonText(c.code)) << c.code;
}
