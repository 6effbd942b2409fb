#include "platform/payeememory.h"
#include "platform/recipientmemory.h"
#include "platform/settingsstore.h"
#include "storefixture.h"

#include <QFile>

namespace penvaro::platform {
namespace {

using PaymentMemoryTest = StoreTest;

const RememberedRecipient Haspa{QStringLiteral("1234567"), QStringLiteral("20050550"),
                                QStringLiteral("Haspa")};

TEST_F(PaymentMemoryTest, RecipientsAreRecalledByNameAndUnknownNamesEmptyTheFields) {
    RecipientMemory memory(*store);
    ASSERT_TRUE(memory.remember(QStringLiteral("Müller GmbH"), Haspa));
    ASSERT_TRUE(memory.remember(QStringLiteral("Stadtwerke"),
                                {QStringLiteral("99"), QStringLiteral("37050198"), QString()}));

    struct Case {
        const char *name;
        RememberedRecipient recalled;
    };
    const Case cases[] = {
        {"Müller GmbH", Haspa},
        {"MÜLLER GMBH", Haspa}, // key names ignore case, as the registry's do
        {"Stadtwerke", {QStringLiteral("99"), QStringLiteral("37050198"), QString()}},
        {"Nie gedruckt", {}},
        {"Müller GmbH\\Filiale", {}},
    };
    for (const Case &c : cases) {
        auto recalled = memory.recall(QString::fromUtf8(c.name));
        ASSERT_TRUE(recalled) << c.name;
        EXPECT_EQ(c.recalled, *recalled) << c.name;
    }
    EXPECT_TRUE(memory.recall(QString(300, u'x'))) << "a name no key can have was never printed";
    EXPECT_EQ(memory.names().value(),
              (QStringList{QStringLiteral("Müller GmbH"), QStringLiteral("Stadtwerke")}));

    const RememberedRecipient moved{QStringLiteral("7"), QStringLiteral("10010010"),
                                    QStringLiteral("Postbank")};
    ASSERT_TRUE(memory.remember(QStringLiteral("Müller GmbH"), moved));
    EXPECT_EQ(moved, memory.recall(QStringLiteral("Müller GmbH")).value());
}

TEST_F(PaymentMemoryTest, TheEmptyNameLivesInTheMemoryKeyItselfAndBackslashesStayInTheName) {
    RecipientMemory recipients(*store);
    ASSERT_TRUE(recipients.remember(QString(), Haspa));
    EXPECT_EQ(Haspa, recipients.recall(QString()).value());
    EXPECT_EQ(std::get<QString>(**store->value(RecipientMemory::key(), QStringLiteral("BLZ"))),
              QStringLiteral("20050550"));

    const RememberedRecipient other{QStringLiteral("1"), QStringLiteral("10010010"), QString()};
    ASSERT_TRUE(recipients.remember(QStringLiteral("Müller\\Schmidt GbR"), Haspa));
    ASSERT_TRUE(recipients.remember(QStringLiteral("Müller"), other));
    EXPECT_EQ(recipients.names().value(),
              (QStringList{QStringLiteral("Müller"), QStringLiteral("Müller\\Schmidt GbR")}));
    EXPECT_EQ(Haspa, recipients.recall(QStringLiteral("Müller\\Schmidt GbR")).value());
    EXPECT_EQ(other, recipients.recall(QStringLiteral("Müller")).value());

    PayeeMemory payees(*store);
    const PayeeLines lines{QStringLiteral("Abteilung Tennis"), QString(), QStringLiteral("Köln")};
    ASSERT_TRUE(payees.remember(QString(), lines));
    EXPECT_EQ(lines, payees.recall(QString()).value());
}

TEST_F(PaymentMemoryTest, PayeesKeepTheirLinesApartFromRecipients) {
    PayeeMemory payees(*store);
    RecipientMemory recipients(*store);
    const PayeeLines lines{QStringLiteral("Abteilung Tennis"), QString(),
                           QStringLiteral("12345 Musterstadt")};
    ASSERT_TRUE(payees.remember(QStringLiteral("Verein"), lines));
    ASSERT_TRUE(recipients.remember(QStringLiteral("Bank"), Haspa));

    EXPECT_EQ(lines, payees.recall(QStringLiteral("Verein")).value());
    EXPECT_EQ(PayeeLines{}, payees.recall(QStringLiteral("Bank")).value());
    EXPECT_EQ(payees.names().value(), QStringList{QStringLiteral("Verein")});
    EXPECT_EQ(PayeeMemory::key(), ProductKey() + QStringLiteral("\\Scheck"));
    EXPECT_EQ(std::get<QString>(**store->value(PayeeMemory::key() + QStringLiteral("\\Verein"),
                                               QStringLiteral("Empfaenger4"))),
              QStringLiteral("12345 Musterstadt"));
}

TEST_F(PaymentMemoryTest, AnUnreachableStoreFailsEveryStep) {
    const QString blocker = m_dir.filePath(QStringLiteral("datei"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    auto broken = RegistryStore::Open(blocker + QStringLiteral("/x.sqlite")).store;

    RecipientMemory recipients(*broken);
    EXPECT_FALSE(recipients.remember(QStringLiteral("Müller"), Haspa));
    EXPECT_FALSE(recipients.recall(QStringLiteral("Müller")));
    EXPECT_FALSE(recipients.names());
    PayeeMemory payees(*broken);
    EXPECT_FALSE(payees.remember(QStringLiteral("Verein"), {}));
    EXPECT_FALSE(payees.recall(QStringLiteral("Verein")));
    EXPECT_FALSE(payees.names());
}

} // namespace
} // namespace penvaro::platform
