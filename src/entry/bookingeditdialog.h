#pragma once

#include "editconversion.h"

#include <QDialog>

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

// The edit dialog: changes one booking in its slot, or turns a planned booking into a completed
// one. The booking is named by a data row of the grid that lists its kind (the first booking is
// row 1). A change reaches the table only together with the account file.
class BookingEditDialog : public QDialog {
    Q_OBJECT

public:
    explicit BookingEditDialog(platform::AppState &app, QWidget *parent = nullptr);

    // The entry points of the grids' "Bearbeiten" and "Übertragen". Each returns whether the
    // booking was changed (and so the table sorted and the ledger refreshed).
    // The start value's row is left alone: it has a dialog of its own.
    bool editCompleted(int row);
    bool editPlanned(int row);
    // Without statement data and booking dates there is nothing to add by hand: the booking is
    // transferred at once, without showing the dialog.
    bool transferPlanned(int row);
    bool editRecurring(int row);
    bool edit(EditState state, int row);

    EditState state() const { return m_state; }
    // The slot the dialog works on; 0 before the first opening.
    int editPosition() const { return m_position; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFields(QGroupBox *group);
    void buildButtons();
    void watchFields();
    bool locate(EditState state, int row);
    void fill();
    void fillStatementFields();
    void applyLayout(bool recurring);
    EditTexts texts() const;
    bool apply();
    void focusField(EditField field);
    void focusLater(QWidget *field);
    bool moveFocusOnEnter(QWidget *field);
    void fieldLeft(QWidget *field);
    void leaveAuszugsjahr();
    void leaveAuszugsnr();
    void leaveWertdatum();

    platform::AppState &m_app;
    EditState m_state = EditState::Completed;
    int m_position = 0;
    bool m_changed = false;

    QLabel *m_lAuszugsnr;
    QLineEdit *m_auszugsnr;
    QLabel *m_lAus;
    QComboBox *m_auszugsjahr;
    QLabel *m_lAuszugsdatum;
    DateEdit *m_auszugsdatum;
    QLabel *m_lWertdatum;
    DateEdit *m_wertdatum;
    QComboBox *m_buchungsart;
    QComboBox *m_absender;
    QComboBox *m_verwendungszweck;
    QLabel *m_lBuchungsdatum;
    DateEdit *m_buchungsdatum;
    QListWidget *m_sollHaben;
    QLineEdit *m_betrag;
    QPushButton *m_apply;
    QPushButton *m_close;
    QPushButton *m_help;
};

} // namespace penvaro::entry
