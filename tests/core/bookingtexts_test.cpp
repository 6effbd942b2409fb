#include "support/records.h"

#include "core/accountfile.h"
#include "core/bookingtexts.h"
#include "core/search.h"
#include "core/yearreport.h"

#include <gtest/gtest.h>

namespace penvaro::core {
namespace {

BookingDetails texts(std::string category, std::string party, std::string purpose,
                     std::string partyIban = {}) {
    return {
        std::move(category), std::move(party), std::move(purpose), std::move(partyIban), {}, {}};
}

TEST(BookingTexts, FieldsTakeWhatFitsAndDetailsOnlyWhatTheyCannot) {
    struct Case {
        const char *name;
        BookingDetails typed;
        const char *field; // Verwendungszweck as the file holds it
        bool details;
        std::string purpose; // as the booking shows it
    };
    const std::string purpose117 =
        "Kundennummer 4711-0815 Abschlag Dezember 2026 Vertragskonto 0815 Zählpunkt DE000123 "
        "Lieferstelle Musterweg 5, 50667 Köln";
    const std::string purpose150(150, 'x');
    const Case cases[] = {
        {"short texts need no details", texts("ÜB", "Müller", "Miete"), "Miete", false, "Miete"},
        {"a long purpose is kept whole", texts("ÜB", "Müller", purpose117),
         "Kundennummer 4711-0815 Abschlag Dezember 2026 Vert", true, purpose117},
        {"beyond 140 characters it is cut", texts("ÜB", "Müller", purpose150),
         "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", true, std::string(140, 'x')},
        {"an IBAN alone is kept", texts("ÜB", "Müller", "Miete", "DE02120300000000202051"), "Miete",
         true, "Miete"},
        {"a character the code page lacks", texts("ÜB", "Müller", "Spende ✓"), "Spende ?", true,
         "Spende ✓"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        BookingRecord r;
        SetBookingTexts(r, c.typed);
        EXPECT_EQ(c.field, r.Verwendungszweck.toUtf8());
        EXPECT_EQ(c.details, r.details != nullptr);
        EXPECT_EQ(c.purpose, PurposeText(r));
        EXPECT_EQ(c.typed.party, PartyText(r));
    }
    BookingRecord category;
    SetBookingTexts(category, texts("Lebensmittel", "", ""));
    EXPECT_EQ("Lebensmitt", category.Buchungsart.toUtf8());
    EXPECT_EQ("Lebensmittel", CategoryText(category));
}

TEST(BookingTexts, FirstCharactersCountsCharactersNotBytes) {
    EXPECT_EQ("Grün", FirstCharacters("Grün-Weiß", 4));
    EXPECT_EQ("Grün-Weiß", FirstCharacters("Grün-Weiß", 40));
    EXPECT_EQ("", FirstCharacters("Grün", 0));
}

// The companion file ties details to records by these digests, so they must not depend on the
// run, and an appended record must extend the file's stamp as a whole write would.
TEST(BookingTexts, DigestsAreTheFilesOwn) {
    const std::vector<BookingRecord> records{testing::StartValue(100),
                                             testing::Planned("20.12.2026", -9900)};
    const auto bytes = testing::FileBytes(records);
    const FileStamp whole = StampOfBytes(bytes);
    const FileStamp first =
        StampOfBytes(std::span<const std::uint8_t>(bytes).first(BookingRecordSize));
    EXPECT_EQ(whole, ExtendStamp(first, RecordDigest(records[1])));
    EXPECT_EQ(RecordBytesDigest(std::span<const std::uint8_t>(bytes).last(BookingRecordSize)),
              RecordDigest(records[1]));
    EXPECT_EQ(0xcbf29ce484222325ULL, RecordBytesDigest({}));

    BookingRecord withDetails = records[1];
    SetBookingTexts(withDetails, texts("ÜB", "Müller", std::string(80, 'y')));
    BookingRecord otherDetails = withDetails;
    SetBookingTexts(otherDetails, texts("ÜB", "Müller", std::string(80, 'y') + "z"));
    EXPECT_EQ(RecordDigest(withDetails), RecordDigest(otherDetails)) << "the same bytes";
    EXPECT_NE(withDetails, otherDetails) << "but not the same booking";
}

// A category typed in full is found and reported in full, not by the ten characters the
// record keeps: "Lebensmitt" would find nothing and list "Versicheru".
TEST(BookingTexts, SearchAndYearReportUseTheWholeTexts) {
    BookingTable table;
    for (const char *category : {"Lebensmittel", "Versicherung", "Versicherungen"}) {
        BookingRecord r = testing::Completed(2026, 1, "10.03.2026", -1000);
        SetBookingTexts(r, texts(category, "Rewe", "Einkauf"));
        table.append(r);
    }
    SearchCriteria criteria{SearchMode::Exact,
                            "Lebensmittel",
                            {true, false, false},
                            testing::Day("01.01.2026"),
                            testing::Day("31.12.2026")};
    EXPECT_EQ(std::vector<int>{1}, SearchBookings(table, criteria)->matches);
    criteria.mode = SearchMode::Containing;
    criteria.word = "sicherungen";
    EXPECT_EQ(std::vector<int>{3}, SearchBookings(table, criteria)->matches);

    const auto report = BuildYearReport(table, 2026, ReportGrouping::Category);
    ASSERT_TRUE(report);
    std::vector<std::string> names;
    for (const YearReportRow &row : report->rows)
        names.push_back(row.name);
    EXPECT_EQ((std::vector<std::string>{"Lebensmittel", "Versicherung", "Versicherungen"}), names);
}

} // namespace
} // namespace penvaro::core
