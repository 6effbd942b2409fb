#pragma once

#include "core/bookingrecord.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::entry {

class DateEdit;

inline constexpr std::int32_t ErrorLookUpStatementDate = 161;
inline constexpr std::int32_t ErrorRememberStatementDate = 162;
inline constexpr std::int32_t ErrorFirstExecutionDate = 163;
inline constexpr std::int32_t ErrorAmount = 164;
inline constexpr std::int32_t ErrorBookingDate = 165;
inline constexpr std::int32_t ErrorValueDate = 169;
inline constexpr std::int32_t ErrorRecurringDate = 170;
inline constexpr std::int32_t ErrorStatementDate = 171;
inline constexpr std::int32_t ErrorStatementNumber = 172;
inline constexpr std::int32_t ErrorExecutionDay = 173;
inline constexpr std::int32_t ErrorStatementYear = 174;
inline constexpr std::int32_t ErrorLeavingExecutionDay = 175;

// "Daten eingeben ...": types in new bookings, completed ones from a bank statement (kind 1),
// planned ones (kind 2) and recurring monthly ones (kind 4). The statement number, year and
// date stay from one booking to the next, so that a statement is entered quickly.
class BookingEntryDialog : public QDialog {
    Q_OBJECT

public:
    explicit BookingEntryDialog(platform::AppState &state, QWidget *parent = nullptr);

    // Sets the kind of booking to enter (Completed, Planned or Recurring), prepares the form
    // for it and shows the dialog modally. Returns Accepted when it was closed by adding.
    int showForKind(core::BookingKind kind);
    core::BookingKind entryKind() const { return m_kind; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void layOutControls();
    void prepareShowing();
    void resetForm();
    void setStatementControlsEnabled(bool enabled);

    bool statementData() const;
    bool bookingDates() const;
    double today() const;

    void moveFocusOnEnter(QObject *from);
    void fieldLeft(QObject *field);
    void lookUpStatementDate();
    void leaveExecutionDay();
    void leaveFirstExecution();

    // Builds the record from the fields; on the first field that cannot be read its error is
    // shown, the focus moved to it and nothing returned.
    std::optional<core::BookingRecord> convertFields();
    void fail(std::int32_t code, const QString &message, QWidget *focus);
    void add(bool close);

    platform::AppState &m_state;
    core::BookingKind m_kind = core::BookingKind::Completed;
    bool m_leaving = false;

    QGroupBox *m_group = nullptr;
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
    QListWidget *m_direction = nullptr;
    QLineEdit *m_amount = nullptr;
    QPushButton *m_addKeepOpen = nullptr;
    QPushButton *m_addClose = nullptr;
    QPushButton *m_close = nullptr;
    QPushButton *m_help = nullptr;
};

} // namespace penvaro::entry
