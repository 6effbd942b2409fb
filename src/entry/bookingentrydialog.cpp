#include "bookingentrydialog.h"

#include "bookingform.h"
#include "core/bookingtexts.h"
#include "dateedit.h"
#include "intervals.h"
#include "newbooking.h"
#include "signlist.h"
#include "suggestions.h"
#include "widgets/dialogflags.h"

#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/commandbutton.h"
#include "widgets/commandguard.h"
#include "widgets/manual.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace penvaro::entry {

namespace {

FormState StateOf(core::BookingKind kind) {
    switch (kind) {
    case core::BookingKind::Planned:
        return FormState::Planned;
    case core::BookingKind::Recurring:
        return FormState::Recurring;
    default:
        break;
    }
    return FormState::Completed;
}

} // namespace

BookingEntryDialog::BookingEntryDialog(platform::AppState &state, QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_state(state) {
    setObjectName(QStringLiteral("TdatenEingebenF"));
    setWindowTitle(QStringLiteral("Daten eingeben ..."));
    setModal(true);

    m_form = new BookingForm(state, BookingForm::Purpose::Entry, this);
    m_addKeepOpen =
        widgets::DialogButton(this, "BDatenHinzufuegenNotClose", QStringLiteral("Nur Hinzufügen"));
    m_addClose = widgets::DialogButton(this, "BDatenHinzufuegenClose",
                                       QStringLiteral("Hinzufügen -> Schließen"));
    auto *close = widgets::DialogButton(this, "Button1", QStringLiteral("Schließen"));
    auto *help = widgets::DialogButton(this, "SpeedButton1", QStringLiteral("HILFE"));
    // Closing is no reason to check the field being left.
    close->setFocusPolicy(Qt::TabFocus);
    help->setFocusPolicy(Qt::TabFocus);
    m_form->setEnterTarget(m_addClose);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_addKeepOpen);
    buttons->addWidget(m_addClose);
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QList<QWidget *> order = m_form->fields();
    order << m_addKeepOpen << m_addClose << close << help;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_addKeepOpen, &QPushButton::clicked, this, [this] { add(false); });
    connect(m_addClose, &QPushButton::clicked, this, [this] { add(true); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { widgets::OpenManual(m_state.ui()); });
}

int BookingEntryDialog::showForKind(core::BookingKind kind) {
    m_kind = kind;
    m_form->setState(StateOf(kind));
    prepareShowing();
    return m_state.ui().runModal(*this);
}

void BookingEntryDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (const QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

bool BookingEntryDialog::statementData() const {
    return m_state.settings().keepStatementData;
}

void BookingEntryDialog::setStatementControlsEnabled(bool enabled) {
    for (QWidget *control : std::initializer_list<QWidget *>{
             m_form->number(), m_form->numberLabel(), m_form->year(), m_form->yearLabel(),
             m_form->statementDate(), m_form->statementDateLabel()}) {
        control->setEnabled(enabled);
    }
}

void BookingEntryDialog::prepareShowing() {
    const bool statement = m_kind != core::BookingKind::Planned && statementData();
    setStatementControlsEnabled(statement);
    m_form->number()->clear();
    QComboBox *year = m_form->year();
    year->clear();
    if (statement)
        m_form->statementDate()->setDayCount(m_state.today());
    else
        m_form->statementDate()->clear();
    if (m_kind == core::BookingKind::Recurring) {
        year->addItems(IntervalTexts());
    } else if (statement) {
        const int thisYear = m_state.clock().today().year();
        year->addItems({QString::number(thisYear), QString::number(thisYear - 1),
                        QString::number(thisYear + 1)});
    }
    year->setCurrentIndex(year->count() > 0 ? 0 : -1);
    resetForm();
}

void BookingEntryDialog::resetForm() {
    const bool recurring = m_kind == core::BookingKind::Recurring;
    if (recurring)
        m_form->number()->clear();
    m_form->valueDate()->setDayCount(m_state.today());
    LoadSuggestions(m_state.store(), {m_form->purpose(), m_form->bookingType(), m_form->party()});

    const bool bookingDate =
        m_kind == core::BookingKind::Completed && m_state.settings().keepBookingDate;
    m_form->bookingDate()->clear();
    m_form->bookingDate()->setEnabled(bookingDate);
    m_form->bookingDateLabel()->setEnabled(bookingDate);

    m_form->amount()->clear();
    m_form->bookingType()->clearEditText();
    m_form->direction()->setPlus(true);
    m_form->setRecurringLayout(recurring);

    // What stays for the next booking of the statement was added with this one.
    m_form->markSaved();
    if (recurring) {
        setStatementControlsEnabled(true);
        m_form->statementDate()->clear();
        m_form->number()->setFocus();
        return;
    }
    const bool statement = m_kind == core::BookingKind::Completed && statementData();
    if (statement)
        m_form->number()->setFocus();
    else
        m_form->valueDate()->setFocus();
}

void BookingEntryDialog::reject() {
    if (m_form->hasTypedValues()
        && m_state.ui().askYesNo(QStringLiteral("Die Eingaben verwerfen?"), platform::Answer::No)
               != platform::Answer::Yes)
        return;
    QDialog::reject();
}

void BookingEntryDialog::add(bool close) {
    const BookingConversion conversion =
        ConvertBookingFields(core::BookingRecord{}, m_form->texts(), m_form->conversionMode());
    if (!m_form->settle(conversion))
        return;
    const CatchUpDays days = RecurringCatchUpDays(m_state.today(), m_state.settings().nextCheckDay);
    // Refused (a full table, a file that cannot be written): table and file stay as they
    // were and the dialog keeps everything as typed, so that the user can try again.
    if (!widgets::RunBookingChange(m_state, [&]() -> core::Result<void> {
            auto added =
                AddNewBooking(m_state.table(), conversion.record, m_state.currentPath(), days);
            if (!added)
                return added.error();
            return {};
        }))
        return;
    // The lists offer what the record keeps, so that a remembered word finds its bookings.
    const core::BookingRecord &stored = conversion.record;
    RememberSuggestions(m_state.store(), QString::fromStdString(core::PurposeText(stored)),
                        QString::fromStdString(core::PartyText(stored)),
                        QString::fromStdString(core::CategoryText(stored)));
    m_state.announceBookingChange(stored);
    if (close)
        accept();
    else
        resetForm();
}

} // namespace penvaro::entry
