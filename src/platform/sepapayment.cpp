#include "sepapayment.h"

#include "appstate.h"
#include "recipientmemory.h"
#include "uiservice.h"

#include "core/atomicfile.h"
#include "core/bankcodelist.h"
#include "core/bookingchanges.h"
#include "core/iban.h"

#include <QDateTime>
#include <QFile>

namespace penvaro::platform {
namespace {

QString qt(const std::string &text) {
    return QString::fromStdString(text);
}

core::Error failed(std::string message) {
    return {core::ErrorKind::Io, std::move(message)};
}

void remember(AppState &state, const core::SepaTransfer &transfer, const QString &bankName) {
    RememberedRecipient recipient;
    // A German IBAN holds the bank code and the account number, so that the written forms
    // find them too.
    if (transfer.iban.starts_with("DE") && transfer.iban.size() == 22) {
        const QString iban = qt(transfer.iban);
        recipient.BLZ = iban.mid(4, 8);
        recipient.Kontonr = iban.mid(12);
        while (recipient.Kontonr.startsWith(u'0') && recipient.Kontonr.size() > 1)
            recipient.Kontonr.remove(0, 1);
        recipient.Institut = bankName;
    }
    recipient.iban = qt(transfer.iban);
    recipient.bic = qt(transfer.bic);
    RecipientMemory memory(state.store());
    if (!memory.remember(qt(transfer.name), recipient))
        ShowError(state.ui(), RecipientMemory::RememberErrorCode,
                  QStringLiteral("Registry-Fehler"));
}

} // namespace

core::Result<core::SepaDebtor> AccountDebtor(const core::Settings &settings,
                                             const core::BankCodeList &banks,
                                             const core::AccountMethodCheck &methods) {
    const auto name = core::CheckSepaName(settings.accountHolder);
    if (!name)
        return failed("In den Kontodaten fehlt der Kontoinhaber, oder er passt nicht in eine "
                      "SEPA-Überweisung: "
                      + name.error().message);
    if (!settings.iban.empty()) {
        const auto iban = core::CheckIban(settings.iban, banks, methods);
        if (!iban)
            return failed("Die IBAN der Kontodaten ist ungültig: " + iban.error().message);
        return core::SepaDebtor{*name, iban->iban,
                                settings.bic.empty() ? iban->bic
                                                     : core::ElectronicForm(settings.bic),
                                settings.bankName};
    }
    if (settings.accountNumber.empty() || settings.bankCode.empty())
        return failed("In den Kontodaten fehlt die IBAN (oder Kontonummer und Bankleitzahl).");
    const auto derived =
        core::IbanFromAccount(settings.accountNumber, settings.bankCode, banks, methods);
    if (!derived)
        return failed("Aus Kontonummer und Bankleitzahl der Kontodaten ergibt sich keine IBAN: "
                      + derived.error().message);
    return core::SepaDebtor{*name, *derived, banks.bicOf(settings.bankCode), settings.bankName};
}

core::Result<void> WriteSepaFileAndBook(const QString &path, const QByteArray &document,
                                        core::BookingTable &table,
                                        const std::vector<core::SepaTransfer> &transfers,
                                        double today, const std::filesystem::path &accountFile) {
    auto file = core::AtomicFile::begin(QFile::encodeName(path).toStdString());
    if (!file)
        return failed("Die SEPA-Datei " + path.toStdString()
                      + " ließ sich nicht schreiben: " + file.error().message);
    if (auto written =
            file->write(std::span(reinterpret_cast<const std::uint8_t *>(document.constData()),
                                  static_cast<std::size_t>(document.size())));
        !written)
        return failed("Die SEPA-Datei " + path.toStdString()
                      + " ließ sich nicht schreiben: " + written.error().message);
    std::vector<core::BookingRecord> bookings;
    for (const auto &transfer : transfers)
        bookings.push_back(core::SepaBooking(transfer, today));
    const int before = table.count;
    if (auto booked = core::AddBookings(table, bookings, accountFile); !booked) {
        file->discard();
        return core::Error{booked.error().kind,
                           "Die SEPA-Datei wurde nicht geschrieben, denn die Buchung ging nicht: "
                               + booked.error().message};
    }
    const auto committed = file->commit();
    if (committed)
        return {};
    const std::string reason = committed.error().message;
    for (int slot = table.count; slot > before; --slot) {
        if (auto undone = core::DeleteBooking(table, slot, accountFile); !undone)
            return failed("Die SEPA-Datei " + path.toStdString() + " ließ sich nicht anlegen ("
                          + reason
                          + "), und die schon gemachten Buchungen ließen sich nicht zurücknehmen: "
                          + undone.error().message);
    }
    return failed("Die SEPA-Datei " + path.toStdString() + " ließ sich nicht anlegen: " + reason);
}

PaymentOutcome BookSepaTransfer(AppState &state, const core::SepaTransfer &transfer,
                                const QString &bankName) {
    const bool booked = ReportFailure(
        state.ui(), core::AddBooking(state.table(), core::SepaBooking(transfer, state.today()),
                                     state.currentPath()));
    if (!booked)
        return PaymentOutcome::PrintedNotBooked;
    state.announceBookingChange();
    remember(state, transfer, bankName);
    return PaymentOutcome::Booked;
}

PaymentOutcome PrintSepaTransfer(AppState &state, core::Canvas &canvas, const core::FormPage &page,
                                 const core::SepaTransfer &transfer, const QString &bankName) {
    const core::PrintCorrection correction{state.settings().printOffsetX,
                                           state.settings().printOffsetY};
    if (!ReportFailure(state.ui(), core::PrintFormPage(canvas, page, correction)))
        return PaymentOutcome::NotPrinted;
    return BookSepaTransfer(state, transfer, bankName);
}

bool WriteSepaTransfers(AppState &state, const QString &path, const core::SepaDebtor &debtor,
                        const std::vector<core::SepaTransfer> &transfers,
                        const std::vector<QString> &bankNames) {
    const QByteArray document =
        SepaCreditTransferFile(debtor, transfers, QDateTime::currentDateTime(), state.today());
    if (!ReportFailure(state.ui(), WriteSepaFileAndBook(path, document, state.table(), transfers,
                                                        state.today(), state.currentPath())))
        return false;
    state.announceBookingChange();
    for (std::size_t i = 0; i < transfers.size(); ++i)
        remember(state, transfers[i], i < bankNames.size() ? bankNames[i] : QString());
    return true;
}

} // namespace penvaro::platform
