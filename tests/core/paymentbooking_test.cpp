#include "support/records.h"
#include "support/tempdir.h"

#include "core/accountfile.h"
#include "core/paymentbooking.h"

#include <gtest/gtest.h>

using namespace penvaro;
using core::BookingRecord;

namespace {

core::PaymentNumbers Numbers(double rate = 1.95583) {
    return {core::ExchangeRateFromDouble(rate).value(), ','};
}

const double printingDay = penvaro::testing::Day("10.12.2026");

} // namespace

TEST(PaymentBooking, AmountsInDmAreConvertedAtTheEuroRate) {
    struct Case {
        const char *currency;
        const char *amount;
        double rate;
        std::int64_t betrag;
    };
    const Case cases[] = {
        {"DM", "125,50", 1.95583, 641671},
        {"EUR", "125,50", 1.95583, 1255000},
        {"DM", "100", 1.95583, 511292},
        {"", "100", 1.95583, 1000000},
        {"dm", "100", 1.95583, 1000000},
        {"DM", "1", 0.0002, 50000000},
        {"DM", "0,0001", 2, 0},
        {"DM", "0,0003", 2, 2}, // halves to the even one
        {"DM", "0,0001", 1e30, 0},
        {"DM", "-100", 1.95583, -511292},
    };
    for (const Case &c : cases) {
        core::TransferOrder order;
        order.DMEUR = c.currency;
        order.Betrag = c.amount;
        const auto record =
            core::PaymentBooking(core::TransferBookingInput(order, printingDay), Numbers(c.rate));
        ASSERT_TRUE(record) << c.currency << " " << c.amount;
        EXPECT_EQ(c.betrag, record->Betrag) << c.currency << " " << c.amount << " @ " << c.rate;
    }
}

TEST(PaymentBooking, TransfersAndChequesBookAPlannedDebit) {
    core::TransferOrder order;
    order.Empfaenger = "Stadtwerke Musterstadt Versorgung GmbH";
    order.Verwendung1 = "Abschlag Dezember";
    order.Verwendung2 = "Vertragskonto 1234567890 Zählernummer 99";
    order.Betrag = "125,50";
    auto transfer = core::PaymentBooking(core::TransferBookingInput(order, printingDay), Numbers());
    ASSERT_TRUE(transfer);
    EXPECT_EQ(core::BookingKind::Planned, transfer->Satzart);
    EXPECT_EQ(printingDay, transfer->Wertdatum);
    EXPECT_EQ("ÜB", transfer->Buchungsart.toUtf8());
    EXPECT_EQ("Stadtwerke Musterstadt Versorg", transfer->Absender.toUtf8());
    EXPECT_EQ("Abschlag Dezember Vertragskonto 1234567890 Zählern",
              transfer->Verwendungszweck.toUtf8());
    EXPECT_EQ(u'-', transfer->SollHaben);
    EXPECT_EQ(0, transfer->Auszugsjahr);
    EXPECT_EQ(0, transfer->Auszugsnr);
    EXPECT_EQ(0.0, transfer->Auszugsdatum);
    EXPECT_EQ(0.0, transfer->Buchungsdatum);

    core::CrossedCheque crossed;
    crossed.Empfaenger = {"Verein", "", "", ""};
    crossed.Betrag = "100";
    crossed.DMEUR = "DM";
    crossed.Datum = "24.12.2026";
    auto cheque =
        core::PaymentBooking(core::CrossedChequeBookingInput(crossed, printingDay), Numbers());
    ASSERT_TRUE(cheque);
    EXPECT_EQ("Verein   ", cheque->Absender.toUtf8());
    EXPECT_EQ("Scheck", cheque->Buchungsart.toUtf8());
    EXPECT_EQ("", cheque->Verwendungszweck.toUtf8());
    EXPECT_EQ(penvaro::testing::Day("24.12.2026"), cheque->Wertdatum);
    EXPECT_EQ(511292, cheque->Betrag);

    core::EuroCheque euro;
    euro.Empfaenger = "Bäckerei Korn";
    euro.Betrag = "75";
    euro.Datum = "heute"; // no date: valued on the printing day
    auto euroCheque =
        core::PaymentBooking(core::EuroChequeBookingInput(euro, printingDay), Numbers());
    ASSERT_TRUE(euroCheque);
    EXPECT_EQ("Bäckerei Korn", euroCheque->Absender.toUtf8());
    EXPECT_EQ(printingDay, euroCheque->Wertdatum);
    EXPECT_EQ(750000, euroCheque->Betrag);
}

TEST(PaymentBooking, RefusedAmountsAndRatesSayThatTheFormWasPrinted) {
    struct Case {
        const char *currency;
        const char *amount;
        double rate;
    };
    const Case cases[] = {
        {"EUR", "", 1.95583}, {"EUR", "1.250,00", 1.95583}, {"EUR", "12 Euro", 1.95583},
        {"DM", "100", 0.0},   {"DM", "100", -1.95583},      {"DM", "900000000000000", 1e-10},
    };
    for (const Case &c : cases) {
        core::EuroCheque cheque;
        cheque.Waehrung = c.currency;
        cheque.Betrag = c.amount;
        const auto record = core::PaymentBooking(core::EuroChequeBookingInput(cheque, printingDay),
                                                 Numbers(c.rate));
        ASSERT_FALSE(record) << c.amount;
        EXPECT_TRUE(record.error().message.starts_with("Das Formular wurde gedruckt, aber nicht "
                                                       "gebucht"))
            << record.error().message;
    }
    core::EuroCheque typo;
    typo.Betrag = "12x";
    EXPECT_TRUE(core::PaymentBooking(core::EuroChequeBookingInput(typo, 0), Numbers())
                    .error()
                    .message.ends_with(": 12x"));
}

TEST(AddPaymentBooking, AddsToTableAndFileOrNeither) {
    penvaro::testing::TempDir dir;
    const auto file = dir.path("giro.p11");
    core::BookingTable table;
    penvaro::testing::Fill(table, {penvaro::testing::StartValue(100000)});
    ASSERT_TRUE(core::SaveAccountFile(table, file));

    core::TransferOrder order;
    order.Empfaenger = "Haspa";
    order.Betrag = "125,50";
    const auto input = core::TransferBookingInput(order, printingDay);
    ASSERT_TRUE(core::AddPaymentBooking(table, input, Numbers(), file));
    core::BookingTable loaded;
    ASSERT_TRUE(core::LoadAccountFile(file, loaded));
    ASSERT_EQ(2, loaded.count);
    EXPECT_EQ(table.slot(2), loaded.slot(2));
    EXPECT_EQ(1255000, loaded.slot(2).Betrag);

    order.Betrag = "";
    EXPECT_FALSE(core::AddPaymentBooking(table, core::TransferBookingInput(order, printingDay),
                                         Numbers(), file));
    EXPECT_EQ(2, table.count);

    const auto missing = core::AddPaymentBooking(table, input, Numbers(), dir.path("weg.p11"));
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error().message.starts_with("Das Formular wurde gedruckt, aber nicht "
                                                    "gebucht. "))
        << missing.error().message;
    EXPECT_EQ(2, table.count);

    table.count = core::MaxBookings;
    const auto full = core::AddPaymentBooking(table, input, Numbers(), file);
    ASSERT_FALSE(full);
    EXPECT_EQ(core::ErrorKind::TooLarge, full.error().kind);
}
