#include "support/bankcodelines.h"

#include "core/accountmethodcheck.h"
#include "core/bankcodelist.h"
#include "core/date.h"
#include "core/epcqrpayload.h"
#include "core/sepatransfer.h"

#include <gtest/gtest.h>

using namespace penvaro;

namespace {

core::SepaTransfer invoice() {
    return {"Sportverein Grün-Weiß e.V.",
            "DE89370400440532013000",
            "COBADEFFXXX",
            1255000,
            "Mitgliedsbeitrag 2027 Jörg Müller",
            0.0};
}

class PassingMethods : public core::AccountMethodCheck {
public:
    core::AccountMethodVerdict check(std::string_view, std::string_view) const override {
        return core::AccountMethodVerdict::Passed;
    }
};

} // namespace

TEST(EpcQrPayload, WritesTheLinesOfVersion002) {
    struct Case {
        const char *name;
        core::SepaTransfer transfer;
        std::string payload;
    };
    auto withoutBic = invoice();
    withoutBic.bic.clear();
    auto withoutPurpose = invoice();
    withoutPurpose.purpose.clear();
    withoutPurpose.amount = 100;
    auto largest = invoice();
    largest.amount = core::SepaMaximumAmount;
    const Case cases[] = {
        {"umlauts in UTF-8", invoice(),
         "BCD\n002\n1\nSCT\nCOBADEFFXXX\nSportverein Grün-Weiß e.V.\nDE89370400440532013000\n"
         "EUR125.50\n\n\nMitgliedsbeitrag 2027 Jörg Müller"},
        {"without BIC", withoutBic,
         "BCD\n002\n1\nSCT\n\nSportverein Grün-Weiß e.V.\nDE89370400440532013000\nEUR125.50\n\n\n"
         "Mitgliedsbeitrag 2027 Jörg Müller"},
        {"one cent, no purpose", withoutPurpose,
         "BCD\n002\n1\nSCT\nCOBADEFFXXX\nSportverein Grün-Weiß e.V.\nDE89370400440532013000\n"
         "EUR0.01"},
        {"largest amount", largest,
         "BCD\n002\n1\nSCT\nCOBADEFFXXX\nSportverein Grün-Weiß e.V.\nDE89370400440532013000\n"
         "EUR999999999.99\n\n\nMitgliedsbeitrag 2027 Jörg Müller"},
    };
    for (const Case &c : cases) {
        const auto payload = core::EpcQrPayload(c.transfer);
        ASSERT_TRUE(payload) << c.name;
        EXPECT_EQ(c.payload, *payload) << c.name;
    }
}

TEST(EpcQrPayload, LongestTextsFitOrAreRefused) {
    auto longest = invoice();
    longest.name = std::string(core::SepaNameLength, 'N');
    longest.purpose = std::string(core::SepaPurposeLength, 'V');
    const auto fits = core::EpcQrPayload(longest);
    ASSERT_TRUE(fits) << fits.error().message;
    EXPECT_LE(fits->size(), core::EpcQrMaximumBytes);

    // Umlauts take two bytes each: the longest texts in them pass the byte limit.
    longest.name.clear();
    longest.purpose.clear();
    for (std::size_t i = 0; i < core::SepaNameLength; ++i)
        longest.name += "Ü";
    for (std::size_t i = 0; i < core::SepaPurposeLength; ++i)
        longest.purpose += "ä";
    const auto refused = core::EpcQrPayload(longest);
    ASSERT_FALSE(refused);
    EXPECT_NE(std::string::npos, refused.error().message.find("höchstens 331 Bytes"));
}

