#include "support/filesizelimit.h"
#include "support/tempdir.h"

#include "core/savedtransferfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace penvaro;
using core::SavedTransferList;
using core::SavedTransferRecord;
using core::SavedTransferRecordSize;

namespace {

SavedTransferRecord transfer(const std::string &recipient, const std::string &amount = "12,5",
                             std::int16_t form = 20) {
    SavedTransferRecord r;
    r.Formular = form;
    r.Empfaenger.setUtf8(recipient);
    r.EmpfaengerBLZ.setUtf8("37010050");
    r.Waehrung.setUtf8("EUR");
    r.BetragText.setUtf8(amount);
    return r;
}

std::vector<std::uint8_t> fileBytes(const std::vector<SavedTransferRecord> &records) {
    std::vector<std::uint8_t> bytes(records.size() * SavedTransferRecordSize);
    for (std::size_t i = 0; i < records.size(); ++i)
        core::EncodeSavedTransferRecord(
            records[i], std::span<std::uint8_t, SavedTransferRecordSize>(
                            bytes.data() + i * SavedTransferRecordSize, SavedTransferRecordSize));
    return bytes;
}

std::vector<std::string> recipients(const SavedTransferList &list) {
    std::vector<std::string> names;
    for (const SavedTransferRecord &r : list.records)
        names.push_back(r.Empfaenger.toUtf8());
    return names;
}

class SavedTransferFile : public ::testing::Test {
protected:
    std::filesystem::path path() const { return m_dir.path("Haushalt.pv"); }

    SavedTransferList load() {
        auto list = core::LoadSavedTransfers(path());
        EXPECT_TRUE(list) << list.error().message;
        return list ? *list : SavedTransferList{};
    }

    SavedTransferList stored(const std::vector<SavedTransferRecord> &records) {
        penvaro::testing::WriteBytes(path(), fileBytes(records));
        return load();
    }

private:
    penvaro::testing::TempDir m_dir;
};

} // namespace

TEST(SavedTransferFileName, IsTheAccountFileWithPvForItsLastThreeCharacters) {
    EXPECT_EQ("/home/anna/Haushalt.pv",
              core::SavedTransferFileName("/home/anna/Haushalt.p11").value());
    EXPECT_EQ("/home/anna/alt.pv", core::SavedTransferFileName("/home/anna/alt.p02").value());
    EXPECT_FALSE(core::SavedTransferFileName(""));
}

TEST_F(SavedTransferFile, MissingFileIsCreatedEmpty) {
    EXPECT_TRUE(load().records.empty());
    EXPECT_TRUE(std::filesystem::exists(path()));
    EXPECT_EQ(0u, std::filesystem::file_size(path()));
}

TEST_F(SavedTransferFile, RecordsSurviveWriteAndLoadAsTyped) {
    SavedTransferList list = load();
    SavedTransferRecord full = transfer(std::string(60, 'R'), "12,5", 24);
    full.reserved[7] = 0x5A;
    full.Anschriftweitergabe = 1;
    ASSERT_TRUE(core::AppendSavedTransfer(list, full, path()));
    ASSERT_TRUE(core::AppendSavedTransfer(list, transfer("Verein", "1.250,00", 5), path()));
    EXPECT_EQ(2 * SavedTransferRecordSize, std::filesystem::file_size(path()));

    const SavedTransferList again = load();
    ASSERT_EQ(list.records, again.records);
    EXPECT_EQ(std::string(50, 'R'), again.records[0].Empfaenger.toUtf8());
    EXPECT_EQ("12,5", again.records[0].BetragText.toUtf8());
}

TEST_F(SavedTransferFile, DeletingRenumbersAndTheLastLeavesAnEmptyFile) {
    SavedTransferList list = stored({transfer("A"), transfer("B"), transfer("C")});
    ASSERT_TRUE(core::DeleteSavedTransfer(list, 2, path()));
    EXPECT_EQ((std::vector<std::string>{"A", "C"}), recipients(list));
    EXPECT_EQ(recipients(list), recipients(load()));

    ASSERT_TRUE(core::ReplaceSavedTransfer(list, 2, transfer("D"), path()));
    EXPECT_EQ((std::vector<std::string>{"A", "D"}), recipients(load()));

    ASSERT_TRUE(core::DeleteSavedTransfer(list, 1, path()));
    ASSERT_TRUE(core::DeleteSavedTransfer(list, 1, path()));
    EXPECT_TRUE(list.records.empty());
    EXPECT_EQ(0u, std::filesystem::file_size(path()));
    EXPECT_FALSE(core::DeleteSavedTransfer(list, 1, path()));
}

