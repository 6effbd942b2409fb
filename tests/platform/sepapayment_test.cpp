#include "appfixture.h"
#include "schemacheck.h"
#include "support/bankcodelines.h"
#include "support/records.h"

#include "core/bankcodelist.h"
#include "core/date.h"
#include "platform/account.h"
#include "platform/bankmethodcheck.h"
#include "platform/girocode.h"
#include "platform/paymentrecall.h"
#include "platform/sepafile.h"
#include "platform/sepapayment.h"

#include <QFile>

namespace penvaro::platform {
namespace {

const QString schema = QStringLiteral(PENVARO_SEPA_SCHEMA);

QString schemaErrors(const QString &file) {
    return testing::SchemaErrors(schema, file);
}

double day(const char *text) {
    return *core::ParseDate(text);
}

const core::SepaDebtor club{"Sportverein Grün-Weiß e.V.", "DE89370400440532013000", "COBADEFFXXX",
                            "Commerzbank Köln"};

core::SepaTransfer transfer(std::string name, std::string iban, std::string bic,
                            std::int64_t amount, std::string purpose, double execution = 0.0) {
    return {std::move(name), std::move(iban),    std::move(bic),
            amount,          std::move(purpose), execution};
}

core::BankCodeList banks() {
    return core::BankCodeList::FromText(
        penvaro::testing::BankCodeLine("37040044", "Commerzbank", "Commerzbank Köln", "50447",
                                       "Köln", "COBADEFFXXX")
        + penvaro::testing::BankCodeLine("12030000", "Deutsche Kreditbank Berlin", "DKB Berlin",
                                         "10919", "Berlin"));
}

} // namespace

TEST(SepaCreditTransferFile, PassesTheSchemaWithOneAndWithSeveralTransfers) {
    QTemporaryDir dir;
    const QDateTime created(QDate(2026, 12, 11), QTime(9, 30, 5));
    const double today = day("11.12.2026");
    struct Case {
        const char *name;
        core::SepaDebtor debtor;
        std::vector<core::SepaTransfer> transfers;
        std::vector<QString> expected; // parts of the file
    };
    core::SepaDebtor withoutBic = club;
    withoutBic.bic.clear();
    const Case cases[] = {
        {"one transfer",
         club,
         {transfer("Stadtwerke Köln", "DE02120300000000202051", "", 1255000, "Kunde 4711")},
         {QStringLiteral("<NbOfTxs>1</NbOfTxs>"), QStringLiteral("<CtrlSum>125.50</CtrlSum>"),
          QStringLiteral("<Dt>2026-12-11</Dt>"), QStringLiteral("<BICFI>COBADEFFXXX</BICFI>")}},
        {"several transfers on two days, abroad, umlauts, longest texts",
         withoutBic,
         {transfer("Jörg Müller", "DE02120300000000202051", "", 100, "Auslagen Sommerfest",
                   day("15.01.2027")),
          transfer(std::string(70, 'N'), "GB29NWBK60161331926819", "NWBKGB2L",
                   core::SepaMaximumAmount, std::string(140, 'V')),
          transfer("Grüne Wiese GmbH", "AT611904300234573201", "BKAUATWW", 5000000, "",
                   day("15.01.2027"))},
         {QStringLiteral("<NbOfTxs>3</NbOfTxs>"),
          QStringLiteral("<CtrlSum>1000000500.00</CtrlSum>"),
          QStringLiteral("<Id>NOTPROVIDED</Id>"), QStringLiteral("<Dt>2027-01-15</Dt>"),
          QStringLiteral("<Nm>Jörg Müller</Nm>")}},
    };
    for (const Case &c : cases) {
        const QByteArray document = SepaCreditTransferFile(c.debtor, c.transfers, created, today);
        const QString path =
            dir.filePath(QString::fromUtf8(c.name).left(8) + QStringLiteral(".xml"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(document);
        file.close();
        EXPECT_EQ(QString(), schemaErrors(path)) << c.name;
        const QString text = QString::fromUtf8(document);
        for (const QString &part : c.expected)
            EXPECT_TRUE(text.contains(part)) << c.name << ": " << part.toStdString();
    }
}

TEST(SepaCreditTransferFile, NamesNoBankForAnIbanOfTheEeaWithoutBic) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eea.xml"));
    const QByteArray document = SepaCreditTransferFile(
        club, {transfer("Grüne Wiese GmbH", "AT611904300234573201", "", 5000000, "Rechnung 5")},
        QDateTime(QDate(2026, 12, 11), QTime(9, 30)), day("11.12.2026"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(document);
    file.close();
    EXPECT_EQ(QString(), schemaErrors(path));
    const QString text = QString::fromUtf8(document);
    EXPECT_TRUE(text.contains(u"<IBAN>AT611904300234573201</IBAN>"));
    EXPECT_FALSE(text.contains(u"<CdtrAgt>")) << text.toStdString();
}

TEST(SepaCreditTransferFile, KeepsOneBlockPerExecutionDateWithItsSum) {
    const QByteArray document = SepaCreditTransferFile(
        club,
        {transfer("A", "DE02120300000000202051", "", 100, "", day("15.01.2027")),
         transfer("B", "DE02120300000000202051", "", 2000000, ""),
         transfer("C", "DE02120300000000202051", "", 300, "", day("15.01.2027"))},
        QDateTime(QDate(2026, 12, 11), QTime(9, 30)), day("11.12.2026"));
    const QString text = QString::fromUtf8(document);
    // Today's block comes first, then the later one with both of its transfers.
    const auto today = text.indexOf(u"<Dt>2026-12-11</Dt>");
    const auto later = text.indexOf(u"<Dt>2027-01-15</Dt>");
    ASSERT_GE(today, 0);
    ASSERT_GT(later, today);
    EXPECT_TRUE(text.contains(u"<CtrlSum>200.04</CtrlSum>")) << "the whole file";
    EXPECT_TRUE(text.contains(u"<CtrlSum>0.04</CtrlSum>")) << "the later block";
    EXPECT_EQ(2, text.count(u"<PmtInf>"));
}

TEST(SepaPayment, WritesTheFileAndBooksBothOrNeither) {
    testing::TestApp app;
    const auto account = app.writeAccount(QStringLiteral("verein.p11"), {testing::StartValue(0)});
    Account opened;
    ASSERT_TRUE(opened.load(account, true));
    const std::vector<core::SepaTransfer> transfers{
        transfer("Stadtwerke Köln", "DE02120300000000202051", "", 1255000, "Kunde 4711",
                 day("15.01.2027")),
        transfer("Jörg Müller", "DE02120300000000202051", "", 100, "Auslagen")};
    const double today = day("11.12.2026");
    const QByteArray document = SepaCreditTransferFile(club, transfers, QDateTime(), today);

    // A file that cannot be written books nothing.
    const QString unwritable = app.dir.filePath(QStringLiteral("fehlt/auftrag.xml"));
    EXPECT_FALSE(WriteSepaFileAndBook(unwritable, document, opened, transfers, today));
    EXPECT_EQ(1, opened.table().count());
    EXPECT_EQ(1u, app.recordsOnDisk(account).size());

    // A booking that cannot be made leaves no file behind.
    const QString path = app.dir.filePath(QStringLiteral("auftrag.xml"));
    opened.table().readOnly = true;
    EXPECT_FALSE(WriteSepaFileAndBook(path, document, opened, transfers, today));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".pvneu")));
    opened.table().readOnly = false;

    ASSERT_TRUE(WriteSepaFileAndBook(path, document, opened, transfers, today));
    EXPECT_TRUE(QFile::exists(path));
    const auto records = app.recordsOnDisk(account);
    ASSERT_EQ(3u, records.size());
    EXPECT_EQ(core::BookingKind::Planned, records[1].Satzart);
    EXPECT_EQ("ÜB", records[1].Buchungsart.toUtf8());
    EXPECT_EQ("Stadtwerke Köln", records[1].Absender.toUtf8());
    EXPECT_EQ(1255000, records[1].Betrag);
    EXPECT_EQ(day("15.01.2027"), records[1].Wertdatum);
    EXPECT_EQ(today, records[2].Wertdatum) << "without an execution date: today";
}

TEST(SepaPayment, BooksOnceAndRemembersTheRecipientWithIbanAndBic) {
    testing::TestApp app;
    const auto account = app.writeAccount(QStringLiteral("verein.p11"), {testing::StartValue(0)});
    app.state->settings().accountFile = account.string();
    ASSERT_TRUE(app.state->account().load(account, true));

    const auto shown =
        transfer("Stadtwerke Köln", "DE02120300000000202051", "BYLADEM1001", 1255000, "Kunde 4711");
    EXPECT_EQ(PaymentOutcome::Booked,
              BookSepaTransfer(*app.state, shown, QStringLiteral("DKB Berlin")));
    EXPECT_EQ(2u, app.recordsOnDisk(account).size());
    const RememberedRecipient recalled =
        RecallRecipient(*app.state, QStringLiteral("Stadtwerke Köln"));
    EXPECT_EQ(
        (RememberedRecipient{QStringLiteral("202051"), QStringLiteral("12030000"),
                             QStringLiteral("DKB Berlin"), QStringLiteral("DE02120300000000202051"),
                             QStringLiteral("BYLADEM1001")}),
        recalled);
}

TEST(SepaPayment, TakesTheDebtorFromTheAccountData) {
    const auto list = banks();
    const BankMethodCheck methods;
    core::Settings settings;
    settings.accountHolder = "Sportverein Grün-Weiß e.V.";
    settings.bankName = "Commerzbank Köln";
    settings.accountNumber = "532013000";
    settings.bankCode = "37040044";
    auto derived = AccountDebtor(settings, list, methods);
    ASSERT_TRUE(derived) << derived.error().message;
    EXPECT_EQ("DE89370400440532013000", derived->iban);
    EXPECT_EQ("COBADEFFXXX", derived->bic);

    settings.iban = "DE02 1203 0000 0000 2020 51";
    auto stored = AccountDebtor(settings, list, methods);
    ASSERT_TRUE(stored) << stored.error().message;
    EXPECT_EQ("DE02120300000000202051", stored->iban);

    settings.iban.clear();
    settings.accountNumber.clear();
    EXPECT_FALSE(AccountDebtor(settings, list, methods));
    settings.accountNumber = "532013000";
    settings.accountHolder.clear();
    EXPECT_FALSE(AccountDebtor(settings, list, methods));
}

TEST(BankMethodCheck, AsksTheLibraryForTheBanksMethod) {
    const BankMethodCheck methods;
    EXPECT_EQ(core::AccountMethodVerdict::Passed, methods.check("37040044", "532013000"));
    EXPECT_EQ(core::AccountMethodVerdict::Failed, methods.check("37040044", "1234567890"));
    EXPECT_EQ(core::AccountMethodVerdict::MethodUnknown, methods.check("99999999", "1"));
}

TEST(GiroCodeImage, DrawsTheCodeWithItsQuietZone) {
    const auto modules = GiroCodeModules("BCD\n002\n1\nSCT\n\nA\nDE02120300000000202051\nEUR1.00");
    ASSERT_TRUE(modules);
    const QImage image = GiroCodeImage(*modules, 3);
    EXPECT_EQ((static_cast<int>(modules->size()) + 8) * 3, image.width());
    EXPECT_EQ(image.width(), image.height());
    // Four light modules around the code; the finder pattern's corner is dark.
    EXPECT_EQ(qRgb(255, 255, 255), image.pixel(4 * 3 - 1, 4 * 3 - 1));
    EXPECT_EQ(qRgb(0, 0, 0), image.pixel(4 * 3, 4 * 3));
}

} // namespace penvaro::platform
