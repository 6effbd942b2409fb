#include "core/creditorid.h"

#include <gtest/gtest.h>

using namespace penvaro;

TEST(CreditorId, AcceptsValidIdentifiersInTheirNormalForm) {
    struct Case {
        const char *typed;
        const char *id;
    };
    const Case cases[] = {
        {"DE98ZZZ09999999999", "DE98ZZZ09999999999"},
        {"de98 zzz 0999 9999 999", "DE98ZZZ09999999999"},
        // The business code is the creditor's choice and outside the check digits.
        {"DE98ABC09999999999", "DE98ABC09999999999"},
        {"AT33ZZZ12345678901", "AT33ZZZ12345678901"},
        {"IT66ZZZAB1234567890", "IT66ZZZAB1234567890"},
    };
    for (const Case &c : cases) {
        const auto checked = core::CheckCreditorId(c.typed);
        ASSERT_TRUE(checked) << c.typed << ": " << checked.error().message;
        EXPECT_EQ(c.id, *checked) << c.typed;
    }
}

TEST(CreditorId, RefusesWithTheReason) {
    struct Case {
        const char *name;
        const char *typed;
        const char *reason; // part of the message
    };
    const Case cases[] = {
        {"empty", " ", "Bitte geben Sie"},
        {"wrong check digits", "DE97ZZZ09999999999", "Prüfziffern"},
        {"digits swapped", "DE98ZZZ09999999990", "Prüfziffern"},
        {"01 in place of 98", "DE01ZZZ09999999999", "Prüfziffern"},
        {"German, one digit short", "DE98ZZZ0999999999", "18 Stellen"},
        {"German, letter in the national part", "DE98ZZZ0999999999X", "elf Ziffern"},
        {"no national part", "DE98ZZZ", "nationale Kennung"},
        {"no country", "9898ZZZ09999999999", "Land in zwei Buchstaben"},
        {"hyphen", "DE98-ZZZ-09999999999", "nur aus Buchstaben und Ziffern"},
        {"umlaut", "DE98ZÄZ09999999999", "nur aus Buchstaben und Ziffern"},
        {"outside SEPA", "US98ZZZ09999999999", "SEPA"},
        {"longer than a file takes", "AT33ZZZ12345678901234567890123456789", "höchstens 35"},
    };
    for (const Case &c : cases) {
        const auto checked = core::CheckCreditorId(c.typed);
        ASSERT_FALSE(checked) << c.name;
        EXPECT_EQ(core::ErrorKind::Invalid, checked.error().kind) << c.name;
        EXPECT_NE(std::string::npos, checked.error().message.find(c.reason))
            << c.name << ": " << checked.error().message;
    }
}