TEST_F(SavedTransferFile, TheListHoldsAtMost2500) {
    const std::vector<SavedTransferRecord> full(core::MaxSavedTransfers, transfer("Voll"));
    SavedTransferList list = stored(full);
    const auto refused = core::AppendSavedTransfer(list, transfer("Zuviel"), path());
    ASSERT_FALSE(refused);
    EXPECT_NE(std::string::npos, refused.error().message.find("höchstens 2500"));
    EXPECT_FALSE(core::AppendSavedTransferToFile(transfer("Zuviel"), path()));
    EXPECT_EQ(core::MaxSavedTransfers, list.records.size());
    EXPECT_EQ(fileBytes(full), penvaro::testing::ReadBytes(path()));
}

TEST_F(SavedTransferFile, AnOverlongFileShowsItsFirst2500AndIsNotWrittenOver) {
    std::vector<SavedTransferRecord> records(core::MaxSavedTransfers, transfer("Alt"));
    records.push_back(transfer("Nummer 2501"));
    SavedTransferList list = stored(records);
    EXPECT_EQ(core::MaxSavedTransfers, list.records.size());
    EXPECT_NE(std::string::npos, list.cutShort.find("2501"));
    EXPECT_FALSE(core::DeleteSavedTransfer(list, 1, path()));
    EXPECT_FALSE(core::WriteSavedTransfers(list, path()));
    EXPECT_EQ(fileBytes(records), penvaro::testing::ReadBytes(path()));
}

TEST_F(SavedTransferFile, DamagedFileIsRefusedAndNeverWrittenOver) {
    const auto sound = fileBytes({transfer("A"), transfer("B")});
    auto truncated = sound;
    truncated.resize(sound.size() - 100);
    auto unknownForm = sound;
    unknownForm[SavedTransferRecordSize] = 3;
    auto overlong = sound;
    overlong[SavedTransferRecordSize + 158] = 16;

    struct Case {
        const char *name;
        std::vector<std::uint8_t> bytes;
        std::string where;
    };
    const Case cases[] = {
        {"truncated", truncated, "Datensatz 2 ist unvollständig"},
        {"unknown form type", unknownForm, "Datensatz 2 (Byte 462)"},
        {"amount longer than its field", overlong, "Datensatz 2 (Byte 620)"},
    };
    for (const Case &c : cases) {
        penvaro::testing::WriteBytes(path(), c.bytes);
        const auto loaded = core::LoadSavedTransfers(path());
        ASSERT_FALSE(loaded) << c.name;
        EXPECT_NE(std::string::npos, loaded.error().message.find("beschädigt")) << c.name;
        EXPECT_NE(std::string::npos, loaded.error().message.find(c.where))
            << loaded.error().message;

        // Neither the append after printing nor a list that never loaded may replace it.
        EXPECT_FALSE(core::AppendSavedTransferToFile(transfer("Neu"), path())) << c.name;
        SavedTransferList notLoaded;
        EXPECT_FALSE(core::AppendSavedTransfer(notLoaded, transfer("Neu"), path())) << c.name;
        EXPECT_TRUE(notLoaded.records.empty()) << c.name;
        EXPECT_EQ(c.bytes, penvaro::testing::ReadBytes(path())) << c.name;
    }
}

TEST_F(SavedTransferFile, AFileChangedSinceLoadingIsNotWrittenOver) {
    SavedTransferList list = stored({transfer("A")});
    const auto other = fileBytes({transfer("A"), transfer("Anderswo gespeichert")});
    penvaro::testing::WriteBytes(path(), other);
    EXPECT_FALSE(core::AppendSavedTransfer(list, transfer("B"), path()));
    EXPECT_EQ(other, penvaro::testing::ReadBytes(path()));
    ASSERT_TRUE(core::AppendSavedTransferToFile(transfer("B"), path()));
    EXPECT_EQ((std::vector<std::string>{"A", "Anderswo gespeichert", "B"}), recipients(load()));
}

TEST_F(SavedTransferFile, ChangesThatCannotBeStoredLeaveListAndFileAsTheyWere) {
    SavedTransferList list = stored({transfer("A")});
    const auto before = penvaro::testing::ReadBytes(path());

    EXPECT_FALSE(core::AppendSavedTransfer(list, transfer("Ohne Formular", "1", 0), path()));
    EXPECT_FALSE(core::ReplaceSavedTransfer(list, 1, transfer("Formular 17", "1", 17), path()));
    {
        const penvaro::testing::FileSizeLimit diskFull(SavedTransferRecordSize + 10);
        EXPECT_FALSE(core::AppendSavedTransfer(list, transfer("B"), path()));
    }
    EXPECT_EQ((std::vector<std::string>{"A"}), recipients(list));
    EXPECT_EQ(before, penvaro::testing::ReadBytes(path()));
    ASSERT_TRUE(core::AppendSavedTransfer(list, transfer("B"), path()));
}
