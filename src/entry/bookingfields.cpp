#include "bookingfields.h"

#include "integerinput.h"
#include "intervals.h"

#include "core/bookingtexts.h"
#include "core/date.h"
#include "core/typedamount.h"

namespace penvaro::entry {
namespace {

constexpr int MaxStatementField = 65535;
constexpr int FirstExecutionDay = 1;
constexpr int LastExecutionDay = 30;

core::BookingKind KindAfter(FormState state) {
    switch (state) {
    case FormState::Planned:
        return core::BookingKind::Planned;
    case FormState::Recurring:
        return core::BookingKind::Recurring;
    case FormState::Completed:
    case FormState::Transfer:
        break;
    }
    return core::BookingKind::Completed;
}

std::optional<double> DateOf(const QString &text) {
    return core::ParseDate(text.toStdString());
}

} // namespace

BookingConversion ConvertBookingFields(const core::BookingRecord &original,
                                       const BookingTexts &texts, const ConversionMode &mode) {
    BookingConversion result{original, std::nullopt, std::nullopt};
    core::BookingRecord &r = result.record;
    const FormErrors &errors = *mode.errors;
    const bool completed = mode.state == FormState::Completed || mode.state == FormState::Transfer;
    const bool statement = completed && mode.statementData;
    const bool recurring = mode.state == FormState::Recurring;
    const auto fail = [&result](std::int32_t code, const QString &message, BookingField focus) {
        result.error = FieldError{code, message, focus};
        return result;
    };

    if (statement) {
        const auto year = IntegerInRange(texts.year, 0, MaxStatementField);
        if (!year)
            return fail(errors.statementYear,
                        QStringLiteral("Unzulässiges Auszugsjahr: ") + texts.year,
                        BookingField::None);
        r.Auszugsjahr = static_cast<std::uint16_t>(*year);
    }
    if (recurring)
        r.Auszugsjahr = IntervalMonths(texts.year);

    if (statement) {
        const auto number = IntegerInRange(texts.number, 0, MaxStatementField);
        if (!number)
            return fail(errors.statementNumber,
                        QStringLiteral("Unzulässige Auszugsnummer: ") + texts.number,
                        BookingField::Number);
        r.Auszugsnr = static_cast<std::uint16_t>(*number);
    } else if (recurring) {
        const auto day = IntegerInRange(texts.number, FirstExecutionDay, LastExecutionDay);
        if (!day)
            return fail(errors.executionDay,
                        QStringLiteral("Unzulässiger Ausführungstag: ") + texts.number,
                        BookingField::Number);
        r.Auszugsnr = static_cast<std::uint16_t>(*day);
    }

    if (statement) {
        const auto date = DateOf(texts.statementDate);
        if (!date)
            return fail(errors.statementDate,
                        QStringLiteral("Unzulässiges Auszugsdatum: ") + texts.statementDate,
                        BookingField::StatementDate);
        r.Auszugsdatum = *date;
        result.statementDate = StatementDate{r.Auszugsnr, r.Auszugsjahr, *date};
    }

    const auto valueDate = DateOf(texts.valueDate);
    if (!valueDate) {
        if (recurring)
            return fail(errors.firstExecution,
                        QStringLiteral("Unzulässiges Datum: ") + texts.valueDate,
                        BookingField::ValueDate);
        return fail(errors.valueDate, QStringLiteral("Unzulässiges Wertdatum: ") + texts.valueDate,
                    BookingField::ValueDate);
    }
    r.Wertdatum = *valueDate;
    const bool derived =
        (completed && !mode.statementData) || (mode.state == FormState::Planned && mode.newBooking);
    if (derived) {
        r.Auszugsjahr = static_cast<std::uint16_t>(core::CivilFromDayCount(*valueDate)->year);
        r.Auszugsdatum = *valueDate;
    }
    if (derived || mode.state == FormState::Planned)
        r.Auszugsnr = 1;
    if (completed || (mode.state == FormState::Planned && mode.newBooking))
        r.Buchungsdatum = *valueDate;

    // What a statement said of the other party stays with the booking whose texts change.
    core::BookingDetails whole{texts.bookingType.toStdString(),
                               texts.party.toStdString(),
                               texts.purpose.toStdString(),
                               {},
                               {},
                               {}};
    if (r.details) {
        whole.partyIban = r.details->partyIban;
        whole.partyBic = r.details->partyBic;
        whole.bankReference = r.details->bankReference;
    }
    core::SetBookingTexts(r, std::move(whole));

    if (completed && mode.bookingDates) {
        const auto bookingDate = DateOf(texts.bookingDate);
        if (!bookingDate)
            return fail(errors.bookingDate,
                        QStringLiteral("Unzulässiges Buchungsdatum: ") + texts.bookingDate,
                        BookingField::BookingDate);
        r.Buchungsdatum = *bookingDate;
    }

    r.SollHaben = texts.plus ? u'+' : u'-';

    // The direction is chosen in the sign list; the reader refuses a sign that would turn it.
    const auto amount = core::ReadTypedAmount(texts.amount.toStdString());
    if (!amount)
        return fail(errors.amount, QString::fromStdString(amount.error().message),
                    BookingField::Amount);
    r.Betrag = *amount;
    r.Satzart = KindAfter(mode.state);
    return result;
}

} // namespace penvaro::entry
