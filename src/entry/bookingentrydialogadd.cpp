#include "bookingentrydialog.h"

#include "dateedit.h"
#include "integerinput.h"
#include "intervals.h"
#include "newbooking.h"
#include "statementdates.h"
#include "suggestions.h"
#include "typedamount.h"

#include "core/date.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/commandguard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace penvaro::entry {

namespace {

constexpr int MaxStatementField = 65535;

std::uint16_t YearOf(double date) {
    return static_cast<std::uint16_t>(core::CivilFromDayCount(date)->year);
}

} // namespace

void BookingEntryDialog::fail(std::int32_t code, const QString &message, QWidget *focus) {
    platform::ShowError(m_state.ui(), code, message);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

std::optional<core::BookingRecord> BookingEntryDialog::convertFields() {
    const bool recurring = m_kind == core::BookingKind::Recurring;
    const bool statement = m_kind == core::BookingKind::Completed && statementData();
    const bool bookingDate = m_kind == core::BookingKind::Completed && bookingDates();

    core::BookingRecord record;
    record.Satzart = m_kind;

    std::optional<int> year;
    if (statement) {
        year = IntegerInRange(m_year->currentText(), 0, MaxStatementField);
        if (!year) {
            fail(ErrorStatementYear,
                 QStringLiteral("Unzulässiges Auszugsjahr: ") + m_year->currentText(), nullptr);
            return std::nullopt;
        }
    }
    if (recurring)
        record.Auszugsjahr = IntervalMonths(m_year->currentText());

    std::optional<int> number;
    if (statement) {
        number = IntegerInRange(m_number->text(), 0, MaxStatementField);
        if (!number) {
            fail(ErrorStatementNumber,
                 QStringLiteral("Unzulässige Auszugsnummer: ") + m_number->text(), m_number);
            return std::nullopt;
        }
    } else if (recurring) {
        number = IntegerInRange(m_number->text(), 1, 30);
        if (!number) {
            fail(ErrorExecutionDay,
                 QStringLiteral("Unzulässiger Ausführungstag: ") + m_number->text(), m_number);
            return std::nullopt;
        }
        record.Auszugsnr = static_cast<std::uint16_t>(*number);
    }

    std::optional<double> statementDate;
    if (statement) {
        statementDate = m_statementDate->dayCount();
        if (!statementDate) {
            fail(ErrorStatementDate,
                 QStringLiteral("Unzulässiges Auszugsdatum: ") + m_statementDate->typedText(),
                 m_statementDate);
            return std::nullopt;
        }
        // Remembered even when a later field fails: the statement itself was typed right.
        if (!RememberStatementDate(m_state.store(), m_state.currentFile(), *number, *year,
                                   *statementDate))
            platform::ShowError(m_state.ui(), ErrorRememberStatementDate,
                                QStringLiteral("Registry Fehler"));
    }

    const auto valueDate = m_valueDate->dayCount();
    if (!valueDate) {
        if (recurring)
            fail(ErrorRecurringDate,
                 QStringLiteral("Unzulässiges Datum: ") + m_valueDate->typedText(), m_valueDate);
        else
            fail(ErrorValueDate,
                 QStringLiteral("Unzulässiges Wertdatum: ") + m_valueDate->typedText(),
                 m_valueDate);
        return std::nullopt;
    }
    record.Wertdatum = *valueDate;
    if (!recurring) {
        record.Auszugsjahr = statement ? static_cast<std::uint16_t>(*year) : YearOf(*valueDate);
        record.Auszugsnr = statement ? static_cast<std::uint16_t>(*number) : 1;
        record.Auszugsdatum = statement ? *statementDate : *valueDate;
        record.Buchungsdatum = *valueDate;
    }

    record.Buchungsart.setUtf8(m_bookingType->currentText().toStdString());
    record.Absender.setUtf8(m_party->currentText().toStdString());
    record.Verwendungszweck.setUtf8(m_purpose->currentText().toStdString());

    if (bookingDate) {
        const auto booked = m_bookingDate->dayCount();
        if (!booked) {
            fail(ErrorBookingDate,
                 QStringLiteral("Unzulässiges Buchungsdatum: ") + m_bookingDate->typedText(),
                 m_bookingDate);
            return std::nullopt;
        }
        record.Buchungsdatum = *booked;
    }

    record.SollHaben = m_direction->item(0)->isSelected() ? u'+' : u'-';

    const auto amount = ParseTypedAmount(m_amount->text());
    if (!amount) {
        fail(ErrorAmount, QStringLiteral("Unzulässiger Betrag: ") + m_amount->text(), m_amount);
        return std::nullopt;
    }
    record.Betrag = *amount;
    return record;
}

void BookingEntryDialog::add(bool close) {
    const auto record = convertFields();
    if (!record)
        return;
    const CatchUpDays days = RecurringCatchUpDays(today(), m_state.settings().nextCheckDay);
    // Refused (a full table, a file that cannot be written): table and file stay as they
    // were and the dialog keeps everything as typed, so that the user can try again.
    if (!widgets::RunCommand(m_state.ui(), [&]() -> core::Result<void> {
            auto added = AddNewBooking(m_state.table(), *record, m_state.currentPath(), days);
            if (!added)
                return added.error();
            return {};
        }))
        return;
    RememberSuggestions(m_state.store(), m_purpose->currentText(), m_party->currentText(),
                        m_bookingType->currentText());
    m_state.announceBookingChange();
    if (close)
        accept();
    else
        resetForm();
}

} // namespace penvaro::entry