TEST(SepaTransfer, ChecksEachField) {
    EXPECT_TRUE(core::CheckSepaName(std::string(70, 'A')));
    std::string umlauts;
    for (int i = 0; i < 70; ++i)
        umlauts += "ö";
    EXPECT_TRUE(core::CheckSepaName(umlauts)) << "70 characters, 140 bytes";
    EXPECT_FALSE(core::CheckSepaName(umlauts + "o"));
    EXPECT_FALSE(core::CheckSepaName(" "));
    EXPECT_FALSE(core::CheckSepaName("Zeile\nZeile"));
    EXPECT_TRUE(core::CheckSepaPurpose(""));
    EXPECT_TRUE(core::CheckSepaPurpose(std::string(140, 'V')));
    EXPECT_FALSE(core::CheckSepaPurpose(std::string(141, 'V')));

    struct AmountCase {
        std::int64_t amount;
        bool accepted;
    };
    const AmountCase amounts[] = {
        {0, false},
        {99, false},
        {100, true},
        {1255000, true},
        {1255050, false},
        {-100, false},
        {core::SepaMaximumAmount, true},
        {core::SepaMaximumAmount + 100, false},
    };
    for (const AmountCase &c : amounts)
        EXPECT_EQ(c.accepted, core::CheckSepaAmount(c.amount).hasValue()) << c.amount;

    EXPECT_EQ("COBADEFFXXX", *core::CheckSepaBic("", "DE", "COBADEFFXXX"));
    EXPECT_EQ("COBADEFFXXX", *core::CheckSepaBic("NWBKGB2L", "DE", "COBADEFFXXX"));
    EXPECT_EQ("MARKDEFFXXX", *core::CheckSepaBic("markdeffxxx", "DE", ""));
    EXPECT_EQ("", *core::CheckSepaBic(" ", "DE", ""));
    EXPECT_EQ("NWBKGB2L", *core::CheckSepaBic("nwbkgb2l", "GB", ""));
    EXPECT_FALSE(core::CheckSepaBic("", "GB", ""));
    EXPECT_FALSE(core::CheckSepaBic("NWBK", "GB", ""));
}

TEST(SepaTransfer, TakesOnlySepaIbansAndABicOfTheIbansCountry) {
    using penvaro::testing::BankCodeLine;
    const auto banks = core::BankCodeList::FromText(
        BankCodeLine("37040044", "Commerzbank", "Commerzbank Köln", "50447", "Köln", "COBADEFFXXX")
        + BankCodeLine("12030000", "Deutsche Kreditbank Berlin", "DKB Berlin", "10919", "Berlin"));
    const PassingMethods methods;
    struct Case {
        const char *name;
        const char *iban;
        const char *bic;
        const char *checkedBic; // nullptr: refused
        const char *reason;     // part of the refusal
    };
    const Case cases[] = {
        {"German bank: the file's BIC", "DE89370400440532013000", "", "COBADEFFXXX", ""},
        {"EEA country without BIC", "AT611904300234573201", "", "", ""},
        {"EEA country with its BIC", "AT611904300234573201", "bkauatww", "BKAUATWW", ""},
        {"BIC of another country", "NL91ABNA0417164300", "COBADEFFXXX", nullptr,
         "gehört zu einer Bank in DE, die IBAN zu einem Konto in NL"},
        {"German IBAN, foreign BIC typed", "DE02120300000000202051", "NWBKGB2L", nullptr,
         "Bank in GB"},
        {"outside the EEA without BIC", "GB29NWBK60161331926819", "", nullptr, "BIC"},
        {"Jersey bank, British IBAN", "GB29NWBK60161331926819", "HSBCJESHXXX", "HSBCJESHXXX", ""},
        {"outside SEPA", "BR1800360305000010009795493C1", "", nullptr, "SEPA"},
    };
    for (const Case &c : cases) {
        auto typed = invoice();
        typed.iban = c.iban;
        typed.bic = c.bic;
        const auto checked = core::CheckSepaTransfer(typed, banks, methods);
        if (!c.checkedBic) {
            ASSERT_FALSE(checked) << c.name;
            EXPECT_NE(std::string::npos, checked.error().message.find(c.reason))
                << c.name << ": " << checked.error().message;
            continue;
        }
        ASSERT_TRUE(checked) << c.name << ": " << checked.error().message;
        EXPECT_EQ(c.checkedBic, checked->bic) << c.name;
    }
}

TEST(SepaTransfer, BooksThePlannedDebitOnTheExecutionDate) {
    const double today = *core::ParseDate("11.12.2026");
    auto transfer = invoice();
    transfer.name = "Ein Empfänger mit einem Namen, der länger ist als dreißig Zeichen";
    transfer.purpose = std::string(60, 'V');

    const auto booking = core::SepaBooking(transfer, today);
    EXPECT_EQ(core::BookingKind::Planned, booking.Satzart);
    EXPECT_EQ(today, booking.Wertdatum) << "no execution date: today";
    EXPECT_EQ("ÜB", booking.Buchungsart.toUtf8());
    EXPECT_EQ("Ein Empfänger mit einem Namen,", booking.Absender.toUtf8());
    EXPECT_EQ(std::string(50, 'V'), booking.Verwendungszweck.toUtf8());
    EXPECT_EQ(u'-', booking.SollHaben);
    EXPECT_EQ(1255000, booking.Betrag);

    transfer.execution = *core::ParseDate("15.01.2027");
    EXPECT_EQ(transfer.execution, core::SepaBooking(transfer, today).Wertdatum);
}
