#include "bookingform.h"

#include "dateedit.h"
#include "signlist.h"
#include "statementdates.h"

#include "core/bookingtexts.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <cstddef>

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

QLabel *LabelFor(QWidget *field, const QString &text, const char *name) {
    auto *label = Named(new QLabel(text, field->parentWidget()), name);
    label->setBuddy(field);
    return label;
}

QComboBox *TextBox(QWidget *parent, const char *name, int characters) {
    auto *box = Named(new QComboBox(parent), name);
    box->setEditable(true);
    // What is typed is a booking's text, never a new item of the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(characters);
    return box;
}

// A record text box takes no more than the record keeps, so what the user sees is what is
// stored, found by the search and offered again by the suggestion list.
QComboBox *RecordTextBox(QWidget *parent, const char *name, std::size_t capacity,
                         int shownCharacters) {
    QComboBox *box = TextBox(parent, name, shownCharacters);
    box->lineEdit()->setMaxLength(static_cast<int>(capacity));
    return box;
}

} // namespace

BookingForm::BookingForm(platform::AppState &app, Purpose purpose, QWidget *parent)
    : QGroupBox(parent)
    , m_state(app)
    , m_errors(purpose == Purpose::Entry ? &EntryErrors : &EditErrors)
    , m_newBookings(purpose == Purpose::Entry) {
    setObjectName(QStringLiteral("GroupBox1"));
    buildFields(purpose);
    layOutFields();
    for (QWidget *field : fields())
        field->installEventFilter(this);
    // Counted where typing happens: a field that rewrites its text would lose a modified flag.
    for (QLineEdit *field : typingFields())
        connect(field, &QLineEdit::textEdited, this, [this] { m_typed = true; });
    if (m_newBookings) {
        // Typing a statement number used before brings its date back at once.
        connect(m_number, &QLineEdit::textEdited, this, [this] {
            if (m_formState != FormState::Recurring)
                lookUpStatementDate();
        });
    }
}

void BookingForm::buildFields(Purpose purpose) {
    const bool entry = purpose == Purpose::Entry;
    m_number = Named(new QLineEdit(this), "EAuszugsnr");
    m_year = TextBox(this, "EAuszugsjahr", NarrowYearBox);
    m_statementDate = Named(new DateEdit(m_state.clock(), this), "EAuszugsdatum");
    m_valueDate = Named(new DateEdit(m_state.clock(), this), "EWertdatum");
    m_bookingType = RecordTextBox(this, "EBuchungsart", core::CategoryLength, 10);
    // Only while the suggestion lists cannot be read; they replace these items otherwise.
    m_bookingType->addItems({QStringLiteral("BAR"), QStringLiteral("EC"), QStringLiteral("LAS"),
                             QStringLiteral("Sonstiges"), QStringLiteral("ÜB"),
                             QStringLiteral("Zinsen")});
    m_party = RecordTextBox(this, "EAbsender", core::PartyLength, 30);
    m_purpose = RecordTextBox(this, "EVerwendungszweck", core::PurposeLength, 40);
    m_bookingDate = Named(new DateEdit(m_state.clock(), this), "EBuchungsdatum");
    m_direction = new SignList(this);
    m_amount = Named(new QLineEdit(this), "EBetrag");

    m_numberLabel = LabelFor(m_number, QStringLiteral("Kontoauszugsnr."), "LAuszugsnr");
    m_yearLabel = LabelFor(m_year, QStringLiteral("aus"), entry ? "LAus" : "Laus");
    m_statementDateLabel =
        LabelFor(m_statementDate, QStringLiteral("Kontoauszugsdatum"), "LAuszugsdatum");
    m_valueDateLabel = LabelFor(m_valueDate, QStringLiteral("Wertdatum"), "LWertdatum");
    m_bookingDateLabel = LabelFor(m_bookingDate, QStringLiteral("Buchungsdatum"),
                                  entry ? "Label7" : "LBuchungsdatum");
}

