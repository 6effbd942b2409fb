#include "accountfixture.h"
#include "support/records.h"

#include "entry/bookingfields.h"

#include <gtest/gtest.h>

#include <functional>

namespace penvaro::entry {
namespace {

using core::BookingKind;
using core::BookingRecord;
using testing::Day;

// A complete, valid form for the state; each case then spoils one field.
BookingTexts ValidTexts(FormState state) {
    BookingTexts texts;
    const bool recurring = state == FormState::Recurring;
    texts.number = recurring ? QStringLiteral("15") : QStringLiteral("7");
    texts.year = recurring ? QStringLiteral("alle 2 Monate") : QStringLiteral("2011");
    texts.statementDate = QStringLiteral("03.05.2011");
    texts.valueDate = QStringLiteral("02.05.2011");
    texts.bookingType = QStringLiteral("ÜB");
    texts.party = QStringLiteral("Stadtwerke");
    texts.purpose = QStringLiteral("Abschlag Mai");
    texts.bookingDate = QStringLiteral("04.05.2011");
    texts.amount = QStringLiteral("12,5");
    texts.plus = false;
    return texts;
}

// Amounts are typed the German way.
class ConvertBookingFieldsTest : public ::testing::Test {
    penvaro::testing::TestApp app;
};

ConversionMode Mode(FormState state, bool newBooking, bool statementData = true,
                    bool bookingDates = true) {
    return {state, newBooking ? &EntryErrors : &EditErrors, statementData, bookingDates,
            newBooking};
}

TEST_F(ConvertBookingFieldsTest, TheFirstUnreadableFieldStopsWithTheNumberOfItsDialog) {
    struct Case {
        const char *what;
        FormState state;
        bool statementData;
        std::function<void(BookingTexts &)> spoil;
        std::int32_t entryCode;
        std::int32_t editCode;
        QString message;
        BookingField focus;
    };
    const Case cases[] = {
        {"statement year", FormState::Completed, true,
         [](BookingTexts &t) { t.year = QStringLiteral("65536"); }, 174, 113,
         QStringLiteral("Unzulässiges Auszugsjahr: 65536"), BookingField::None},
        {"statement number before statement date", FormState::Completed, true,
         [](BookingTexts &t) {
             t.number = QStringLiteral("7a");
             t.statementDate = QStringLiteral("31.02.2011");
         },
         172, 111, QStringLiteral("Unzulässige Auszugsnummer: 7a"), BookingField::Number},
        {"statement date", FormState::Completed, true,
         [](BookingTexts &t) { t.statementDate = QStringLiteral("31.02.2011"); }, 171, 110,
         QStringLiteral("Unzulässiges Auszugsdatum: 31.02.2011"), BookingField::StatementDate},
        {"value date", FormState::Completed, true,
         [](BookingTexts &t) { t.valueDate = QStringLiteral(".."); }, 169, 108,
         QStringLiteral("Unzulässiges Wertdatum: .."), BookingField::ValueDate},
        {"value date before the statement is derived from it", FormState::Completed, false,
         [](BookingTexts &t) { t.valueDate = QStringLiteral("00.05.2011"); }, 169, 108,
         QStringLiteral("Unzulässiges Wertdatum: 00.05.2011"), BookingField::ValueDate},
        {"value date of a planned booking", FormState::Planned, true,
         [](BookingTexts &t) { t.valueDate = QStringLiteral("1.13.2011"); }, 169, 108,
         QStringLiteral("Unzulässiges Wertdatum: 1.13.2011"), BookingField::ValueDate},
        {"first execution", FormState::Recurring, true,
         [](BookingTexts &t) { t.valueDate = QStringLiteral("32.01.2011"); }, 170, 109,
         QStringLiteral("Unzulässiges Datum: 32.01.2011"), BookingField::ValueDate},
        {"execution day", FormState::Recurring, true,
         [](BookingTexts &t) { t.number = QStringLiteral("31"); }, 173, 112,
         QStringLiteral("Unzulässiger Ausführungstag: 31"), BookingField::Number},
        {"booking date", FormState::Completed, true,
         [](BookingTexts &t) { t.bookingDate = QStringLiteral(".."); }, 165, 104,
         QStringLiteral("Unzulässiges Buchungsdatum: .."), BookingField::BookingDate},
        {"amount with thousands dots out of place", FormState::Planned, true,
         [](BookingTexts &t) { t.amount = QStringLiteral("1.23,45"); }, 164, 103,
         QStringLiteral("Unzulässiger Betrag: 1.23,45 (z. B. 1.234,56)"), BookingField::Amount},
        {"amount beyond 64 bits", FormState::Recurring, true,
         [](BookingTexts &t) { t.amount = QStringLiteral("922337203685478"); }, 164, 103,
         QStringLiteral("Unzulässiger Betrag: 922337203685478 (zu groß, z. B. 1.234,56)"),
         BookingField::Amount},
        // The direction is the sign list's: "-50" with "-" chosen raised the balance.
        {"amount below zero", FormState::Completed, true,
         [](BookingTexts &t) { t.amount = QStringLiteral("-50"); }, 164, 103,
         QStringLiteral("Unzulässiger Betrag: -50 (ohne Vorzeichen, z. B. 1.234,56)"),
         BookingField::Amount},
    };
    for (const Case &c : cases) {
        for (const bool entry : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (entry ? ", entry" : ", edit"));
            BookingTexts texts = ValidTexts(c.state);
            c.spoil(texts);
            const BookingConversion converted = ConvertBookingFields(
                testing::Planned("01.07.2011"), texts, Mode(c.state, entry, c.statementData));
            ASSERT_TRUE(converted.error);
            EXPECT_EQ(converted.error->code, entry ? c.entryCode : c.editCode);
            EXPECT_EQ(converted.error->message, c.message);
            EXPECT_EQ(converted.error->focus, c.focus);
        }
    }
}

TEST_F(ConvertBookingFieldsTest, NewBookingsDeriveWhatChangedOnesKeep) {
    BookingRecord original = testing::Completed(2009, 9, "01.01.2009");
    original.Auszugsdatum = Day("05.01.2009");
    original.Buchungsdatum = Day("06.01.2009");
    struct Case {
        const char *what;
        FormState state;
        bool newBooking;
        bool statementData;
        bool bookingDates;
        BookingKind kind;
        std::uint16_t year;
        std::uint16_t number;
        double statementDate;
        double bookingDate;
    };
    const Case cases[] = {
        {"new completed booking from a statement", FormState::Completed, true, true, false,
         BookingKind::Completed, 2011, 7, Day("03.05.2011"), Day("02.05.2011")},
        {"statements off, booking dates on", FormState::Completed, true, false, true,
         BookingKind::Completed, 2011, 1, Day("02.05.2011"), Day("04.05.2011")},
        {"new planned booking", FormState::Planned, true, true, true, BookingKind::Planned, 2011, 1,
         Day("02.05.2011"), Day("02.05.2011")},
        {"new recurring booking: interval and day", FormState::Recurring, true, true, true,
         BookingKind::Recurring, 2, 15, 0.0, 0.0},
        {"changed planned booking keeps its statement fields", FormState::Planned, false, true,
         true, BookingKind::Planned, 2009, 1, Day("05.01.2009"), Day("06.01.2009")},
        {"transfer with statement data", FormState::Transfer, false, true, false,
         BookingKind::Completed, 2011, 7, Day("03.05.2011"), Day("02.05.2011")},
        {"changed recurring booking keeps its dates", FormState::Recurring, false, true, true,
         BookingKind::Recurring, 2, 15, Day("05.01.2009"), Day("06.01.2009")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const BookingConversion converted =
            ConvertBookingFields(c.newBooking ? BookingRecord{} : original, ValidTexts(c.state),
                                 Mode(c.state, c.newBooking, c.statementData, c.bookingDates));
        ASSERT_FALSE(converted.error) << converted.error->message.toStdString();
        const BookingRecord &r = converted.record;
        EXPECT_EQ(r.Satzart, c.kind);
        EXPECT_EQ(r.Auszugsjahr, c.year);
        EXPECT_EQ(r.Auszugsnr, c.number);
        EXPECT_EQ(r.Auszugsdatum, c.statementDate);
        EXPECT_EQ(r.Wertdatum, Day("02.05.2011"));
        EXPECT_EQ(r.Buchungsdatum, c.bookingDate);
        EXPECT_EQ(r.Buchungsart.toUtf8(), "ÜB");
        EXPECT_EQ(r.Verwendungszweck.toUtf8(), "Abschlag Mai");
        EXPECT_EQ(r.SollHaben, u'-');
        EXPECT_EQ(r.Betrag, 125000);
    }
}

TEST_F(ConvertBookingFieldsTest, TheStatementDateIsReturnedOnceReadEvenWhenALaterFieldFails) {
    struct Case {
        const char *what;
        std::function<void(BookingTexts &)> spoil;
        bool statementData;
        bool remembered;
    };
    const Case cases[] = {
        {"all fields valid", [](BookingTexts &) {}, true, true},
        {"amount fails later", [](BookingTexts &t) { t.amount = QStringLiteral("x"); }, true, true},
        {"statement date fails", [](BookingTexts &t) { t.statementDate = QStringLiteral(".."); },
         true, false},
        {"statements off", [](BookingTexts &) {}, false, false},
    };
    for (const Case &c : cases) {
        for (const bool entry : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (entry ? ", entry" : ", edit"));
            BookingTexts texts = ValidTexts(FormState::Completed);
            c.spoil(texts);
            const BookingConversion converted = ConvertBookingFields(
                BookingRecord{}, texts, Mode(FormState::Completed, entry, c.statementData));
            ASSERT_EQ(converted.statementDate.has_value(), c.remembered);
            if (c.remembered) {
                EXPECT_EQ(converted.statementDate->number, 7);
                EXPECT_EQ(converted.statementDate->year, 2011);
                EXPECT_EQ(converted.statementDate->date, Day("03.05.2011"));
            }
        }
    }
}

} // namespace
} // namespace penvaro::entry
