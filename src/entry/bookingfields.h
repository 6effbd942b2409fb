#pragma once

#include "core/bookingrecord.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace penvaro::entry {

// What the booking form is filled for. The entry dialog makes new completed, planned and
// recurring bookings; the edit dialog changes them and turns a planned booking into a
// completed one (Transfer).
enum class FormState {
    Completed = 1,
    Planned = 2,
    Transfer = 3,
    Recurring = 4,
};

// The numbered messages of one dialog. Both dialogs convert the same fields in the same order;
// only the numbers (and the spelling of the registry message) tell them apart.
struct FormErrors {
    std::int32_t statementYear;
    std::int32_t statementNumber;
    std::int32_t executionDay;
    std::int32_t statementDate;
    std::int32_t valueDate;
    std::int32_t firstExecution;
    std::int32_t bookingDate;
    std::int32_t amount;
    std::int32_t lookUpStatementDate;
    std::int32_t rememberStatementDate;
    std::int32_t firstExecutionLeft;
    std::int32_t executionDayLeft;
    const char16_t *registryMessage;
};

inline constexpr FormErrors EntryErrors{
    .statementYear = 174,
    .statementNumber = 172,
    .executionDay = 173,
    .statementDate = 171,
    .valueDate = 169,
    .firstExecution = 170,
    .bookingDate = 165,
    .amount = 164,
    .lookUpStatementDate = 161,
    .rememberStatementDate = 162,
    .firstExecutionLeft = 163,
    .executionDayLeft = 175,
    .registryMessage = u"Registry Fehler",
};

inline constexpr FormErrors EditErrors{
    .statementYear = 113,
    .statementNumber = 111,
    .executionDay = 112,
    .statementDate = 110,
    .valueDate = 108,
    .firstExecution = 109,
    .bookingDate = 104,
    .amount = 103,
    .lookUpStatementDate = 114,
    .rememberStatementDate = 101,
    .firstExecutionLeft = 115,
    .executionDayLeft = 116,
    .registryMessage = u"Registry-Fehler",
};

// The ten fields as the user left them; dates without the mask's blanks.
struct BookingTexts {
    QString number;        // EAuszugsnr: statement number or execution day
    QString year;          // EAuszugsjahr: statement year or interval
    QString statementDate; // EAuszugsdatum
    QString valueDate;     // EWertdatum: value date or first execution
    QString bookingType;   // EBuchungsart
    QString party;         // EAbsender
    QString purpose;       // EVerwendungszweck
    QString bookingDate;   // EBuchungsdatum
    QString amount;        // EBetrag
    bool plus = true;      // "+" is selected in ESollHaben
};

// The field that gets the focus after its message; None leaves the focus where it is.
enum class BookingField { None, Number, StatementDate, ValueDate, BookingDate, Amount };

struct FieldError {
    std::int32_t code = 0;
    QString message; // names the field's text as typed
    BookingField focus = BookingField::None;
};

struct StatementDate {
    int number = 0;
    int year = 0;
    double date = 0.0;
};

struct ConversionMode {
    FormState state = FormState::Completed;
    const FormErrors *errors = &EntryErrors;
    bool statementData = true; // "AuszugsdatAN"
    bool bookingDates = false; // "BuchungsdatAN"
    // A new planned booking takes its statement fields from its value date; a changed one
    // keeps them.
    bool newBooking = true;
};

struct BookingConversion {
    core::BookingRecord record; // only whole when there is no error
    // The statement date to remember: set once that field was read, even when a later one
    // fails, since the statement itself was typed right.
    std::optional<StatementDate> statementDate;
    std::optional<FieldError> error;
};

// Reads the fields in the fixed order (statement year, interval, statement number or execution
// day, statement date, value date, texts, booking date, direction, amount) into a copy of the
// original booking (an empty record for a new one); the first field that cannot be read stops
// with its numbered message. Writes nothing anywhere.
BookingConversion ConvertBookingFields(const core::BookingRecord &original,
                                       const BookingTexts &texts, const ConversionMode &mode);

} // namespace penvaro::entry
