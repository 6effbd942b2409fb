#include "core/savedtransferrecord.h"

#include <gtest/gtest.h>

#include <vector>

using namespace penvaro;
using core::SavedTransferRecord;
using core::SavedTransferRecordSize;

namespace {

std::vector<std::uint8_t> encoded(const SavedTransferRecord &record) {
    std::vector<std::uint8_t> bytes(SavedTransferRecordSize, 0xEE);
    core::EncodeSavedTransferRecord(
        record, std::span<std::uint8_t, SavedTransferRecordSize>(bytes.data(), bytes.size()));
    return bytes;
}

SavedTransferRecord decoded(const std::vector<std::uint8_t> &bytes) {
    return core::DecodeSavedTransferRecord(
        std::span<const std::uint8_t, SavedTransferRecordSize>(bytes.data(), bytes.size()));
}

} // namespace

TEST(SavedTransferRecord, FieldsSitAtTheirOffsets) {
    SavedTransferRecord r;
    r.Formular = 51;
    r.AuftraggeberBank.setUtf8("Sparkasse KölnBonn");
    r.AuftraggeberBLZ.setUtf8("37050198");
    r.Empfaenger.setUtf8("Stadtwerke Köln");
    r.EmpfaengerKontonr.setUtf8("1234567");
    r.EmpfaengerBLZ.setUtf8("37010050");
    r.Waehrung.setUtf8("EUR");
    r.BetragText.setUtf8("12,5");
    r.Verwendung1.setUtf8("Abschlag März");
    r.Verwendung2.setUtf8("Kunde 4711");
    r.Auftraggeber.setUtf8("Anna Muster");
    r.EigeneKontonr.setUtf8("7654321");
    r.Anschriftweitergabe = 1;
    r.Ausfuehrungsdatum.setUtf8("01.04.2011");
    r.reserved[0] = 0x11;
    r.reserved[101] = 0x22;
    const auto bytes = encoded(r);

    struct Field {
        std::size_t offset;
        std::string stored; // length byte and characters, Windows-1252
    };
    const Field fields[] = {
        {0, std::string("\x33\x00", 2)},
        {2, "\x12Sparkasse K\xF6lnBonn"},
        {53, "\x08"
             "37050198"},
        {64, "\x0FStadtwerke K\xF6ln"},
        {115, "\x07"
              "1234567"},
        {136, "\x08"
              "37010050"},
        {147, "\x03"
              "EUR"},
        {158, "\x04"
              "12,5"},
        {174, "\x0D"
              "Abschlag M\xE4rz"},
        {225, "\x0A"
              "Kunde 4711"},
        {276, "\x0B"
              "Anna Muster"},
        {327, "\x07"
              "7654321"},
        {348, "\x01"},
        {349, "\x0A"
              "01.04.2011"},
        {360, "\x11"},
        {461, "\x22"},
    };
    for (const Field &f : fields)
        EXPECT_EQ(
            f.stored,
            std::string(bytes.begin() + static_cast<std::ptrdiff_t>(f.offset),
                        bytes.begin() + static_cast<std::ptrdiff_t>(f.offset + f.stored.size())))
            << "offset " << f.offset;
    EXPECT_EQ(r, decoded(bytes));
}

TEST(SavedTransferRecord, BytesReadComeBackUnchanged) {
    std::vector<std::uint8_t> bytes(SavedTransferRecordSize);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    bytes[0] = 0xFF; // form type -1: not one the program prints, still read as stored
    bytes[1] = 0xFF;
    const SavedTransferRecord r = decoded(bytes);
    EXPECT_EQ(-1, r.Formular);
    EXPECT_EQ(bytes, encoded(r));
}

TEST(SavedTransferRecord, TextsAreCutToTheirFields) {
    SavedTransferRecord r;
    r.Empfaenger.setUtf8(std::string(50, 'a') + std::string(10, 'b'));
    EXPECT_EQ(std::string(50, 'a'), decoded(encoded(r)).Empfaenger.toUtf8());
}

TEST(SavedTransferRecord, DamageIsFoundAtItsOffset) {
    struct Case {
        const char *name;
        std::size_t offset;
        std::uint8_t value;
        std::optional<std::size_t> damageAt;
    };
    const Case cases[] = {
        {"sound record", 1, 0, std::nullopt},
        {"unknown form type", 0, 17, 0},
        {"deleted record", 0, 0, 0},
        {"recipient longer than its field", 64, 51, 64},
        {"execution date longer than its field", 349, 11, 349},
        {"recipient filling its field", 64, 50, std::nullopt},
    };
    for (const Case &c : cases) {
        auto bytes = encoded(SavedTransferRecord{});
        bytes[c.offset] = c.value;
        const auto damage = core::FindSavedTransferDamage(
            std::span<const std::uint8_t, SavedTransferRecordSize>(bytes.data(), bytes.size()));
        ASSERT_EQ(c.damageAt.has_value(), damage.has_value()) << c.name;
        if (damage) {
            EXPECT_EQ(*c.damageAt, damage->offset) << c.name;
        }
    }
}

TEST(SavedTransferRecord, TheSameTransferIsTheSamePaymentToTheSameAccount) {
    SavedTransferRecord saved;
    saved.Empfaenger.setUtf8("Stadtwerke");
    saved.EmpfaengerKontonr.setUtf8("999");
    saved.EmpfaengerBLZ.setUtf8("10000000");
    saved.BetragText.setUtf8("125,5");
    saved.Verwendung1.setUtf8("Abschlag");
    struct Case {
        const char *what;
        void (*change)(SavedTransferRecord &);
        bool same;
    };
    const Case cases[] = {
        {"amount written otherwise", [](SavedTransferRecord &r) { r.BetragText.setUtf8("125,50"); },
         true},
        {"another ordering party", [](SavedTransferRecord &r) { r.Auftraggeber.setUtf8("Max"); },
         true},
        {"another amount", [](SavedTransferRecord &r) { r.BetragText.setUtf8("125,51"); }, false},
        {"another account", [](SavedTransferRecord &r) { r.EmpfaengerKontonr.setUtf8("998"); },
         false},
        {"another bank code", [](SavedTransferRecord &r) { r.EmpfaengerBLZ.setUtf8("10000001"); },
         false},
        {"another purpose", [](SavedTransferRecord &r) { r.Verwendung2.setUtf8("Mai"); }, false},
        {"another recipient", [](SavedTransferRecord &r) { r.Empfaenger.setUtf8("Stadtwerk"); },
         false},
    };
    for (const Case &c : cases) {
        SavedTransferRecord other = saved;
        c.change(other);
        EXPECT_EQ(c.same, core::SameTransfer(saved, other)) << c.what;
    }
}
