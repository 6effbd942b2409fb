#include "paymentfixture.h"

#include "support/bankcodelines.h"
#include "widgetlookup.h"

#include "platform/programfolder.h"

#include <QDir>
#include <QFile>

#include <fstream>
#include <ostream>

QT_BEGIN_NAMESPACE
void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList &texts, std::ostream *out) {
    *out << '{';
    for (const QString &text : texts) {
        PrintTo(text, out);
        *out << ' ';
    }
    *out << '}';
}
QT_END_NAMESPACE

namespace penvaro::core {
void PrintTo(const TransferOrder &order, std::ostream *out) {
    *out << "Formular " << static_cast<int>(order.form) << ": [";
    for (const std::string *text :
         {&order.AuftraggeberBank, &order.AuftraggeberBLZ, &order.Empfaenger, &order.Kontonr,
          &order.BLZ, &order.Bank, &order.DMEUR, &order.Betrag, &order.Verwendung1,
          &order.Verwendung2, &order.Auftraggeber, &order.EigeneKontonr, &order.Ausfuehrungsdatum,
          &order.PostbankA, &order.PostbankB})
        *out << *text << '|';
    *out << "] Anschrift " << order.Anschriftweitergabe << " C " << order.PostbankC;
}
} // namespace penvaro::core

namespace penvaro::testing {
namespace {

QString BankCodeFile() {
    return platform::ProgramFolder() + QStringLiteral("blz.asc");
}

} // namespace

std::vector<std::string> KnownBankCodeLines() {
    return {
        BankCodeLine("10000000", "Bundesbank", "BBk Berlin", "10591", "Berlin"),
        BankCodeLine("37050198", "Sparkasse KölnBonn", "Sparkasse KölnBonn", "50667", "KÖLN"),
        BankCodeLine("20010020", "Postbank Ndl der Deutsche Bank", "Postbank Hamburg", "22283",
                     "Hamburg"),
        BankCodeLine("37010050", "Postbank Ndl der Deutsche Bank", "Postbank Köln", "50916",
                     "KÖLN"),
    };
}

PaymentFixture::PaymentFixture()
    : account(writeAccount(QStringLiteral("giro.p11"), {})) {
    state->settings().accountFile = account.string();
    EXPECT_TRUE(state->account().load(account, true));
    writeBankCodes(KnownBankCodeLines());
}

void PaymentFixture::writeBankCodes(const std::vector<std::string> &lines) const {
    std::ofstream out(QFile::encodeName(BankCodeFile()).toStdString(), std::ios::binary);
    for (const std::string &line : lines)
        out << line;
}

void PaymentFixture::removeBankCodes() const {
    QFile::remove(BankCodeFile());
}

QWidget &PaymentFixture::PageOf(const payments::PaymentWindow &window, const char *page) {
    return *Child(window, page);
}

void PaymentFixture::onWindow(payments::PaymentWindow::Page page,
                              const std::function<void(payments::PaymentWindow &)> &user) {
    OnNextModal<payments::PaymentWindow>(ui, user);
    window.showPage(page);
}

} // namespace penvaro::testing
