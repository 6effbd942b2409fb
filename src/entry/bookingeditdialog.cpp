#include "bookingeditdialog.h"

#include "amountedittext.h"
#include "bookingform.h"
#include "core/bookingtexts.h"
#include "dateedit.h"
#include "intervals.h"
#include "recurringcatchup.h"
#include "signlist.h"
#include "suggestions.h"
#include "widgets/dialogflags.h"

#include "core/bookingchanges.h"
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
#include <QVBoxLayout>

namespace penvaro::entry {
namespace {

// A damaged interval shows as it is stored and is saved as monthly.
QString IntervalText(int months) {
    for (const Interval &interval : Intervals) {
        if (interval.months == months)
            return QString::fromUtf16(interval.text);
    }
    return QString::number(months);
}

core::Listing ListingOf(FormState state) {
    switch (state) {
    case FormState::Completed:
        return core::Listing::Completed;
    case FormState::Planned:
    case FormState::Transfer:
        return core::Listing::Planned;
    case FormState::Recurring:
        break;
    }
    return core::Listing::Recurring;
}

} // namespace

BookingEditDialog::BookingEditDialog(platform::AppState &app, QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_state(app) {
    setObjectName(QStringLiteral("TDatenBearbeitenF"));
    setWindowTitle(QStringLiteral("Daten bearbeiten ..."));
    setModal(true);

    m_form = new BookingForm(app, BookingForm::Purpose::Edit, this);
    m_apply = widgets::DialogButton(this, "BDatenHinzufuegen", QStringLiteral("Ändern"));
    auto *close = widgets::DialogButton(this, "Button1", QStringLiteral("Schließen"));
    auto *help = widgets::DialogButton(this, "SpeedButton1", QStringLiteral("HILFE"));
    m_form->setEnterTarget(m_apply);
    connect(m_apply, &QPushButton::clicked, this, [this] {
        if (apply())
            accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { widgets::OpenManual(m_state.ui()); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_apply);
    buttons->addWidget(close);
    buttons->addStretch();
    buttons->addWidget(help);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QList<QWidget *> order = m_form->fields();
    order << m_apply << close << help;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

bool BookingEditDialog::fits(FormState state, int slot) const {
    const core::BookingTable &table = m_state.table();
    if (slot < 1 || slot > table.count())
        return false;
    const core::BookingKind kind = table.slot(slot).Satzart;
    // Saving the start value from here would turn it into a completed booking.
    return kind != core::BookingKind::StartValue && core::IsListedIn(ListingOf(state), kind);
}

bool BookingEditDialog::edit(FormState state, int slot) {
    if (!fits(state, slot))
        return false;
    m_formState = state;
    m_position = slot;
    m_original = m_state.table().slot(slot);
    m_form->setState(state);
    m_changed = false;
    fill();
    const core::Settings &settings = m_state.settings();
    if (state == FormState::Transfer && !settings.keepStatementData && !settings.keepBookingDate)
        return apply();
    // Whether the change was stored is m_changed; closing says nothing more.
    m_state.ui().runModal(*this);
    return m_changed;
}

void BookingEditDialog::followBooking() {
    const core::BookingTable &table = m_state.table();
    if (m_position <= table.count() && table.slot(m_position) == m_original)
        return;
    // The file was read again: the booking may stand in another slot now, or be gone.
    if (const int slot = core::SlotOf(table, m_original))
        m_position = slot;
    else
        reject();
}

void BookingEditDialog::fill() {
    const core::BookingRecord &r = m_state.table().slot(m_position);
    const bool transfer = m_formState == FormState::Transfer;
    fillStatementFields();
    m_form->valueDate()->setDayCount(r.Wertdatum);
    LoadSuggestions(m_state.store(), {m_form->purpose(), m_form->bookingType(), m_form->party()});
    m_form->bookingType()->setEditText(QString::fromStdString(core::CategoryText(r)));
    m_form->party()->setEditText(QString::fromStdString(core::PartyText(r)));
    m_form->purpose()->setEditText(QString::fromStdString(core::PurposeText(r)));
    m_form->direction()->setPlus(r.SollHaben == u'+');
    m_form->amount()->setText(AmountEditText(r.Betrag));

    const bool bookingDate =
        (m_formState == FormState::Completed || transfer) && m_state.settings().keepBookingDate;
    m_form->bookingDateLabel()->setEnabled(bookingDate);
    m_form->bookingDate()->setEnabled(bookingDate);
    // A transfer enters its booking date fresh, like its statement data.
    if (bookingDate && !transfer)
        m_form->bookingDate()->setDayCount(r.Buchungsdatum);
    else
        m_form->bookingDate()->clear();

    setWindowTitle(transfer ? QStringLiteral("Daten verschieben ...")
                            : QStringLiteral("Daten bearbeiten ..."));
    m_apply->setText(transfer ? QStringLiteral("Verschieben") : QStringLiteral("Ändern"));
    m_form->setRecurringLayout(m_formState == FormState::Recurring);
    if (m_form->number()->isEnabled())
        m_form->number()->setFocus();
    else
        m_form->valueDate()->setFocus();
}

void BookingEditDialog::fillStatementFields() {
    const core::BookingRecord &r = m_state.table().slot(m_position);
    const bool recurring = m_formState == FormState::Recurring;
    const bool statement =
        m_state.settings().keepStatementData
        && (m_formState == FormState::Completed || m_formState == FormState::Transfer);
    for (QWidget *field : std::initializer_list<QWidget *>{m_form->numberLabel(), m_form->number(),
                                                           m_form->yearLabel(), m_form->year()})
        field->setEnabled(statement || recurring);
    m_form->statementDateLabel()->setEnabled(statement);
    m_form->statementDate()->setEnabled(statement);
    QLineEdit *number = m_form->number();
    QComboBox *year = m_form->year();
    number->clear();
    year->clear();
    m_form->statementDate()->clear();

    const auto offer = [year](std::initializer_list<int> years, int shown) {
        for (int offered : years)
            year->addItem(QString::number(offered));
        year->setEditText(QString::number(shown));
    };
    if (statement && m_formState == FormState::Completed) {
        const int stored = r.Auszugsjahr;
        offer({stored, stored - 1, stored + 1}, stored);
        number->setText(QString::number(r.Auszugsnr));
        m_form->statementDate()->setDayCount(r.Auszugsdatum);
    } else if (statement) {
        const int thisYear = m_state.clock().today().year();
        offer({thisYear - 1, thisYear, thisYear + 1}, thisYear);
    } else if (recurring) {
        year->addItems(IntervalTexts());
        year->setEditText(IntervalText(r.Auszugsjahr));
        number->setText(QString::number(r.Auszugsnr));
    }
}

bool BookingEditDialog::apply() {
    const core::Settings &settings = m_state.settings();
    const BookingConversion conversion = ConvertBookingFields(
        m_state.table().slot(m_position), m_form->texts(), m_form->conversionMode());
    if (!m_form->settle(conversion))
        return false;

    const bool saved = widgets::RunBookingChange(m_state, [&]() -> core::Result<void> {
        std::vector<core::BookingRecord> planned;
        if (m_formState == FormState::Recurring) {
            auto caughtUp = CatchUpRecurring(
                conversion.record, EditCatchUpDays(m_state.today(), settings.nextCheckDay));
            if (!caughtUp)
                return caughtUp.error();
            planned = std::move(*caughtUp);
        }
        return core::ReplaceAndAddBookings(m_state.table(), m_position, conversion.record, planned,
                                           m_state.currentPath());
    });
    if (!saved) {
        followBooking();
        return false;
    }
    m_changed = true;
    m_state.announceBookingChange(conversion.record);
    return true;
}

} // namespace penvaro::entry
