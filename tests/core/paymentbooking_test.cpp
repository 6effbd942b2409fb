#include "support/records.h"
#include "support/tempdir.h"

#include "core/accountfile.h"
#include "core/paymentbooking.h"

#include <gtest/gtest.h>

using namespace penvaro;
using core::BookingRecord;

namespace {

core::ExchangeRate Rate(double rate = 1.95583) {
    return core::ExchangeRateFromDouble(rate).value();
}

const double printingDay = penvaro::testing::Day("10.12.2026");
const std::filesystem::path accountFile = "giro.p11";

core::Result<BookingRecord> Booking(const core::PaymentBookingInput &input,
                                    const core::ExchangeRate &rate = Rate()) {
    return core::PaymentBooking(core::BookingTable{}, accountFile, input, rate);
}

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
        {"DM", "1.234,56", 1.95583, 6312205},
        {"DM", "1", 0.0002, 50000000},
        {"DM", "0,01", 8, 12}, // 12,5 halves to the even one
        {"DM", "0,03", 8, 38}, // 37,5 likewise
        {"DM", "0,01", 1e30, 0},
    };
    for (const Case &c : cases) {
        core::TransferOrder order;
        order.DMEUR = c.currency;
        order.Betrag = c.amount;
        const auto record = Booking(core::TransferBookingInput(order, printingDay), Rate(c.rate));
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
    auto transfer = Booking(core::TransferBookingInput(order, printingDay));
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
    crossed.Empfaenger = {"Hausverwaltung Schäfer", "Miete Vorauszahlung", "", "Haus 3"};
    crossed.Betrag = "100";
    crossed.DMEUR = "DM";
    crossed.Datum = "24.12.2026";
    auto cheque = Booking(core::CrossedChequeBookingInput(crossed, printingDay));
    ASSERT_TRUE(cheque);
    EXPECT_EQ("Hausverwaltung Schäfer", cheque->Absender.toUtf8());
    EXPECT_EQ("Scheck", cheque->Buchungsart.toUtf8());
    EXPECT_EQ("Miete Vorauszahlung Haus 3", cheque->Verwendungszweck.toUtf8());
    EXPECT_EQ(penvaro::testing::Day("24.12.2026"), cheque->Wertdatum);
    EXPECT_EQ(511292, cheque->Betrag);

    core::EuroCheque euro;
    euro.Empfaenger = "Bäckerei Korn";
    euro.Betrag = "75";
    euro.Datum = "heute"; // no date: valued on the printing day
    auto euroCheque = Booking(core::EuroChequeBookingInput(euro, printingDay));
    ASSERT_TRUE(euroCheque);
    EXPECT_EQ("Bäckerei Korn", euroCheque->Absender.toUtf8());
    EXPECT_EQ(printingDay, euroCheque->Wertdatum);
    EXPECT_EQ(750000, euroCheque->Betrag);
}

TEST(PaymentBooking, WhatStandsAgainstTheBookingIsKnownBeforePrinting) {
    struct Case {
        const char *currency;
        const char *amount;
        double rate;
        core::ErrorKind kind;
        const char *message;
    };
    const Case cases[] = {
        {"EUR", "", 1.95583, core::ErrorKind::Invalid, "Kein Betrag eingegeben (z. B. 1.234,56)"},
        {"EUR", "1.23,45", 1.95583, core::ErrorKind::Invalid,
         "Unzulässiger Betrag: 1.23,45 (z. B. 1.234,56)"},
        {"EUR", "-50,00", 1.95583, core::ErrorKind::Invalid,
         "Unzulässiger Betrag: -50,00 (ohne Vorzeichen, z. B. 1.234,56)"},
        {"EUR", " 0,00 ", 1.95583, core::ErrorKind::Invalid,
         "Unzulässiger Betrag: 0,00 (mehr als null, z. B. 1.234,56)"},
        {"DM", "100", 0.0, core::ErrorKind::Invalid,
         "Ein DM-Betrag lässt sich nur mit einem Eurokurs über null umrechnen."},
        {"DM", "100", -1.95583, core::ErrorKind::Invalid,
         "Ein DM-Betrag lässt sich nur mit einem Eurokurs über null umrechnen."},
        {"DM", "900.000.000.000.000", 1e-10, core::ErrorKind::Overflow, "Der Betrag ist zu groß."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.amount);
        core::EuroCheque cheque;
        cheque.Waehrung = c.currency;
        cheque.Betrag = c.amount;
        const auto record =
            Booking(core::EuroChequeBookingInput(cheque, printingDay), Rate(c.rate));
        ASSERT_FALSE(record);
        EXPECT_EQ(c.kind, record.error().kind);
        EXPECT_EQ(c.message, record.error().message);
    }

    core::EuroCheque cheque;
    cheque.Betrag = "75";
    const auto input = core::EuroChequeBookingInput(cheque, printingDay);
    core::BookingTable full;
    full.resize(core::MaxBookings);
    EXPECT_EQ(core::ErrorKind::TooLarge,
              core::PaymentBooking(full, accountFile, input, Rate()).error().kind);
    core::BookingTable readOnly;
    readOnly.readOnly = true;
    EXPECT_EQ(core::ErrorKind::ReadOnly,
              core::PaymentBooking(readOnly, accountFile, input, Rate()).error().kind);
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
    const auto record =
        core::PaymentBooking(table, file, core::TransferBookingInput(order, printingDay), Rate());
    ASSERT_TRUE(record);
    ASSERT_TRUE(core::AddPaymentBooking(table, *record, file));
    core::BookingTable loaded;
    ASSERT_TRUE(core::LoadAccountFile(file, loaded));
    ASSERT_EQ(2, loaded.count());
    EXPECT_EQ(table.slot(2), loaded.slot(2));
    EXPECT_EQ(1255000, loaded.slot(2).Betrag);

    const auto missing = core::AddPaymentBooking(table, *record, dir.path("weg.p11"));
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error().message.starts_with("Das Formular wurde gedruckt, aber nicht "
                                                    "gebucht. "))
        << missing.error().message;
    EXPECT_EQ(2, table.count());
}
