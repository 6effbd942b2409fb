#include "editconversion.h"

#include "integerinput.h"
#include "intervals.h"
#include "typedamount.h"

#include "core/date.h"

namespace penvaro::entry {
namespace {

core::BookingKind KindAfter(EditState state) {
    switch (state) {
    case EditState::Planned:
        return core::BookingKind::Planned;
    case EditState::Recurring:
        return core::BookingKind::Recurring;
    case EditState::Completed:
    case EditState::Transfer:
        break;
    }
    return core::BookingKind::Completed;
}

} // namespace

EditConversion ConvertEdit(const core::BookingRecord &original, const EditTexts &texts,
                           const EditOptions &options) {
    EditConversion result{original, std::nullopt, std::nullopt};
    core::BookingRecord &r = result.record;
    const bool completed =
        options.state == EditState::Completed || options.state == EditState::Transfer;
    const bool statement = completed && options.statementData;
    const bool recurring = options.state == EditState::Recurring;
    const auto fail = [&result](std::int32_t code, const QString &message, EditField focus) {
        result.error = FieldError{code, message, focus};
        return result;
    };

    if (statement) {
        const auto year = IntegerInRange(texts.auszugsjahr, 0, 65535);
        if (!year)
            return fail(113, QStringLiteral("Unzulässiges Auszugsjahr: ") + texts.auszugsjahr,
                        EditField::None);
        r.Auszugsjahr = static_cast<std::uint16_t>(*year);
    }
    if (recurring)
        r.Auszugsjahr = IntervalMonths(texts.auszugsjahr);

    if (statement) {
        const auto number = IntegerInRange(texts.auszugsnr, 0, 65535);
        if (!number)
            return fail(111, QStringLiteral("Unzulässige Auszugsnummer: ") + texts.auszugsnr,
                        EditField::Auszugsnr);
        r.Auszugsnr = static_cast<std::uint16_t>(*number);
    } else if (recurring) {
        const auto day = IntegerInRange(texts.auszugsnr, 1, 30);
        if (!day)
            return fail(112, QStringLiteral("Unzulässiger Ausführungstag: ") + texts.auszugsnr,
                        EditField::Auszugsnr);
        r.Auszugsnr = static_cast<std::uint16_t>(*day);
    }

    if (statement) {
        const auto date = core::ParseDate(texts.auszugsdatum.toStdString());
        if (!date)
            return fail(110, QStringLiteral("Unzulässiges Auszugsdatum: ") + texts.auszugsdatum,
                        EditField::Auszugsdatum);
        r.Auszugsdatum = *date;
        result.statementDate = StatementDate{r.Auszugsnr, r.Auszugsjahr, *date};
    }

    const auto valueDate = core::ParseDate(texts.wertdatum.toStdString());
    if (!valueDate)
        return fail(recurring ? 109 : 108,
                    (recurring ? QStringLiteral("Unzulässiges Datum: ")
                               : QStringLiteral("Unzulässiges Wertdatum: "))
                        + texts.wertdatum,
                    EditField::Wertdatum);
    r.Wertdatum = *valueDate;
    if (completed && !options.statementData) {
        r.Auszugsjahr = static_cast<std::uint16_t>(core::CivilFromDayCount(*valueDate)->year);
        r.Auszugsnr = 1;
        r.Auszugsdatum = *valueDate;
    }
    if (options.state == EditState::Planned)
        r.Auszugsnr = 1;

    r.Buchungsart.setUtf8(texts.buchungsart.toStdString());
    r.Absender.setUtf8(texts.absender.toStdString());
    r.Verwendungszweck.setUtf8(texts.verwendungszweck.toStdString());

    if (completed) {
        r.Buchungsdatum = *valueDate;
        if (options.bookingDates) {
            const auto bookingDate = core::ParseDate(texts.buchungsdatum.toStdString());
            if (!bookingDate)
                return fail(104,
                            QStringLiteral("Unzulässiges Buchungsdatum: ") + texts.buchungsdatum,
                            EditField::Buchungsdatum);
            r.Buchungsdatum = *bookingDate;
        }
    }

    r.SollHaben = texts.plus ? u'+' : u'-';

    const auto amount = ParseTypedAmount(texts.betrag);
    if (!amount)
        return fail(103, QStringLiteral("Unzulässiger Betrag: ") + texts.betrag, EditField::Betrag);
    r.Betrag = *amount;
    r.Satzart = KindAfter(options.state);
    return result;
}

} // namespace penvaro::entry
