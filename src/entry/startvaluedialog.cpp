#include "startvaluedialog.h"

#include "signlist.h"
#include "widgets/dialogflags.h"

#include "core/bookingchanges.h"
#include "core/typedamount.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/commandguard.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace penvaro::entry {

namespace {

constexpr double StartValueDate = 21916.0; // 01.01.1960

core::BookingRecord StartValueRecord(char16_t direction, std::int64_t amount) {
    core::BookingRecord record;
    record.Satzart = core::BookingKind::StartValue;
    record.Auszugsjahr = 1960;
    record.Auszugsnr = 1;
    record.Auszugsdatum = StartValueDate;
    record.Wertdatum = StartValueDate;
    record.Buchungsdatum = StartValueDate;
    record.SollHaben = direction;
    record.Betrag = amount;
    return record;
}

bool HasStartValue(const core::BookingTable &table) {
    return std::ranges::any_of(table.used(), [](const core::BookingRecord &record) {
        return record.Satzart == core::BookingKind::StartValue;
    });
}

} // namespace

StartValueDialog::StartValueDialog(platform::AppState &state, QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_state(state) {
    setObjectName(QStringLiteral("TStartWertEingebenF"));
    setWindowTitle(QStringLiteral("Startguthaben eingeben ..."));
    setModal(true);

    auto *title = new QLabel(QStringLiteral("Startguthaben"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    title->setFont(large);

    m_direction = new SignList(this);
    auto *directionLabel = new QLabel(QString::fromUtf16(SignListCaption), this);
    directionLabel->setObjectName(QStringLiteral("LSollHaben"));
    directionLabel->setBuddy(m_direction);

    m_amount = new QLineEdit(this);
    m_amount->setObjectName(QStringLiteral("EBetrag"));
    auto *amountLabel = new QLabel(QStringLiteral("Betrag"), this);
    amountLabel->setObjectName(QStringLiteral("LBetrag"));
    amountLabel->setBuddy(m_amount);
    auto *euro = new QLabel(QStringLiteral("€"), this);

    auto *store = new QPushButton(QStringLiteral("Startwert speichern"), this);
    store->setObjectName(QStringLiteral("BEingeben"));
    store->setDefault(true);
    connect(store, &QPushButton::clicked, this, &StartValueDialog::storeStartValue);
    auto *close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("BAbbrechen"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QGridLayout(this);
    layout->addWidget(title, 0, 0, 1, 3);
    layout->addWidget(directionLabel, 1, 0);
    layout->addWidget(m_direction, 2, 0, Qt::AlignLeft);
    layout->addWidget(amountLabel, 1, 1);
    layout->addWidget(m_amount, 2, 1);
    layout->addWidget(euro, 2, 2);
    layout->addWidget(store, 3, 0, 1, 2);
    layout->addWidget(close, 3, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_direction, m_amount);
    setTabOrder(m_amount, store);
    setTabOrder(store, close);
}

int StartValueDialog::showModal() {
    // A start value is normally a credit: "+" is chosen and the amount is typed at once.
    m_amount->clear();
    m_direction->setPlus(true);
    m_amount->setFocus();
    return m_state.ui().runModal(*this);
}

void StartValueDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (const QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

int StartValueDialog::showFromCommand() {
    if (HasStartValue(m_state.table())) {
        m_state.ui().information(QStringLiteral("Der Startwert ist schon eingegeben!"));
        return QDialog::Rejected;
    }
    return showModal();
}

void StartValueDialog::storeStartValue() {
    // The direction is chosen in the sign list; a typed "-" is refused rather than stored.
    const auto amount = core::ReadTypedAmount(m_amount->text().toStdString());
    if (!amount) {
        platform::ShowError(m_state.ui(), ErrorStartValueAmount,
                            QString::fromStdString(amount.error().message));
        m_amount->setFocus();
        m_amount->selectAll();
        return;
    }
    const core::BookingRecord record = StartValueRecord(m_direction->plus() ? u'+' : u'-', *amount);
    // A full table or a failed write leaves table and file as they were; the dialog stays
    // open with the amount as typed.
    if (!widgets::RunBookingChange(m_state, [&] {
            return core::AddBooking(m_state.table(), record, m_state.currentPath());
        }))
        return;
    m_state.announceBookingChange();
    accept();
}

} // namespace penvaro::entry
