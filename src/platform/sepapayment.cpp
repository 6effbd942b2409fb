#include "sepapayment.h"

#include "appstate.h"
#include "recipientmemory.h"
#include "uiservice.h"

#include "core/atomicfile.h"
#include "core/bankcodelist.h"
#include "core/bookingchanges.h"
#include "core/fileio.h"
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
                                        Account &account,
                                        const std::vector<core::SepaTransfer> &transfers,
                                        double today) {
    const std::filesystem::path named = QFile::encodeName(path).toStdString();
    // The file is renamed into place with the bookings' commit, past the writer's own checks:
    // the target is checked here, and a link keeps leading to the file it names.
    if (auto allowed = core::CheckWriteTarget(named); !allowed)
        return failed("Die SEPA-Datei ließ sich nicht schreiben: " + allowed.error().message);
    std::error_code ec;
    std::filesystem::path target = std::filesystem::weakly_canonical(named, ec);
    if (ec)
        target = named;
    std::filesystem::path written = target;
    written += ".pvneu";
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(document.constData());
    if (auto stored = core::WriteFileAtomically(
            written,
            std::span<const std::uint8_t>(bytes, static_cast<std::size_t>(document.size())));
        !stored)
        return failed("Die SEPA-Datei " + path.toStdString()
                      + " ließ sich nicht schreiben: " + stored.error().message);
    std::vector<core::BookingRecord> bookings;
    for (const auto &transfer : transfers)
        bookings.push_back(core::SepaBooking(transfer, today));
    core::BookingTable &table = account.table();
    const int before = table.count();
    // The file takes its place with the bookings' commit, so that a crash leaves both or
    // neither.
    if (auto booked = account.addWithFile(bookings, {written, target}); !booked) {
        std::filesystem::remove(written, ec);
        return core::Error{booked.error().kind,
                           "Die SEPA-Datei wurde nicht geschrieben, denn die Buchung ging nicht: "
                               + booked.error().message};
    }
    if (std::filesystem::exists(target, ec) && !std::filesystem::exists(written, ec))
        return {};
    std::filesystem::remove(written, ec);
    for (int slot = table.count(); slot > before; --slot) {
        if (auto undone = account.remove(slot); !undone)
            return failed("Die SEPA-Datei " + path.toStdString()
                          + " ließ sich nicht anlegen, und die schon gemachten Buchungen ließen "
                            "sich nicht zurücknehmen: "
                          + undone.error().message);
    }
    return failed("Die SEPA-Datei " + path.toStdString() + " ließ sich nicht anlegen.");
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
    if (!ReportFailure(state.ui(), WriteSepaFileAndBook(path, document, state.account(), transfers,
                                                        state.today())))
        return false;
    for (std::size_t i = 0; i < transfers.size(); ++i)
        remember(state, transfers[i], i < bankNames.size() ? bankNames[i] : QString());
    return true;
}

} // namespace penvaro::platform
