#pragma once

#include "core/bookingrecord.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace penvaro::entry {

// What the edit dialog does with the booking it was opened on.
enum class EditState {
    Completed = 1, // change a completed booking
    Planned = 2,   // change a planned booking
    Transfer = 3,  // make a planned booking a completed one
    Recurring = 4, // change a recurring booking
};

// The fields of the edit dialog as the user left them; dates without the mask's blanks.
struct EditTexts {
    QString auszugsnr;
    QString auszugsjahr;
    QString auszugsdatum;
    QString wertdatum;
    QString buchungsart;
    QString absender;
    QString verwendungszweck;
    QString buchungsdatum;
    QString betrag;
    bool plus = true; // the item "+" of ESollHaben is selected
};

struct EditOptions {
    EditState state = EditState::Completed;
    bool statementData = true; // "AuszugsdatAN"
    bool bookingDates = false; // "BuchungsdatAN"
};

enum class EditField { None, Auszugsnr, Auszugsdatum, Wertdatum, Buchungsdatum, Betrag };

struct FieldError {
    std::int32_t code = 0;
    QString message; // ends with the field's text as typed
    EditField focus = EditField::None;
};

struct StatementDate {
    int number = 0;
    int year = 0;
    double date = 0.0;
};

struct EditConversion {
    core::BookingRecord record; // the changed booking; only whole when there is no error
    // The statement date to remember; set once that field was read, even when a later one fails.
    std::optional<StatementDate> statementDate;
    std::optional<FieldError> error;
};

// Reads the fields in the fixed order (statement year, interval, statement number or execution
// day, statement date, value date, texts, booking date, direction, amount) into a copy of the
// booking; the first field that cannot be read stops with its numbered message.
EditConversion ConvertEdit(const core::BookingRecord &original, const EditTexts &texts,
                           const EditOptions &options);

} // namespace penvaro::entry
