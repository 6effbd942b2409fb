#include "schemacheck.h"

#include "core/date.h"
#include "platform/sepadirectdebitfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace penvaro::platform {
namespace {

double day(const char *text) {
    return *core::ParseDate(text);
}

core::DirectDebit debit(int number, std::string name, std::string iban, std::string bic,
                        std::int64_t amount, core::SequenceType sequence) {
    core::DirectDebit d;
    d.memberNumber = number;
    d.name = std::move(name);
    d.iban = std::move(iban);
    d.bic = std::move(bic);
    d.amount = amount;
    d.mandateReference = "M-" + std::to_string(number) + " (Jugend)";
    d.mandateDate = day("01.03.2026");
    d.sequence = sequence;
    d.endToEndId = "MB20261211093005-" + std::to_string(number);
    d.purpose = core::MembershipFeePurpose(day("15.01.2027"), number);
    return d;
}

} // namespace

TEST(SepaDirectDebitFile, PassesTheSchemaWithABlockPerSequenceType) {
    using enum core::SequenceType;
    QTemporaryDir dir;
    const QDateTime created(QDate(2026, 12, 11), QTime(9, 30, 5));
    const core::SepaCreditor club{"TSV Grün-Weiß Musterstadt e.V.", "DE89370400440532013000",
                                  "COBADEFFXXX", "DE98ZZZ09999999999"};
    core::SepaCreditor withoutBic = club;
    withoutBic.bic.clear();
    struct Case {
        const char *name;
        core::SepaCreditor creditor;
        std::vector<core::DirectDebit> debits;
        std::vector<QString> expected; // parts of the file, in this order
    };
    const Case cases[] = {
        {"first and recurring debits",
         club,
         {debit(17, "Jörg Müller", "DE02120300000000202051", "", 150000, Recurring),
          debit(18, std::string(70, 'N'), "AT611904300234573201", "", 1200000, First),
          debit(19, "Erika Muster", "DE89370400440532013000", "COBADEFFXXX", 1005500, Recurring)},
         {QStringLiteral("<NbOfTxs>3</NbOfTxs>"), QStringLiteral("<CtrlSum>235.55</CtrlSum>"),
          QStringLiteral("<PmtMtd>DD</PmtMtd>"), QStringLiteral("<NbOfTxs>1</NbOfTxs>"),
          QStringLiteral("<CtrlSum>120.00</CtrlSum>"), QStringLiteral("<Cd>CORE</Cd>"),
          QStringLiteral("<SeqTp>FRST</SeqTp>"),
          QStringLiteral("<ReqdColltnDt>2027-01-15</ReqdColltnDt>"),
          QStringLiteral("<BICFI>COBADEFFXXX</BICFI>"),
          QStringLiteral("<Id>DE98ZZZ09999999999</Id>"),
          QStringLiteral("<EndToEndId>MB20261211093005-18</EndToEndId>"),
          QStringLiteral("<MndtId>M-18 (Jugend)</MndtId>"),
          QStringLiteral("<DtOfSgntr>2026-03-01</DtOfSgntr>"),
          QStringLiteral("<Id>NOTPROVIDED</Id>"),
          QStringLiteral("<Ustrd>Mitgliedsbeitrag 01/2027 Nr 18</Ustrd>"),
          QStringLiteral("<CtrlSum>115.55</CtrlSum>"), QStringLiteral("<SeqTp>RCUR</SeqTp>"),
          QStringLiteral("<Nm>Jörg Müller</Nm>"),
          QStringLiteral("<EndToEndId>MB20261211093005-19</EndToEndId>")}},
        {"one-off, creditor without BIC",
         withoutBic,
         {debit(5, "Grüne Wiese", "DE02120300000000202051", "", 100, OneOff)},
         {QStringLiteral("<CtrlSum>0.01</CtrlSum>"), QStringLiteral("<SeqTp>OOFF</SeqTp>"),
          QStringLiteral("<CdtrAgt>"), QStringLiteral("<Id>NOTPROVIDED</Id>")}},
    };
    for (const Case &c : cases) {
        const QByteArray document =
            SepaDirectDebitFile(c.creditor, c.debits, day("15.01.2027"), created);
        const QString path =
            dir.filePath(QString::fromUtf8(c.name).left(8) + QStringLiteral(".xml"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(document);
        file.close();
        EXPECT_EQ(QString(), testing::SchemaErrors(QStringLiteral(PENVARO_SDD_SCHEMA), path))
            << c.name;
        const QString text = QString::fromUtf8(document);
        qsizetype from = 0;
        for (const QString &part : c.expected) {
            const qsizetype at = text.indexOf(part, from);
            EXPECT_GE(at, 0) << c.name << ": " << part.toStdString() << " after offset " << from;
            if (at >= 0)
                from = at + part.size();
        }
    }
}

} // namespace penvaro::platform
