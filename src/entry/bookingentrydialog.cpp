#include "bookingentrydialog.h"

#include "dateedit.h"
#include "intervals.h"
#include "suggestions.h"

#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/manual.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace penvaro::entry {

namespace {

// The statement year needs four digits, an interval text about fourteen characters.
constexpr int NarrowYearBox = 5;
constexpr int WideYearBox = 15;

template<typename Widget>
Widget *Named(Widget *widget, const char *name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *LabelFor(QWidget *field, const QString &text, const char *name = nullptr) {
    auto *label = new QLabel(text, field->parentWidget());
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(field);
    return label;
}

QComboBox *TextBox(QWidget *parent, const char *name) {
    auto *box = Named(new QComboBox(parent), name);
    box->setEditable(true);
    // What is typed is a booking's text, never a new item of the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QPushButton *Button(QWidget *parent, const QString &caption, const char *name) {
    auto *button = Named(new QPushButton(caption, parent), name);
    // Enter moves between the fields; it presses a button only when that has the focus.
    button->setAutoDefault(false);
    return button;
}

} // namespace

BookingEntryDialog::BookingEntryDialog(platform::AppState &state, QWidget *parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("TdatenEingebenF"));
    setWindowTitle(QStringLiteral("Daten eingeben ..."));
    setModal(true);
    buildControls();
    layOutControls();

