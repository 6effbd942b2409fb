#include "support/bankcodelines.h"

#include "core/accountmethodcheck.h"
#include "core/bankcodelist.h"
#include "core/iban.h"

#include <gtest/gtest.h>

#include <set>

using namespace penvaro;

namespace {

// Stands in for the banks' methods: the numbers listed fail, bank 12030000 has no known method.
class ListedFailures : public core::AccountMethodCheck {
public:
    core::AccountMethodVerdict check(std::string_view bankCode,
                                     std::string_view accountNumber) const override {
        if (bankCode == "12030000")
            return core::AccountMethodVerdict::MethodUnknown;
        return failing.contains(std::string(accountNumber)) ? core::AccountMethodVerdict::Failed
                                                            : core::AccountMethodVerdict::Passed;
    }

    std::set<std::string> failing{"1234567890"};
};

core::BankCodeList testBanks() {
    using penvaro::testing::BankCodeLine;
    return core::BankCodeList::FromText(
        BankCodeLine("37040044", "Commerzbank", "Commerzbank Köln", "50447", "Köln", "COBADEFFXXX")
        + BankCodeLine("12030000", "Deutsche Kreditbank Berlin", "DKB Berlin", "10919", "Berlin")
        + BankCodeLine("12030000", "Deutsche Kreditbank Berlin", "DKB Berlin", "10919", "Berlin",
                       "BYLADEM1001"));
}

} // namespace

TEST(Iban, AcceptsValidIbansTypedAnyWay) {
    const auto banks = testBanks();
    const ListedFailures methods;
    struct Case {
        const char *typed;
        const char *iban;
        const char *bic;
        const char *bank;
    };
    const Case cases[] = {
        {"DE89370400440532013000", "DE89370400440532013000", "COBADEFFXXX", "Commerzbank Köln"},
        {"de89 3704 0044 0532 0130 00", "DE89370400440532013000", "COBADEFFXXX",
         "Commerzbank Köln"},
        // A method the checker does not know accepts; the BIC comes from the first office
        // that carries one.
        {"DE02 1203 0000 0000 2020 51", "DE02120300000000202051", "BYLADEM1001", "DKB Berlin"},
        {"GB29 NWBK 6016 1331 9268 19", "GB29NWBK60161331926819", "", ""},
        {"FR1420041010050500013M02606", "FR1420041010050500013M02606", "", ""},
        {"AT611904300234573201", "AT611904300234573201", "", ""},
        {"NO9386011117947", "NO9386011117947", "", ""},
    };
    for (const Case &c : cases) {
        const auto checked = core::CheckIban(c.typed, banks, methods);
        ASSERT_TRUE(checked) << c.typed << ": " << checked.error().message;
        EXPECT_EQ(c.iban, checked->iban) << c.typed;
        EXPECT_EQ(c.bic, checked->bic) << c.typed;
        EXPECT_EQ(c.bank, checked->bankName) << c.typed;
    }
}

TEST(Iban, RefusesWhatIsNoValidIban) {
    const auto banks = testBanks();
    const ListedFailures methods;
    struct Case {
        const char *name;
        const char *typed;
        const char *message; // a part of the reason
    };
    const Case cases[] = {
        {"empty", "  ", "Bitte geben Sie eine IBAN ein"},
        {"typo in the account", "DE89370400440532013001", "Prüfziffern der IBAN stimmen nicht"},
        {"digits swapped", "DE89370400440532031000", "Prüfziffern der IBAN stimmen nicht"},
        {"one digit short", "DE8937040044053201300", "hat 22 Stellen, diese hat 21"},
        {"one digit long", "GB29NWBK603161331926819", "hat 22 Stellen, diese hat 23"},
        {"unknown country", "XY89370400440532013000", "Für das Land XY gibt es keine IBAN"},
        {"no country", "8937040044053201300", "zwei Buchstaben und zwei Prüfziffern"},
        {"other characters", "DE89-3704-0044-0532-0130-00", "nur aus Buchstaben und Ziffern"},
        // Each passes the remainder test; no IBAN carries these check digits.
        {"check digits 00", "DE00370400440000000060", "Prüfziffern 00"},
        {"check digits 01", "DE01370400440000000042", "Prüfziffern 01"},
        {"check digits 99", "DE99120300000000202051", "Prüfziffern 99"},
        {"unknown bank", "DE12500105170648489890", "Bankleitzahl 50010517 steht nicht"},
        {"account fails its method", "DE14370400441234567890",
         "Kontonummer 1234567890 besteht die Prüfung der Bank 37040044 nicht"},
    };
    for (const Case &c : cases) {
        const auto checked = core::CheckIban(c.typed, banks, methods);
        ASSERT_FALSE(checked) << c.name;
        EXPECT_NE(std::string::npos, checked.error().message.find(c.message))
            << c.name << ": " << checked.error().message;
    }
}

TEST(Iban, DerivesGermanIbansFromAccountAndBankCode) {
    const auto banks = testBanks();
    const ListedFailures methods;
    struct Case {
        const char *account;
        const char *bankCode;
        const char *result; // the IBAN, or a part of the reason
        bool derived;
    };
    const Case cases[] = {
        {"532013000", "37040044", "DE89370400440532013000", true},
        {"0532013000", "37040044", "DE89370400440532013000", true},
        {"202051", "1203 0000", "DE02120300000000202051", true},
        {"1", "37040044", "DE41370400440000000001", true},
        {"1234567890", "37040044", "besteht die Prüfung der Bank 37040044 nicht", false},
        {"532013000", "50010517", "Bankleitzahl 50010517 steht nicht", false},
        {"12345678901", "37040044", "eine bis zehn Ziffern", false},
        {"", "37040044", "eine bis zehn Ziffern", false},
        {"532013000", "3704004", "acht Ziffern", false},
    };
    for (const Case &c : cases) {
        const auto iban = core::IbanFromAccount(c.account, c.bankCode, banks, methods);
        ASSERT_EQ(c.derived, iban.hasValue()) << c.account << " " << c.bankCode;
        if (c.derived) {
            EXPECT_EQ(c.result, *iban);
        } else {
            EXPECT_NE(std::string::npos, iban.error().message.find(c.result))
                << iban.error().message;
        }
    }
}

TEST(Iban, ShowsGroupsOfFour) {
    EXPECT_EQ("DE89 3704 0044 0532 0130 00", core::IbanInGroups("DE89370400440532013000"));
    EXPECT_EQ("NO93 8601 1117 947", core::IbanInGroups("NO9386011117947"));
    EXPECT_EQ("", core::IbanInGroups(""));
}

TEST(Bic, FollowsTheIsoPattern) {
    struct Case {
        const char *typed;
        const char *bic; // empty: refused
    };
    const Case cases[] = {
        {"COBADEFFXXX", "COBADEFFXXX"},
        {"cobadeff", "COBADEFF"},
        {"NWBK GB 2L", "NWBKGB2L"},
        {"COBADEFFXX", ""},
        {"COBA1EFF", ""},
        {"COBADEFF-XX", ""},
        {"", ""},
    };
    for (const Case &c : cases) {
        const auto bic = core::CheckBic(c.typed);
        EXPECT_EQ(*c.bic != '\0', bic.hasValue()) << c.typed;
        if (bic) {
            EXPECT_EQ(c.bic, *bic);
        }
    }
}
