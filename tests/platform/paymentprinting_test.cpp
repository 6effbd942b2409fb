#include "appfixture.h"
#include "support/printedtexts.h"
#include "support/records.h"

#include "core/bookingchanges.h"
#include "platform/account.h"
#include "platform/paymentprinting.h"
#include "platform/paymentrecall.h"

#include <QSignalSpy>

#include <functional>

namespace penvaro::platform {
namespace {

using testing::PrintedText;
using testing::RecordingCanvas;
using testing::ScriptedUiService;
using Kind = ScriptedUiService::Kind;

// A program with an open account file holding its start value.
struct OpenAccount : testing::TestApp {
    explicit OpenAccount(Store kind = Store::Usable)
        : TestApp(kind) {
        file = writeAccount(QStringLiteral("giro.p11"), {testing::StartValue(100000)});
        state->settings().accountFile = file.string();
        EXPECT_TRUE(state->account().load(file, true));
    }

    std::vector<core::BookingRecord> planned() const {
        std::vector<core::BookingRecord> found;
        for (const core::BookingRecord &record : recordsOnDisk(file))
            if (record.Satzart == core::BookingKind::Planned)
                found.push_back(record);
        return found;
    }

    std::filesystem::path file;
    RecordingCanvas canvas;
};

core::TransferOrder Transfer(const std::string &amount, const std::string &currency = "EUR") {
    core::TransferOrder order;
    order.Empfaenger = "Müller GmbH";
    order.Kontonr = "1234567";
    order.BLZ = "20050550";
    order.Bank = "Haspa";
    order.DMEUR = currency;
    order.Betrag = amount;
    order.Verwendung1 = "Rechnung 17";
    return order;
}

core::CrossedCheque Crossed(const std::string &amount) {
    core::CrossedCheque cheque;
    cheque.DMEUR = "DM";
    cheque.Betrag = amount;
    cheque.Empfaenger = {"Verein", "", "", ""};
    cheque.Datum = "24.06.2011";
    return cheque;
}

TEST(PaymentPrinting, APrintedTransferIsCorrectedBookedAndItsRecipientRemembered) {
    OpenAccount app;
    app.state->settings().printOffsetX = 20;
    app.state->settings().printOffsetY = -15;
    QSignalSpy changed(app.state.get(), &AppState::bookingsChanged);

    EXPECT_EQ(PaymentOutcome::Booked,
              PrintTransfer(*app.state, app.canvas, Transfer("125,50", "DM")));

    EXPECT_EQ((PrintedText{90, -111, "Müller GmbH"}), testing::PrintedTexts(app.canvas)[0]);
    const auto planned = app.planned();
    ASSERT_EQ(1u, planned.size());
    EXPECT_EQ(641671, planned[0].Betrag);
    EXPECT_EQ(testing::Day("20.06.2011"), planned[0].Wertdatum);
    EXPECT_EQ(2, app.state->table().count());
    EXPECT_EQ(1, changed.count());
    EXPECT_EQ((RememberedRecipient{QStringLiteral("1234567"), QStringLiteral("20050550"),
                                   QStringLiteral("Haspa")}),
              RecallRecipient(*app.state, QStringLiteral("Müller GmbH")));
    EXPECT_TRUE(app.messages().empty());
}

TEST(PaymentPrinting, APrinterFailureBooksAndRemembersNothing) {
    struct Case {
        const char *name;
        std::function<PaymentOutcome(OpenAccount &)> print;
    };
    const Case cases[] = {
        {"transfer",
         [](OpenAccount &app) { return PrintTransfer(*app.state, app.canvas, Transfer("10")); }},
        {"crossed cheque",
         [](OpenAccount &app) {
             return PrintCrossedCheque(*app.state, app.canvas, Crossed("10"));
         }},
        {"Euro cheque",
         [](OpenAccount &app) {
             core::EuroCheque cheque;
             cheque.Betrag = "75";
             return PrintEuroCheque(*app.state, app.canvas, cheque);
         }},
    };
    for (const Case &c : cases) {
        for (const bool atEnd : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (atEnd ? ", end fails" : ", begin fails"));
            OpenAccount app;
            if (atEnd)
                app.canvas.failEndWith("Der Drucker meldet einen Papierstau.");
            else
                app.canvas.failBeginWith("Der Drucker meldet einen Papierstau.");

            EXPECT_EQ(PaymentOutcome::NotPrinted, c.print(app));

            EXPECT_TRUE(app.planned().empty());
            EXPECT_EQ(1, app.state->table().count());
            EXPECT_TRUE(RecipientNames(*app.state).isEmpty());
            EXPECT_TRUE(PayeeNames(*app.state).isEmpty());
            EXPECT_EQ(
                app.messages(),
                (std::vector<ScriptedUiService::Shown>{
                    {Kind::Failure, QStringLiteral("Der Drucker meldet einen Papierstau.")}}));
        }
    }
}

TEST(PaymentPrinting, WhatStandsAgainstTheBookingStopsThePrintBeforeItBegins) {
    struct Case {
        const char *name;
        std::function<void(OpenAccount &)> spoil;
        std::string amount;
        std::string currency;
        QString message;
    };
    const Case cases[] = {
        {"no amount", {}, "", "EUR", QStringLiteral("Kein Betrag eingegeben (z. B. 1.234,56)")},
        {"negative amount",
         {},
         "-50,00",
         "EUR",
         QStringLiteral("Unzulässiger Betrag: -50,00 (ohne Vorzeichen, z. B. 1.234,56)")},
        {"zero",
         {},
         "0,00",
         "EUR",
         QStringLiteral("Unzulässiger Betrag: 0,00 (mehr als null, z. B. 1.234,56)")},
        {"unreadable amount",
         {},
         "1.23,45",
         "EUR",
         QStringLiteral("Unzulässiger Betrag: 1.23,45 (z. B. 1.234,56)")},
        {"DM without a rate", [](OpenAccount &app) { app.state->settings().nationalPerEuro = 0.0; },
         "10", "DM",
         QStringLiteral("Ein DM-Betrag lässt sich nur mit einem Eurokurs über null umrechnen.")},
        {"full table", [](OpenAccount &app) { app.state->table().resize(core::MaxBookings); }, "10",
         "EUR", QString::fromStdString(core::TableFullError().message)},
        {"read-only file", [](OpenAccount &app) { app.state->table().readOnly = true; }, "10",
         "EUR", QStringLiteral("ist schreibgeschützt geöffnet")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        OpenAccount app;
        if (c.spoil)
            c.spoil(app);
        const std::uint16_t count = app.state->table().count();
        EXPECT_EQ(PaymentOutcome::NotPrinted,
                  PrintTransfer(*app.state, app.canvas, Transfer(c.amount, c.currency)));
        core::CrossedCheque crossed = Crossed(c.amount);
        crossed.DMEUR = c.currency;
        EXPECT_EQ(PaymentOutcome::NotPrinted, PrintCrossedCheque(*app.state, app.canvas, crossed));
        EXPECT_EQ(0, app.canvas.jobs());
        EXPECT_EQ(count, app.state->table().count());
        EXPECT_TRUE(app.planned().empty());
        EXPECT_TRUE(RecipientNames(*app.state).isEmpty());
        EXPECT_TRUE(PayeeNames(*app.state).isEmpty());
        ASSERT_EQ(2u, app.messages().size());
        EXPECT_EQ(Kind::Failure, app.messages()[0].kind);
        EXPECT_TRUE(app.messages()[0].text.contains(c.message))
            << app.messages()[0].text.toStdString();
    }
}

TEST(PaymentPrinting, OnlyAFailedWriteSaysPrintedButNotBooked) {
    OpenAccount fileGone;
    std::filesystem::remove(fileGone.file);
    EXPECT_EQ(PaymentOutcome::PrintedNotBooked,
              PrintTransfer(*fileGone.state, fileGone.canvas, Transfer("1.000,00")));
    EXPECT_EQ(1, fileGone.canvas.jobs());
    EXPECT_EQ(1, fileGone.state->table().count());
    EXPECT_TRUE(RecipientNames(*fileGone.state).isEmpty()) << "nothing booked, nothing remembered";
    ASSERT_EQ(1u, fileGone.messages().size());
    EXPECT_EQ(Kind::Failure, fileGone.messages()[0].kind);
    EXPECT_TRUE(fileGone.messages()[0].text.startsWith(
        QStringLiteral("Das Formular wurde gedruckt, aber nicht gebucht. ")));
}

TEST(PaymentPrinting, ChequesBookTheirPayeeAndTheCrossedOneRemembersIt) {
    OpenAccount app;
    core::CrossedCheque crossed = Crossed("100");
    crossed.Empfaenger[2] = "Postfach 7";
    EXPECT_EQ(PaymentOutcome::Booked, PrintCrossedCheque(*app.state, app.canvas, crossed));
    core::EuroCheque euro;
    euro.Betrag = "75";
    euro.Empfaenger = "Bäckerei Korn";
    euro.Datum = "kein Datum";
    EXPECT_EQ(PaymentOutcome::Booked, PrintEuroCheque(*app.state, app.canvas, euro));

    const auto planned = app.planned();
    ASSERT_EQ(2u, planned.size());
    EXPECT_EQ("Verein", planned[0].Absender.toUtf8());
    EXPECT_EQ("Postfach 7", planned[0].Verwendungszweck.toUtf8());
    EXPECT_EQ(511292, planned[0].Betrag);
    EXPECT_EQ(testing::Day("24.06.2011"), planned[0].Wertdatum);
    EXPECT_EQ("Bäckerei Korn", planned[1].Absender.toUtf8());
    EXPECT_EQ(testing::Day("20.06.2011"), planned[1].Wertdatum);
    EXPECT_EQ((PayeeLines{QString(), QStringLiteral("Postfach 7"), QString()}),
              RecallPayee(*app.state, QStringLiteral("Verein")));
    EXPECT_EQ(PayeeNames(*app.state), QStringList{QStringLiteral("Verein")});
}

TEST(PaymentPrinting, AnUnreachableMemoryShowsItsNumberAndTheRestGoesOn) {
    OpenAccount app(testing::TestApp::Store::Unusable);
    EXPECT_EQ(PaymentOutcome::Booked, PrintTransfer(*app.state, app.canvas, Transfer("10")));
    EXPECT_EQ(PaymentOutcome::Booked, PrintCrossedCheque(*app.state, app.canvas, Crossed("10")));
    EXPECT_EQ(2u, app.planned().size());

    EXPECT_EQ(RememberedRecipient{}, RecallRecipient(*app.state, QStringLiteral("Müller GmbH")));
    EXPECT_TRUE(RecipientNames(*app.state).isEmpty());
    EXPECT_EQ(PayeeLines{}, RecallPayee(*app.state, QStringLiteral("Verein")));
    EXPECT_TRUE(PayeeNames(*app.state).isEmpty());

    std::vector<int> codes;
    for (const auto &shown : app.messages()) {
        EXPECT_EQ(QStringLiteral("Registry-Fehler"), shown.text);
        codes.push_back(shown.code);
    }
    EXPECT_EQ((std::vector<int>{26586, 26587, 26586, 26588, 26581, 26589}), codes);
}

TEST(PaymentPrinting, ReceiptsBookNothingAndReportAPrinterFailure) {
    OpenAccount app;
    app.state->settings().printOffsetX = 20;
    EXPECT_TRUE(PrintReceipt(*app.state, app.canvas, core::TransferReceiptPage(Transfer("10"))));
    EXPECT_EQ((PrintedText{700, -100, "Überweisungsbericht"}),
              testing::PrintedTexts(app.canvas)[0]);
    EXPECT_TRUE(app.planned().empty());

    app.canvas.failBeginWith("Kein Drucker eingerichtet.");
    EXPECT_FALSE(PrintReceipt(*app.state, app.canvas, core::EuroChequeReceiptPage({})));
    EXPECT_EQ(app.messages(), (std::vector<ScriptedUiService::Shown>{
                                  {Kind::Failure, QStringLiteral("Kein Drucker eingerichtet.")}}));
}

} // namespace
} // namespace penvaro::platform