void BookingForm::layOutFields() {
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_numberLabel, 0, 0);
    grid->addWidget(m_number, 0, 1);
    grid->addWidget(m_yearLabel, 0, 2);
    grid->addWidget(m_year, 0, 3);
    grid->addWidget(m_statementDateLabel, 0, 4);
    grid->addWidget(m_statementDate, 0, 5);
    grid->addWidget(m_valueDateLabel, 1, 0);
    grid->addWidget(m_valueDate, 1, 1);
    grid->addWidget(m_bookingDateLabel, 1, 4);
    grid->addWidget(m_bookingDate, 1, 5);
    grid->addWidget(LabelFor(m_bookingType, QStringLiteral("Art/Kategorie"), "LBuchungsart"), 2, 0);
    grid->addWidget(m_bookingType, 2, 1, 1, 3);
    grid->addWidget(LabelFor(m_party, QStringLiteral("Empfänger/Absender"), "LAbsender"), 3, 0);
    grid->addWidget(m_party, 3, 1, 1, 5);
    grid->addWidget(LabelFor(m_purpose, QStringLiteral("Verwendungszweck"), "LVerwendungszweck"), 4,
                    0);
    grid->addWidget(m_purpose, 4, 1, 1, 5);
    grid->addWidget(LabelFor(m_direction, QString::fromUtf16(SignListCaption), "LSollHaben"), 5, 0);
    grid->addWidget(m_direction, 5, 1, Qt::AlignLeft);
    grid->addWidget(LabelFor(m_amount, QStringLiteral("Betrag"), "LBetrag"), 5, 2);
    auto *amount = new QHBoxLayout;
    amount->addWidget(m_amount);
    amount->addWidget(Named(new QLabel(QStringLiteral("€"), this), "LEuro"));
    grid->addLayout(amount, 5, 3, 1, 2);

    const QList<QWidget *> order = fields();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QList<QWidget *> BookingForm::fields() const {
    return {m_number, m_year,    m_statementDate, m_valueDate, m_bookingType,
            m_party,  m_purpose, m_bookingDate,   m_direction, m_amount};
}

QList<QLineEdit *> BookingForm::typingFields() const {
    return {m_number,
            m_year->lineEdit(),
            m_statementDate,
            m_valueDate,
            m_bookingType->lineEdit(),
            m_party->lineEdit(),
            m_purpose->lineEdit(),
            m_bookingDate,
            m_amount};
}

bool BookingForm::hasTypedValues() const {
    return m_typed;
}

void BookingForm::markSaved() {
    m_typed = false;
}

void BookingForm::setState(FormState state) {
    m_formState = state;
}

void BookingForm::setEnterTarget(QWidget *button) {
    m_enterTarget = button;
}

void BookingForm::setRecurringLayout(bool recurring) {
    m_statementDate->setVisible(!recurring);
    m_statementDateLabel->setVisible(!recurring);
    m_numberLabel->setText(recurring ? QStringLiteral("Ausführungstag im Monat")
                                     : QStringLiteral("Kontoauszugsnr."));
    m_yearLabel->setText(recurring ? QStringLiteral("Ausführung ...") : QStringLiteral("aus"));
    m_valueDateLabel->setText(recurring ? QStringLiteral("Erste Ausführung")
                                        : QStringLiteral("Wertdatum"));
    m_year->setMinimumContentsLength(recurring ? WideYearBox : NarrowYearBox);
}

ConversionMode BookingForm::conversionMode() const {
    const core::Settings &settings = m_state.settings();
    return {m_formState, m_errors, settings.keepStatementData, settings.keepBookingDate,
            m_newBookings};
}

BookingTexts BookingForm::texts() const {
    return {m_number->text(),         m_year->currentText(),        m_statementDate->typedText(),
            m_valueDate->typedText(), m_bookingType->currentText(), m_party->currentText(),
            m_purpose->currentText(), m_bookingDate->typedText(),   m_amount->text(),
            m_direction->plus()};
}

QWidget *BookingForm::fieldOf(BookingField field) const {
    switch (field) {
    case BookingField::None:
        break;
    case BookingField::Number:
        return m_number;
    case BookingField::StatementDate:
        return m_statementDate;
    case BookingField::ValueDate:
        return m_valueDate;
    case BookingField::BookingDate:
        return m_bookingDate;
    case BookingField::Amount:
        return m_amount;
    }
    return nullptr;
}

bool BookingForm::settle(const BookingConversion &conversion) {
    if (const auto &date = conversion.statementDate;
        date
        && !RememberStatementDate(m_state.store(), m_state.currentFile(), date->number, date->year,
                                  date->date)) {
        // The booking goes on without the memory; the user is told once.
        platform::ShowRegistryError(m_state.ui(), m_state.store(), m_errors->rememberStatementDate,
                                    QString::fromUtf16(m_errors->registryMessage));
    }
    if (!conversion.error)
        return true;
    fail(conversion.error->code, conversion.error->message, fieldOf(conversion.error->focus));
    return false;
}

void BookingForm::fail(std::int32_t code, const QString &message, QWidget *field) {
    platform::ShowError(m_state.ui(), code, message);
    // The message window has been closed, by key or click; the focus goes to the field, where
    // the key's release finds nothing to do (Enter acts on its press).
    if (field)
        field->setFocus(Qt::OtherFocusReason);
    // A refused amount is retyped, not mended character by character.
    if (field == m_amount)
        m_amount->selectAll();
}

} // namespace penvaro::entry