    for (QWidget *field : std::initializer_list<QWidget *>{
             m_number, m_year, m_statementDate, m_valueDate, m_bookingType, m_party, m_purpose,
             m_bookingDate, m_direction, m_amount}) {
        field->installEventFilter(this);
    }
    connect(m_number, &QLineEdit::textChanged, this, [this] {
        if (m_kind != core::BookingKind::Recurring)
            lookUpStatementDate();
    });
    connect(m_addKeepOpen, &QPushButton::clicked, this, [this] { add(false); });
    connect(m_addClose, &QPushButton::clicked, this, [this] { add(true); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { widgets::OpenManual(m_state.ui()); });
}

void BookingEntryDialog::buildControls() {
    m_group = new QGroupBox(this);
    m_number = Named(new QLineEdit(m_group), "EAuszugsnr");
    m_year = Named(new QComboBox(m_group), "EAuszugsjahr");
    m_year->setEditable(true);
    m_year->setInsertPolicy(QComboBox::NoInsert);
    m_year->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_statementDate = Named(new DateEdit(m_group), "EAuszugsdatum");
    m_valueDate = Named(new DateEdit(m_group), "EWertdatum");
    m_bookingType = TextBox(m_group, "EBuchungsart");
    m_bookingType->addItems({QStringLiteral("BAR"), QStringLiteral("EC"), QStringLiteral("LAS"),
                             QStringLiteral("Sonstiges"), QStringLiteral("ÜB"),
                             QStringLiteral("Zinsen")});
    m_bookingType->setMinimumContentsLength(10);
    m_party = TextBox(m_group, "EAbsender");
    m_party->setMinimumContentsLength(30);
    m_purpose = TextBox(m_group, "EVerwendungszweck");
    m_purpose->setMinimumContentsLength(40);
    m_bookingDate = Named(new DateEdit(m_group), "EBuchungsdatum");
    m_direction = Named(new QListWidget(m_group), "ESollHaben");
    m_direction->addItems({QStringLiteral("+"), QStringLiteral("-")});
    m_direction->setSelectionMode(QAbstractItemView::SingleSelection);
    m_direction->setFixedSize(40,
                              m_direction->sizeHintForRow(0) * 2 + 2 * m_direction->frameWidth());
    m_amount = Named(new QLineEdit(m_group), "EBetrag");

    m_numberLabel = LabelFor(m_number, QString(), "LAuszugsnr");
    m_yearLabel = LabelFor(m_year, QString(), "LAus");
    m_statementDateLabel =
        LabelFor(m_statementDate, QStringLiteral("Kontoauszugsdatum"), "LAuszugsdatum");
    m_valueDateLabel = LabelFor(m_valueDate, QString(), "LWertdatum");
    m_bookingDateLabel = LabelFor(m_bookingDate, QStringLiteral("Buchungsdatum"), "Label7");

    m_addKeepOpen = Button(this, QStringLiteral("Nur Hinzufügen"), "BDatenHinzufuegenNotClose");
    m_addClose = Button(this, QStringLiteral("Hinzufügen -> Schließen"), "BDatenHinzufuegenClose");
    m_close = Button(this, QStringLiteral("Schließen"), "Button1");
    // Closing is no reason to check the field being left.
    m_close->setFocusPolicy(Qt::TabFocus);
    m_help = Button(this, QStringLiteral("HILFE"), "SpeedButton1");
    m_help->setFocusPolicy(Qt::TabFocus);
}

void BookingEntryDialog::layOutControls() {
    auto *fields = new QGridLayout(m_group);
    fields->addWidget(m_numberLabel, 0, 0);
    fields->addWidget(m_number, 0, 1);
    fields->addWidget(m_yearLabel, 0, 2);
    fields->addWidget(m_year, 0, 3);
    fields->addWidget(m_statementDateLabel, 0, 4);
    fields->addWidget(m_statementDate, 0, 5);
    fields->addWidget(m_valueDateLabel, 1, 0);
    fields->addWidget(m_valueDate, 1, 1);
    fields->addWidget(m_bookingDateLabel, 1, 4);
    fields->addWidget(m_bookingDate, 1, 5);
    fields->addWidget(LabelFor(m_bookingType, QStringLiteral("Art/Kategorie"), "LBuchungsart"), 2,
                      0);
    fields->addWidget(m_bookingType, 2, 1, 1, 3);
    fields->addWidget(LabelFor(m_party, QStringLiteral("Empfänger/Absender"), "LAbsender"), 3, 0);
    fields->addWidget(m_party, 3, 1, 1, 5);
    fields->addWidget(LabelFor(m_purpose, QStringLiteral("Verwendungszweck"), "LVerwendungszweck"),
                      4, 0);
    fields->addWidget(m_purpose, 4, 1, 1, 5);
    fields->addWidget(LabelFor(m_direction, QStringLiteral("Soll/Haben (-/+)"), "LSollHaben"), 5,
                      0);
    fields->addWidget(m_direction, 5, 1);
    fields->addWidget(LabelFor(m_amount, QStringLiteral("Betrag"), "LBetrag"), 5, 2);
    auto *amount = new QHBoxLayout;
    amount->addWidget(m_amount);
    amount->addWidget(Named(new QLabel(QStringLiteral("€"), m_group), "LEuro"));
    fields->addLayout(amount, 5, 3, 1, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_addKeepOpen);
    buttons->addWidget(m_addClose);
    buttons->addStretch();
    buttons->addWidget(m_close);
    buttons->addWidget(m_help);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget *const order[] = {m_number,      m_year,   m_statementDate, m_valueDate,
                              m_bookingType, m_party,  m_purpose,       m_bookingDate,
                              m_direction,   m_amount, m_addKeepOpen,   m_addClose,
                              m_close,       m_help};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

int BookingEntryDialog::showForKind(core::BookingKind kind) {
    m_kind = kind;
    prepareShowing();
    return m_state.ui().runModal(*this);
}

void BookingEntryDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (const QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

bool BookingEntryDialog::statementData() const {
    return m_state.settings().AuszugsdatAN;
}

bool BookingEntryDialog::bookingDates() const {
    return m_state.settings().BuchungsdatAN;
}

double BookingEntryDialog::today() const {
    return m_state.today();
}

void BookingEntryDialog::setStatementControlsEnabled(bool enabled) {
    for (QWidget *control : std::initializer_list<QWidget *>{
             m_number, m_numberLabel, m_year, m_yearLabel, m_statementDate, m_statementDateLabel}) {
        control->setEnabled(enabled);
    }
}

void BookingEntryDialog::prepareShowing() {
    const bool statement = m_kind != core::BookingKind::Planned && statementData();
    setStatementControlsEnabled(statement);
    m_number->clear();
    m_year->clear();
    if (statement) {
        m_statementDate->setDayCount(today());
    } else {
        m_statementDate->clear();
    }
    if (m_kind == core::BookingKind::Recurring) {
        m_year->addItems(IntervalTexts());
    } else if (statement) {
        const int year = m_state.clock().today().year();
        m_year->addItems(
            {QString::number(year), QString::number(year - 1), QString::number(year + 1)});
    }
    m_year->setCurrentIndex(m_year->count() > 0 ? 0 : -1);
    resetForm();
}

void BookingEntryDialog::resetForm() {
    const bool recurring = m_kind == core::BookingKind::Recurring;
    if (recurring)
        m_number->clear();
    m_valueDate->setDayCount(today());
    LoadSuggestions(m_state.store(), {m_purpose, m_bookingType, m_party});

    const bool bookingDate = m_kind == core::BookingKind::Completed && bookingDates();
    m_bookingDate->clear();
    m_bookingDate->setEnabled(bookingDate);
    m_bookingDateLabel->setEnabled(bookingDate);

    m_amount->clear();
    m_bookingType->clearEditText();
    m_direction->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);

    if (!recurring) {
        m_statementDate->show();
        m_statementDateLabel->show();
        m_numberLabel->setText(QStringLiteral("Kontoauszugsnr."));
        m_yearLabel->setText(QStringLiteral("aus"));
        m_valueDateLabel->setText(QStringLiteral("Wertdatum"));
        m_year->setMinimumContentsLength(NarrowYearBox);
        const bool statement = m_kind == core::BookingKind::Completed && statementData();
        (statement ? static_cast<QWidget *>(m_number) : m_valueDate)->setFocus();
        return;
    }
    setStatementControlsEnabled(true);
    m_statementDate->clear();
    m_statementDate->hide();
    m_statementDateLabel->hide();
    m_numberLabel->setText(QStringLiteral("Ausführungstag im Monat"));
    m_yearLabel->setText(QStringLiteral("Ausführung ..."));
    m_valueDateLabel->setText(QStringLiteral("Erste Ausführung"));
    m_year->setMinimumContentsLength(WideYearBox);
    m_number->setFocus();
}

} // namespace penvaro::entry
