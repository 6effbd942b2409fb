#pragma once

#include "bookingfields.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::entry {

class DateEdit;
class SignList;

// The ten fields of a booking, shared by the entry and the edit dialog: their labels, layout
// and tab order, Enter moving from field to field, what leaving a field fills in, and the
// numbered messages of a failed field. The dialogs fill the fields and act on the result.
class BookingForm : public QGroupBox {
    Q_OBJECT

public:
    // The kind of dialog the form serves: its message numbers and two label names differ.
    enum class Purpose { Entry, Edit };

    BookingForm(platform::AppState &app, Purpose purpose, QWidget *parent = nullptr);

    // The state decides which field events apply; set before the fields are filled.
    void setState(FormState state);
    FormState state() const { return m_formState; }
    // Captions, the statement date and the width of EAuszugsjahr for recurring bookings or
    // for the others.
    void setRecurringLayout(bool recurring);
    // Enter in the amount field moves to this button.
    void setEnterTarget(QWidget *button);

    const FormErrors &errors() const { return *m_errors; }
    ConversionMode conversionMode() const;
    BookingTexts texts() const;
    // Remembers the statement date the conversion read, then shows its failure and puts the
    // focus on the failing field. Returns whether the conversion succeeded.
    bool settle(const BookingConversion &conversion);
    // Shows a numbered message; afterwards the focus is on the field, however the message
    // window was closed.
    void fail(std::int32_t code, const QString &message, QWidget *field);

    QLineEdit *number() const { return m_number; }
    QComboBox *year() const { return m_year; }
    DateEdit *statementDate() const { return m_statementDate; }
    DateEdit *valueDate() const { return m_valueDate; }
    QComboBox *bookingType() const { return m_bookingType; }
    QComboBox *party() const { return m_party; }
    QComboBox *purpose() const { return m_purpose; }
    DateEdit *bookingDate() const { return m_bookingDate; }
    SignList *direction() const { return m_direction; }
    QLineEdit *amount() const { return m_amount; }
    QLabel *numberLabel() const { return m_numberLabel; }
    QLabel *yearLabel() const { return m_yearLabel; }
    QLabel *statementDateLabel() const { return m_statementDateLabel; }
    QLabel *bookingDateLabel() const { return m_bookingDateLabel; }
    // The fields in tab order.
    QList<QWidget *> fields() const;
    // Whether the user typed into a field since the last markSaved().
    bool hasTypedValues() const;
    void markSaved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFields(Purpose purpose);
    void layOutFields();
    QWidget *fieldOf(BookingField field) const;
    QList<QLineEdit *> typingFields() const;
    bool moveFocusOnEnter(QObject *from);
    void fieldLeft(QObject *field);
    void lookUpStatementDate();
    void leaveExecutionDay();
    void leaveFirstExecution();
    void leaveValueDate();
    bool bookingDatesOpen() const;

    platform::AppState &m_state;
    const FormErrors *m_errors;
    bool m_newBookings;
    FormState m_formState = FormState::Completed;
    QWidget *m_enterTarget = nullptr;
    bool m_leaving = false;
    bool m_typed = false;

    QLabel *m_numberLabel = nullptr;
    QLineEdit *m_number = nullptr;
    QLabel *m_yearLabel = nullptr;
    QComboBox *m_year = nullptr;
    QLabel *m_statementDateLabel = nullptr;
    DateEdit *m_statementDate = nullptr;
    QLabel *m_valueDateLabel = nullptr;
    DateEdit *m_valueDate = nullptr;
    QComboBox *m_bookingType = nullptr;
    QComboBox *m_party = nullptr;
    QComboBox *m_purpose = nullptr;
    QLabel *m_bookingDateLabel = nullptr;
    DateEdit *m_bookingDate = nullptr;
    SignList *m_direction = nullptr;
    QLineEdit *m_amount = nullptr;
};

} // namespace penvaro::entry
