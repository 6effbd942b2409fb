#include "bookingeditdialog.h"

#include "amountedittext.h"
#include "dateedit.h"
#include "intervals.h"
#include "recurringcatchup.h"
#include "statementdates.h"
#include "suggestions.h"

#include "core/bookingchanges.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/commandguard.h"
#include "widgets/manual.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace penvaro::entry {
namespace {

template<typename Field>
Field *NamedField(QWidget *parent, const char *name) {
    auto *field = new Field(parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QLabel *BuddyLabel(QWidget *parent, const char *name, const QString &text, QWidget *buddy) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

// A damaged interval shows as it is stored and is saved as monthly.
QString IntervalText(int months) {
    for (const Interval &interval : Intervals) {
        if (interval.months == months)
            return QString::fromUtf16(interval.text);
    }
    return QString::number(months);
}

QComboBox *SuggestionCombo(QWidget *parent, const char *name) {
    auto *combo = NamedField<QComboBox>(parent, name);
    combo->setEditable(true);
    // Typing a text never adds it to the list; the suggestion lists are kept elsewhere.
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

} // namespace

BookingEditDialog::BookingEditDialog(platform::AppState &app, QWidget *parent)
    : QDialog(parent)
    , m_app(app) {
    setObjectName(QStringLiteral("TDatenBearbeitenF"));
    setWindowTitle(QStringLiteral("Daten bearbeiten ..."));
    setModal(true);

    auto *group = NamedField<QGroupBox>(this, "GroupBox1");
    buildFields(group);
    buildButtons();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_apply);
    buttons->addWidget(m_close);
    buttons->addStretch();
    buttons->addWidget(m_help);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    QWidget *const tabOrder[] = {m_auszugsnr,
                                 m_auszugsjahr,
                                 m_auszugsdatum,
                                 m_wertdatum,
                                 m_buchungsart,
                                 m_absender,
                                 m_verwendungszweck,
                                 m_buchungsdatum,
                                 m_sollHaben,
                                 m_betrag,
                                 m_apply,
                                 m_close,
                                 m_help};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    watchFields();
}

void BookingEditDialog::buildFields(QGroupBox *group) {
    m_auszugsnr = NamedField<QLineEdit>(group, "EAuszugsnr");
    m_lAuszugsnr = BuddyLabel(group, "LAuszugsnr", QStringLiteral("Kontoauszugsnr."), m_auszugsnr);
    m_auszugsjahr = NamedField<QComboBox>(group, "EAuszugsjahr");
    m_auszugsjahr->setEditable(true);
    m_auszugsjahr->setInsertPolicy(QComboBox::NoInsert);
    m_lAus = BuddyLabel(group, "Laus", QStringLiteral("aus"), m_auszugsjahr);
    m_auszugsdatum = NamedField<DateEdit>(group, "EAuszugsdatum");
    m_lAuszugsdatum =
        BuddyLabel(group, "LAuszugsdatum", QStringLiteral("Kontoauszugsdatum"), m_auszugsdatum);
    m_wertdatum = NamedField<DateEdit>(group, "EWertdatum");
    m_lWertdatum = BuddyLabel(group, "LWertdatum", QStringLiteral("Wertdatum"), m_wertdatum);
    m_buchungsart = SuggestionCombo(group, "EBuchungsart");
    // Only while the suggestion lists cannot be read; they replace these items otherwise.
    m_buchungsart->addItems({QStringLiteral("BAR"), QStringLiteral("EC"), QStringLiteral("LAS"),
                             QStringLiteral("Sonstiges"), QStringLiteral("ÜB"),
                             QStringLiteral("Zinsen")});
    auto *lBuchungsart =
        BuddyLabel(group, "LBuchungsart", QStringLiteral("Art/Kategorie"), m_buchungsart);
    m_absender = SuggestionCombo(group, "EAbsender");
    auto *lAbsender =
        BuddyLabel(group, "LAbsender", QStringLiteral("Empfänger/Absender"), m_absender);
    m_verwendungszweck = SuggestionCombo(group, "EVerwendungszweck");
    auto *lVerwendungszweck = BuddyLabel(group, "LVerwendungszweck",
                                         QStringLiteral("Verwendungszweck"), m_verwendungszweck);
    m_buchungsdatum = NamedField<DateEdit>(group, "EBuchungsdatum");
    m_lBuchungsdatum =
        BuddyLabel(group, "LBuchungsdatum", QStringLiteral("Buchungsdatum"), m_buchungsdatum);
    m_sollHaben = NamedField<QListWidget>(group, "ESollHaben");
    m_sollHaben->addItems({QStringLiteral("+"), QStringLiteral("-")});
    m_sollHaben->setFixedSize(40,
                              m_sollHaben->sizeHintForRow(0) * 2 + 2 * m_sollHaben->frameWidth());
    auto *lSollHaben =
        BuddyLabel(group, "LSollHaben", QStringLiteral("Soll/Haben (-/+)"), m_sollHaben);
    m_betrag = NamedField<QLineEdit>(group, "EBetrag");
    auto *lBetrag = BuddyLabel(group, "LBetrag", QStringLiteral("Betrag"), m_betrag);
    auto *lEuro = new QLabel(QStringLiteral("€"), group);
    lEuro->setObjectName(QStringLiteral("LEuro"));

    auto *grid = new QGridLayout(group);
    grid->addWidget(m_lAuszugsnr, 0, 0);
    grid->addWidget(m_auszugsnr, 1, 0);
    grid->addWidget(m_lAus, 0, 1);
    grid->addWidget(m_auszugsjahr, 1, 1);
    grid->addWidget(m_lAuszugsdatum, 0, 2);
    grid->addWidget(m_auszugsdatum, 1, 2);
    grid->addWidget(m_lWertdatum, 2, 0);
    grid->addWidget(m_wertdatum, 3, 0);
    grid->addWidget(lBuchungsart, 2, 1);
    grid->addWidget(m_buchungsart, 3, 1);
    grid->addWidget(lAbsender, 2, 2, 1, 2);
    grid->addWidget(m_absender, 3, 2, 1, 2);
    grid->addWidget(lVerwendungszweck, 4, 0, 1, 3);
    grid->addWidget(m_verwendungszweck, 5, 0, 1, 3);
    grid->addWidget(m_lBuchungsdatum, 4, 3);
    grid->addWidget(m_buchungsdatum, 5, 3);
    grid->addWidget(lSollHaben, 6, 0);
    grid->addWidget(m_sollHaben, 7, 0, Qt::AlignLeft);
    grid->addWidget(lBetrag, 6, 1);
    auto *amount = new QHBoxLayout;
    amount->addWidget(m_betrag);
    amount->addWidget(lEuro);
    grid->addLayout(amount, 7, 1);
    m_absender->setMinimumWidth(m_absender->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 20);
}

void BookingEditDialog::buildButtons() {
    m_apply = new QPushButton(QStringLiteral("Ändern"), this);
    m_apply->setObjectName(QStringLiteral("BDatenHinzufuegen"));
    connect(m_apply, &QPushButton::clicked, this, [this] {
        if (apply())
            accept();
    });
    m_close = new QPushButton(QStringLiteral("Schließen"), this);
    m_close->setObjectName(QStringLiteral("Button1"));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    m_help = new QPushButton(QStringLiteral("HILFE"), this);
    m_help->setObjectName(QStringLiteral("SpeedButton1"));
    connect(m_help, &QPushButton::clicked, this, [this] { widgets::OpenManual(m_app.ui()); });
}

bool BookingEditDialog::editCompleted(int row) {
    return edit(EditState::Completed, row);
}

bool BookingEditDialog::editPlanned(int row) {
    return edit(EditState::Planned, row);
}

bool BookingEditDialog::transferPlanned(int row) {
    return edit(EditState::Transfer, row);
}

bool BookingEditDialog::editRecurring(int row) {
    return edit(EditState::Recurring, row);
}

bool BookingEditDialog::edit(EditState state, int row) {
    if (!locate(state, row))
        return false;
    m_changed = false;
    fill();
    const core::Settings &settings = m_app.settings();
    if (state == EditState::Transfer && !settings.AuszugsdatAN && !settings.BuchungsdatAN)
        return apply();
    m_app.ui().runModal(*this);
    return m_changed;
}

bool BookingEditDialog::locate(EditState state, int row) {
    const auto listed = [state](core::BookingKind kind) {
        switch (state) {
        case EditState::Completed:
            return kind == core::BookingKind::StartValue || kind == core::BookingKind::Completed;
        case EditState::Planned:
        case EditState::Transfer:
            return kind == core::BookingKind::Planned;
        case EditState::Recurring:
            return kind == core::BookingKind::Recurring;
        }
        return false;
    };
    const int slot = row >= 1 ? core::NthSlotOf(m_app.table(), row, listed) : 0;
    // Saving the start value from here would turn it into a completed booking.
    if (slot == 0 || m_app.table().slot(slot).Satzart == core::BookingKind::StartValue)
        return false;
    m_state = state;
    m_position = slot;
    return true;
}

void BookingEditDialog::fill() {
    const core::BookingRecord &r = m_app.table().slot(m_position);
    const bool transfer = m_state == EditState::Transfer;
    fillStatementFields();
    m_wertdatum->setDayCount(r.Wertdatum);
    LoadSuggestions(m_app.store(), {m_verwendungszweck, m_buchungsart, m_absender});
    m_buchungsart->setEditText(QString::fromStdString(r.Buchungsart.toUtf8()));
    m_absender->setEditText(QString::fromStdString(r.Absender.toUtf8()));
    m_verwendungszweck->setEditText(QString::fromStdString(r.Verwendungszweck.toUtf8()));
    m_sollHaben->setCurrentRow(r.SollHaben == u'+' ? 0 : 1);
    m_betrag->setText(AmountEditText(r.Betrag));

    const bool bookingDate =
        (m_state == EditState::Completed || transfer) && m_app.settings().BuchungsdatAN;
    m_lBuchungsdatum->setEnabled(bookingDate);
    m_buchungsdatum->setEnabled(bookingDate);
    // A transfer enters its booking date fresh, like its statement data.
    if (bookingDate && !transfer)
        m_buchungsdatum->setDayCount(r.Buchungsdatum);
    else
        m_buchungsdatum->clear();

    setWindowTitle(transfer ? QStringLiteral("Daten verschieben ...")
                            : QStringLiteral("Daten bearbeiten ..."));
    m_apply->setText(transfer ? QStringLiteral("Verschieben") : QStringLiteral("Ändern"));
    applyLayout(m_state == EditState::Recurring);
}

void BookingEditDialog::fillStatementFields() {
    const core::BookingRecord &r = m_app.table().slot(m_position);
    const bool recurring = m_state == EditState::Recurring;
    const bool statement = m_app.settings().AuszugsdatAN
                           && (m_state == EditState::Completed || m_state == EditState::Transfer);
    for (QWidget *field :
         std::initializer_list<QWidget *>{m_lAuszugsnr, m_auszugsnr, m_lAus, m_auszugsjahr})
        field->setEnabled(statement || recurring);
    m_lAuszugsdatum->setEnabled(statement);
    m_auszugsdatum->setEnabled(statement);
    m_auszugsnr->clear();
    m_auszugsjahr->clear();
    m_auszugsdatum->clear();

    const auto offer = [this](std::initializer_list<int> years, int shown) {
        for (int year : years)
            m_auszugsjahr->addItem(QString::number(year));
        m_auszugsjahr->setEditText(QString::number(shown));
    };
    if (statement && m_state == EditState::Completed) {
        const int year = r.Auszugsjahr;
        offer({year, year - 1, year + 1}, year);
        m_auszugsnr->setText(QString::number(r.Auszugsnr));
        m_auszugsdatum->setDayCount(r.Auszugsdatum);
    } else if (statement) {
        const int year = m_app.clock().today().year();
        offer({year - 1, year, year + 1}, year);
    } else if (recurring) {
        m_auszugsjahr->addItems(IntervalTexts());
        m_auszugsjahr->setEditText(IntervalText(r.Auszugsjahr));
        m_auszugsnr->setText(QString::number(r.Auszugsnr));
    }
}

void BookingEditDialog::applyLayout(bool recurring) {
    m_lAuszugsdatum->setVisible(!recurring);
    m_auszugsdatum->setVisible(!recurring);
    m_lAuszugsnr->setText(recurring ? QStringLiteral("Ausführungstag im Monat")
                                    : QStringLiteral("Kontoauszugsnr."));
    m_lAus->setText(recurring ? QStringLiteral("Ausführung ...") : QStringLiteral("aus"));
    m_lWertdatum->setText(recurring ? QStringLiteral("Erste Ausführung")
                                    : QStringLiteral("Wertdatum"));
    const QFontMetrics metrics = m_auszugsjahr->fontMetrics();
    m_auszugsjahr->setFixedWidth(metrics.horizontalAdvance(recurring
                                                               ? QStringLiteral("alle 12 Monate")
                                                               : QStringLiteral("00000"))
                                 + 40);
    if (m_auszugsnr->isEnabled())
        m_auszugsnr->setFocus();
    else
        m_wertdatum->setFocus();
}

EditTexts BookingEditDialog::texts() const {
    return {m_auszugsnr->text(),
            m_auszugsjahr->currentText(),
            m_auszugsdatum->typedText(),
            m_wertdatum->typedText(),
            m_buchungsart->currentText(),
            m_absender->currentText(),
            m_verwendungszweck->currentText(),
            m_buchungsdatum->typedText(),
            m_betrag->text(),
            m_sollHaben->item(0)->isSelected()};
}

bool BookingEditDialog::apply() {
    platform::UiService &ui = m_app.ui();
    const core::Settings &settings = m_app.settings();
    const EditConversion conversion =
        ConvertEdit(m_app.table().slot(m_position), texts(),
                    {m_state, settings.AuszugsdatAN, settings.BuchungsdatAN});
    if (const auto &date = conversion.statementDate;
        date
        && !RememberStatementDate(m_app.store(), m_app.currentFile(), date->number, date->year,
                                  date->date))
        platform::ShowError(ui, 101, QStringLiteral("Registry-Fehler"));
    if (conversion.error) {
        platform::ShowError(ui, conversion.error->code, conversion.error->message);
        focusField(conversion.error->focus);
        return false;
    }

    const bool saved = widgets::RunCommand(ui, [&]() -> core::Result<void> {
        std::vector<core::BookingRecord> planned;
        if (m_state == EditState::Recurring) {
            auto caughtUp = CatchUpRecurring(
                conversion.record, RecurringCatchUpDays(m_app.today(), settings.nextCheckDay));
            if (!caughtUp)
                return caughtUp.error();
            planned = std::move(*caughtUp);
        }
        return core::ReplaceAndAddBookings(m_app.table(), m_position, conversion.record, planned,
                                           m_app.currentPath());
    });
    if (!saved)
        return false;
    m_changed = true;
    m_app.announceBookingChange();
    return true;
}

} // namespace penvaro::entry
