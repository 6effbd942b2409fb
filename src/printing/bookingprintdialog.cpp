#include "bookingprintdialog.h"

#include "currencybox.h"
#include "listoptions.h"
#include "okcancelrow.h"
#include "printerbox.h"
#include "printtarget.h"
#include "titlebox.h"

#include "core/bookinglistprintout.h"
#include "core/search.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/datepicker.h"
#include "widgets/dialogflags.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace penvaro::printing {
namespace {

constexpr std::int32_t ErrorReadTitles = 131;
constexpr std::int32_t ErrorNoTable = 132;
constexpr std::int32_t ErrorStoreTitles = 133;

widgets::DatePicker *datePicker(const platform::Clock &clock, QWidget *parent, const char *name,
                                const QString &accessibleName) {
    auto *picker = new widgets::DatePicker(clock, parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setAccessibleName(accessibleName);
    return picker;
}

bool anyInRange(const core::BookingTable &table, core::BookingKind kind, double from, double to) {
    for (const core::BookingRecord &r : table.used()) {
        const double day = core::WholeDay(r.Wertdatum);
        if (r.Satzart == kind && day >= from && day <= to)
            return true;
    }
    return false;
}

} // namespace

BookingPrintDialog::BookingPrintDialog(platform::AppState &state, platform::PrinterChoice &printers,
                                       PrintTarget &target, QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_state(state)
    , m_target(target)
    , m_printerBox(
          new PrinterBox(QStringLiteral("Drucker (wenn nichts angeklickt wird: Standarddrucker)"),
                         printers, state.ui(), this))
    , m_currency(new CurrencyBox(this))
    , m_from(datePicker(state.clock(), this, "DateTimePicker1", QStringLiteral("Erster Tag")))
    , m_to(datePicker(state.clock(), this, "DateTimePicker2", QStringLiteral("Letzter Tag")))
    , m_completed(checkBox("CBG", QStringLiteral("Tab. \"Getätigte Buchungen\" drucken")))
    , m_planned(checkBox("CBZ", QStringLiteral("Tab. \"Geplante Buchungen\" drucken")))
    , m_fileName(checkBox("CBDateiname", QStringLiteral("Dateiname ausdrucken")))
    , m_pageNumbers(checkBox("CBSeitenzahl", QStringLiteral("Seitenzahlen ausdrucken")))
    , m_statementData(checkBox("CBAuszugsdaten", QStringLiteral("Auszugsdaten drucken")))
    , m_sender(checkBox("CBAbsender", QStringLiteral("Absender/Empfänger drucken")))
    , m_purpose(checkBox("CBVerwendungszweck", QStringLiteral("Verwendungszweck drucken")))
    , m_bookingDate(checkBox("CBBuchungsdatum", QStringLiteral("Buchungsdatum drucken")))
    , m_balance(checkBox("CBKontostand", QStringLiteral("jeweiligen Kontostand drucken")))
    , m_titles(new TitleBox(QStringLiteral("Titelleisten"), this)) {
    setObjectName(QStringLiteral("TDruckerDialogF"));
    setWindowTitle(QStringLiteral("Daten Drucken ..."));
    setModal(true);

    auto *range = new QGroupBox(QStringLiteral("Datenauswahl"), this);
    auto *rangeLayout = new QHBoxLayout(range);
    auto *between = new QLabel(QStringLiteral("Alle Daten drucken, die zwischen "), range);
    between->setBuddy(m_from);
    auto *andLabel = new QLabel(QStringLiteral("und"), range);
    andLabel->setBuddy(m_to);
    rangeLayout->addWidget(between);
    rangeLayout->addWidget(m_from);
    rangeLayout->addWidget(andLabel);
    rangeLayout->addWidget(m_to);
    rangeLayout->addWidget(new QLabel(QStringLiteral("liegen."), range));
    rangeLayout->addStretch(1);

    const auto group = [this](const QString &caption, std::initializer_list<QCheckBox *> boxes) {
        auto *box = new QGroupBox(caption, this);
        auto *layout = new QVBoxLayout(box);
        for (QCheckBox *b : boxes) {
            b->setParent(box);
            layout->addWidget(b);
        }
        layout->addStretch(1);
        return box;
    };
    auto *options = group(QStringLiteral("Druckoptionen"), {m_completed, m_planned});
    auto *header = group(QStringLiteral("Kopfzeile"), {m_fileName, m_pageNumbers});
    auto *columns = group(QStringLiteral("Zu druckende Spalten"),
                          {m_statementData, m_sender, m_purpose, m_bookingDate, m_balance});

    connect(m_titles, &TitleBox::titleLeft, this, &BookingPrintDialog::storeTitles);
    for (QCheckBox *b : {m_completed, m_planned, m_fileName, m_pageNumbers, m_statementData,
                         m_sender, m_purpose, m_bookingDate, m_balance})
        connect(b, &QCheckBox::clicked, this, &BookingPrintDialog::updateTitleFields);

    QHBoxLayout *buttons = OkCancelRow(this, [this] { printList(); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_printerBox, 0, 0, 2, 1);
    grid->addWidget(m_currency, 0, 1);
    grid->addWidget(range, 1, 1);
    auto *choices = new QHBoxLayout;
    choices->addWidget(options);
    choices->addWidget(header);
    choices->addWidget(columns);
    grid->addLayout(choices, 2, 0, 1, 2);
    grid->addWidget(m_titles, 3, 0, 1, 2);
    grid->addLayout(buttons, 4, 0, 1, 2);
}

QCheckBox *BookingPrintDialog::checkBox(const char *name, const QString &caption) {
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(true);
    return box;
}

void BookingPrintDialog::run() {
    prepareOpening();
    m_state.ui().runModal(*this);
}

ListChoices BookingPrintDialog::listChoices() const {
    return {{m_statementData->isChecked(), m_sender->isChecked(), m_purpose->isChecked(),
             m_bookingDate->isChecked(), m_balance->isChecked()},
            m_fileName->isChecked(),
            m_pageNumbers->isChecked()};
}

void BookingPrintDialog::prepareOpening() {
    m_printerBox->reset();
    const core::Settings &settings = m_state.settings();
    m_currency->setCurrencyName(QString::fromStdString(settings.nationalCurrency));
    m_planned->setEnabled(settings.showPlannedTable);
    m_titles->enablePlanned(settings.showPlannedTable && m_planned->isChecked());
    m_titles->enableCompleted(m_completed->isChecked());
    if (!settings.keepStatementData)
        m_statementData->setChecked(false);
    if (!settings.keepBookingDate)
        m_bookingDate->setChecked(false);
    if (!settings.printBalanceColumn)
        m_balance->setChecked(false);

    const auto titles = ReadTableTitles(m_state.store(), m_state.currentFile());
    // Titles that cannot be read open as a title never stored does.
    m_titles->setTitles(titles ? *titles
                               : TableTitles{DefaultCompletedTitle(), DefaultPlannedTitle()});
    if (!titles)
        platform::ShowError(m_state.ui(), ErrorReadTitles, QStringLiteral("Registry-Fehler"));

    // Without a completed or planned booking there is no range; today stands in for it, and
    // the list begins at the earliest day, so a start value still prints.
    const auto range = core::BookingValueDateRange(m_state.table());
    const double today = m_state.today();
    m_earliestValueDate = range ? core::WholeDay(range->from) : today;
    m_from->setDayCount(m_earliestValueDate);
    m_to->setDayCount(range ? range->to : today);
}

void BookingPrintDialog::updateTitleFields() {
    m_titles->enableCompleted(m_completed->isChecked());
    m_titles->enablePlanned(m_planned->isEnabled() && m_planned->isChecked());
}

void BookingPrintDialog::storeTitles() {
    if (!StoreTableTitles(m_state.store(), m_state.currentFile(), m_titles->titles()))
        platform::ShowError(m_state.ui(), ErrorStoreTitles, QStringLiteral("Registry Fehler"));
}

void BookingPrintDialog::printList() {
    storeTitles();
    if (!m_completed->isChecked() && !m_planned->isChecked()) {
        platform::ShowError(m_state.ui(), ErrorNoTable,
                            QStringLiteral("Keine Tabelle zum Drucken ausgewählt"));
        return;
    }
    const core::ListPrintOptions options =
        ListOptions(m_state, listChoices(), m_currency->national(), m_titles->titles());
    core::BookingListRange range;
    range.firstDay = m_from->dayCount();
    range.lastDay = m_to->dayCount();
    range.earliestValueDate = m_earliestValueDate;
    const core::BookingTable &table = m_state.table();
    range.printCompleted =
        m_completed->isChecked()
        && anyInRange(table, core::BookingKind::Completed, range.firstDay, range.lastDay);
    range.printPlanned =
        m_planned->isChecked()
        && anyInRange(table, core::BookingKind::Planned, range.firstDay, range.lastDay);

    const PrintRun run = m_target.print([&](core::Canvas &canvas) {
        return core::PrintBookingList(canvas, table, options, range);
    });
    if (run == PrintRun::Printed)
        accept();
}

} // namespace penvaro::printing
