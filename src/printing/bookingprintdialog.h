#pragma once

#include "listoptions.h"

#include <QDialog>

class QCheckBox;

namespace penvaro::platform {
class AppState;
class PrinterChoice;
} // namespace penvaro::platform

namespace penvaro::widgets {
class DatePicker;
} // namespace penvaro::widgets

namespace penvaro::printing {

class CurrencyBox;
class PrintTarget;
class PrinterBox;
class TitleBox;

// "Daten Drucken ...": printer, currency, range, tables, header, columns and titles of the
// booking list. Created once; its check boxes keep their state between openings, and the
// evaluation printout reads the column and header choices too.
class BookingPrintDialog : public QDialog {
    Q_OBJECT

public:
    BookingPrintDialog(platform::AppState &state, platform::PrinterChoice &printers,
                       PrintTarget &target, QWidget *parent = nullptr);

    // Resets what the opening resets and shows the dialog modally. The booking table must be
    // sorted ascending while it is open.
    void run();

    ListChoices listChoices() const;

private:
    void prepareOpening();
    void storeTitles();
    void printList();
    void updateTitleFields();
    QCheckBox *checkBox(const char *name, const QString &caption);

    platform::AppState &m_state;
    PrintTarget &m_target;
    PrinterBox *m_printerBox;
    CurrencyBox *m_currency;
    widgets::DatePicker *m_from;
    widgets::DatePicker *m_to;
    QCheckBox *m_completed;
    QCheckBox *m_planned;
    QCheckBox *m_fileName;
    QCheckBox *m_pageNumbers;
    QCheckBox *m_statementData;
    QCheckBox *m_sender;
    QCheckBox *m_purpose;
    QCheckBox *m_bookingDate;
    QCheckBox *m_balance;
    TitleBox *m_titles;
    double m_earliestValueDate = 0.0;
};

} // namespace penvaro::printing
