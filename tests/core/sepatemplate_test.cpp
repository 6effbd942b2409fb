#include "support/tempdir.h"

#include "core/savedtransferfile.h"
#include "core/sepatemplate.h"

#include <gtest/gtest.h>

using namespace penvaro;

TEST(SepaTemplate, KeepsTheLongTextsIbanAndBicThroughTheFile) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("verein.pv");
    std::string name;
    for (int i = 0; i < 35; ++i)
        name += "Äb"; // 70 characters, each one byte in the file
    core::SepaTemplate longest{name,
                               "MT84MALT011000012345MTLCAST001S",
                               "MALTMTMTXXX",
                               "999.999.999,99",
                               std::string(139, 'V') + "ü",
                               "15.01.2027"};
    const core::SepaTemplate german{
        "Stadtwerke Köln", "DE51370501980001900018", "", "12,30", "Kunde 4711", ""};
    core::SavedTransferRecord written20;
    written20.Empfaenger.setUtf8("Alte Vorlage");
    written20.EmpfaengerKontonr.setUtf8("1234567");

    core::SavedTransferList list;
    ASSERT_TRUE(core::AppendSavedTransfer(list, written20, path));
    ASSERT_TRUE(core::AppendSavedTransfer(list, core::SepaTemplateRecord(longest), path));
    ASSERT_TRUE(core::AppendSavedTransfer(list, core::SepaTemplateRecord(german), path));
    EXPECT_EQ(3 * core::SavedTransferRecordSize, std::filesystem::file_size(path))
        << "the records keep their size";

    const auto loaded = core::LoadSavedTransfers(path);
    ASSERT_TRUE(loaded) << loaded.error().message;
    ASSERT_EQ(3u, loaded->records.size());
    EXPECT_EQ(written20, loaded->records[0]) << "a written form's template reads as before";
    EXPECT_EQ(core::SepaTemplateForm, loaded->records[1].Formular);
    EXPECT_EQ(longest, core::SepaTemplateOf(loaded->records[1]));
    EXPECT_EQ(german, core::SepaTemplateOf(loaded->records[2]));
}
