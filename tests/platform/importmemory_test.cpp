#include "support/records.h"

#include "core/statementbooking.h"
#include "platform/importmemory.h"
#include "platform/importreferences.h"
#include "platform/recipientmemory.h"
#include "platform/settingsstore.h"
#include "storefixture.h"

namespace penvaro::platform {
namespace {

using ImportMemoryTest = StoreTest;
using penvaro::testing::Day;

const QString account = QStringLiteral("/home/erika/giro.p11");

core::ImportStep step(core::ImportAction action, std::string party, std::string iban,
                      std::string bic, int moreParties = 0) {
    core::StatementEntry entry{Day("02.03.2026"), std::nullopt, u'+', 100,
                               std::move(party),  "Beitrag",    "",   moreParties};
    entry.partyIban = std::move(iban);
    entry.partyBic = std::move(bic);
    const core::Statement statement{"DE02", 20, Day("02.03.2026"), std::nullopt, {}};
    return {action, core::CompletedBookingFromEntry(statement, entry), 0, {}, entry};
}

TEST_F(ImportMemoryTest, ReferencesAreKeptPerFileAcrossRestartsForTwoYears) {
    const QDate march(2026, 3, 2);
    {
        ImportReferences references(*store, account);
        ASSERT_TRUE(references.remember({"B 46083 + 100 A", "E 46083 + 100 B"}, march));
        ASSERT_TRUE(references.remember({"B 46084 + 100 C"}, march.addDays(1)));
    }
    store = openStore(); // the program started again
    ImportReferences references(*store, account);
    using Keys = std::set<std::string>;
    EXPECT_EQ((Keys{"B 46083 + 100 A", "B 46084 + 100 C", "E 46083 + 100 B"}),
              references.read(march.addDays(1)).value());
    EXPECT_EQ(Keys{},
              ImportReferences(*store, QStringLiteral("/home/erika/spar.p11")).read(march).value())
        << "each account file has its own";

    struct Case {
        const char *name;
        QDate day;
        Keys kept;
    };
    const Case cases[] = {
        {"two years to the day",
         march.addYears(2),
         {"B 46083 + 100 A", "B 46084 + 100 C", "E 46083 + 100 B"}},
        {"a day later", march.addYears(2).addDays(1), {"B 46084 + 100 C"}},
        {"two days later", march.addYears(2).addDays(2), {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.kept, references.read(c.day).value());
    }

    // Remembering drops what is too old for good, and an entry imported again stays longer.
    ASSERT_TRUE(references.remember({"E 46083 + 100 B"}, march.addYears(2).addDays(1)));
    EXPECT_EQ((Keys{"B 46084 + 100 C", "E 46083 + 100 B"}), references.read(march).value());
    const auto stored = store->valueNames(FileSettingsKey(*store, account) + u'\\'
                                          + ImportReferences::subkeyName());
    EXPECT_EQ((QStringList{QStringLiteral("B 46084 + 100 C"), QStringLiteral("E 46083 + 100 B")}),
              stored.value());
}

TEST_F(ImportMemoryTest, ThePartysAccountGoesToTheRecipientMemoryBesideTheFormsBankData) {
    RecipientMemory recipients(*store);
    const RememberedRecipient printed{QStringLiteral("1234567"), QStringLiteral("20050550"),
                                      QStringLiteral("Haspa")};
    ASSERT_TRUE(recipients.remember(QStringLiteral("Erika Mustermann"), printed));

    core::ImportPlan plan;
    plan.steps = {
        step(core::ImportAction::Added, "Erika Mustermann", "DE75512108001245126199",
             "INGDDEFFXXX"),
        step(core::ImportAction::Matched, "  Hans   Meier ", "DE44500105175407324931", ""),
        step(core::ImportAction::Skipped, "Schon Da", "DE89370400440532013000", ""),
        step(core::ImportAction::LeftOut, "Ausgelassen", "DE89370400440532013000", ""),
        step(core::ImportAction::Added, "Bäckerei", "DE89370400440532013000", "", 2),
        step(core::ImportAction::Added, "Ohne Konto", "", ""),
        step(core::ImportAction::Added, std::string(80, 'L'), "DE89370400440532013000", ""),
    };
    ASSERT_TRUE(RememberImport(*store, account, plan));

    struct Case {
        QString name;
        RecipientAccount account;
    };
    const Case cases[] = {
        {QStringLiteral("Erika Mustermann"),
         {QStringLiteral("DE75512108001245126199"), QStringLiteral("INGDDEFFXXX")}},
        {QStringLiteral("Hans Meier"), {QStringLiteral("DE44500105175407324931"), QString()}},
        {QStringLiteral("Schon Da"), {}},    // the account holds it from before
        {QStringLiteral("Ausgelassen"), {}}, // not imported
        {QStringLiteral("Bäckerei"), {}},    // one of three parties of a collective entry
        {QStringLiteral("Ohne Konto"), {}},
        {QString(70, u'L'), {QStringLiteral("DE89370400440532013000"), QString()}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(c.account, recipients.recallAccount(c.name).value());
    }
    // The written forms' bank data stay, and a transfer recalling the party gets its account.
    RememberedRecipient expected = printed;
    expected.iban = cases[0].account.IBAN;
    expected.bic = cases[0].account.BIC;
    EXPECT_EQ(expected, recipients.recall(QStringLiteral("Erika Mustermann")).value());
    EXPECT_FALSE(recipients.names()->contains(QStringLiteral("Ohne Konto")));
}

} // namespace
} // namespace penvaro::platform
