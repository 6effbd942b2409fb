#include "searchwindow.h"

#include "amountfield.h"
#include "searchresultsmodel.h"

#include "core/evaluationrows.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/commandbutton.h"
#include "widgets/datepicker.h"
#include "widgets/dialogflags.h"
#include "widgets/localeseparators.h"
#include "widgets/manual.h"
#include "widgets/rowtable.h"
#include "widgets/widesttext.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace penvaro::evaluation {
namespace {

const QString startCaption = QStringLiteral("START");

template<typename Button>
Button *Named(Button *button, const char *name, const QString &hint = {}) {
    button->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty())
        button->setToolTip(hint);
    return button;
}

// A label that keeps its room while hidden, so that the sentence does not jump.
QLabel *SentencePart(QWidget *parent, const QString &text) {
    auto *label = new QLabel(text, parent);
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    return label;
}

// A sum a screen reader reads with its caption.
QLineEdit *SumField(QWidget *parent, const char *name, QLabel *caption) {
    auto *field = AmountField(parent, name, caption->text().chopped(1));
    field->setFocusPolicy(Qt::ClickFocus);
    field->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    caption->setBuddy(field);
    return field;
}

// As wide as the sum shown where the window has room, down to a four-figure euro sum where it
// has not; the whole text is the field's value either way.
void ShowSum(QLineEdit *field, const QString &text) {
    field->setText(text);
    field->setCursorPosition(0);
    field->setMaximumWidth(std::max(field->minimumWidth(), AmountFieldWidth(*field, text)));
}

} // namespace

SearchWindow::SearchWindow(platform::AppState &state, QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags | Qt::WindowMaximizeButtonHint)
    , m_state(state) {
    setObjectName(QStringLiteral("TAuswertF"));
    setWindowTitle(QStringLiteral("Auswertungen der Buchungen ..."));
    setModal(true);
    new QVBoxLayout(this);
    buildCriteria();
    buildTable();
    buildSums();
    connect(&m_state, &platform::AppState::bookingsChanged, this, [this] {
        if (isVisible() && m_searched)
            showResults();
    });
}

void SearchWindow::buildCriteria() {
    auto *heading = new QLabel(QStringLiteral("Auswertungen und Suchen"), this);
    QFont large = heading->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    heading->setFont(large);

    m_word = Named(new QLineEdit(this), "Suchstring", QStringLiteral("Suchbegriff eingeben"));
    m_byWord = Named(new QRadioButton(this), "RBSuchstring");
    m_byWord->setAccessibleName(QStringLiteral("Nach dem Suchbegriff"));
    m_byRange =
        Named(new QRadioButton(QStringLiteral("im Datenbereich liegen"), this), "RBDatenbereich");
    m_containing = Named(new QRadioButton(QStringLiteral("u. a. dieses Wort"), this), "RBmit");
    m_exact = Named(new QRadioButton(QStringLiteral("exklusiv dieses Wort"), this), "RBexakt");
    for (auto [first, second] :
         {std::pair{m_byWord, m_byRange}, std::pair{m_containing, m_exact}}) {
        auto *group = new QButtonGroup(this);
        group->addButton(first);
        group->addButton(second);
    }
    connect(m_byWord, &QRadioButton::clicked, this, &SearchWindow::criterionChanged);
    connect(m_byRange, &QRadioButton::clicked, this, &SearchWindow::criterionChanged);
    m_type = Named(new QCheckBox(QStringLiteral("Buchungsart"), this), "CBBuchungsart");
    m_party = Named(new QCheckBox(QStringLiteral("Absender/Empfänger"), this), "CBAbsender");
    m_purpose = Named(new QCheckBox(QStringLiteral("Verwendungszweck"), this), "CBVerwendung");
    m_from = Named(new widgets::DatePicker(m_state.clock(), this), "Datevon");
    m_to = Named(new widgets::DatePicker(m_state.clock(), this), "Datebis");

    auto *intro = new QLabel(QStringLiteral("Alle Buchungen anzeigen, die"), this);
    intro->setBuddy(m_word);
    m_sentenceAs = SentencePart(this, QStringLiteral("als"));
    m_sentenceAs->setBuddy(m_containing);
    m_sentenceEnd = SentencePart(this, QStringLiteral("haben."));
    auto *von = new QLabel(QStringLiteral("von"), this);
    von->setBuddy(m_from);
    auto *bis = new QLabel(QStringLiteral("bis"), this);
    bis->setBuddy(m_to);

    // The controls read as one sentence: "Alle Buchungen anzeigen, die (•) SUCHTEXT als
    // (•) u. a. dieses Wort [x] Verwendungszweck haben."
    auto *sentence = new QGridLayout;
    sentence->addWidget(intro, 0, 0, 1, 6);
    sentence->addWidget(m_byWord, 1, 0);
    sentence->addWidget(m_word, 1, 1);
    sentence->addWidget(m_sentenceAs, 1, 2);
    sentence->addWidget(m_containing, 1, 3);
    sentence->addWidget(m_exact, 2, 3);
    sentence->addWidget(m_type, 1, 4);
    sentence->addWidget(m_party, 2, 4);
    sentence->addWidget(m_purpose, 3, 4);
    sentence->addWidget(m_sentenceEnd, 3, 5, Qt::AlignBottom);
    sentence->addWidget(m_byRange, 4, 0, 1, 4);
    auto *range = new QHBoxLayout;
    range->addWidget(von);
    range->addWidget(m_from);
    range->addWidget(bis);
    range->addWidget(m_to);
    range->addStretch();
    sentence->addLayout(range, 5, 0, 1, 6);
    sentence->setColumnStretch(1, 1);

    m_start = widgets::DialogButton(this, "BSTART", startCaption,
                                    QStringLiteral("Auswertung auf dem Bildschirm starten"));
    m_start->setDefault(true);
    auto *print = widgets::DialogButton(this, "BDrucken", QStringLiteral("Drucken"),
                                        QStringLiteral("Auswertung auf dem Drucker starten"));
    auto *close = widgets::DialogButton(this, "BSchliessen", QStringLiteral("Schließen"),
                                        QStringLiteral("Fenster Schließen"));
    auto *help = widgets::DialogButton(this, "BHilfe", QStringLiteral("Hilfe"),
                                       QStringLiteral("Hilfe aufrufen"));
    for (QPushButton *button : {print, close, help})
        button->setAutoDefault(false);
    connect(m_start, &QPushButton::clicked, this, &SearchWindow::startSearch);
    // Enter in the word field searches, whichever button the dialog took as its default.
    connect(m_word, &QLineEdit::returnPressed, m_start, &QPushButton::click);
    // The printout evaluates the criteria as they stand, not the table on screen.
    connect(print, &QPushButton::clicked, this, [this] { Q_EMIT printRequested(criteria()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] { widgets::OpenManual(m_state.ui()); });
    auto *commands = new QVBoxLayout;
    for (QPushButton *button : {m_start, print, close, help})
        commands->addWidget(button);
    commands->addStretch();

    auto *criteria = new QHBoxLayout;
    criteria->addLayout(sentence, 1);
    criteria->addSpacing(16);
    criteria->addLayout(commands);
    auto *layout = qobject_cast<QVBoxLayout *>(this->layout());
    layout->addWidget(heading);
    layout->addLayout(criteria);

    // Tab follows the sentence as it reads.
    QWidget *order[] = {m_byWord,  m_word, m_containing, m_exact, m_type, m_party, m_purpose,
                        m_byRange, m_from, m_to,         m_start, print,  close,   help};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void SearchWindow::buildTable() {
    m_results = new SearchResultsModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("Stringgrid1"));
    m_table->setAccessibleName(QStringLiteral("Gefundene Buchungen"));
    m_table->setModel(m_results);
    widgets::SetUpRowTable(*m_table);
    qobject_cast<QVBoxLayout *>(layout())->addWidget(m_table, 1);
}

void SearchWindow::buildSums() {
    // The sums stay in sight below the table, however many bookings it scrolls through.
    m_outcome = new QLabel(this);
    m_outcome->setObjectName(QStringLiteral("LErgebnis"));
    m_outcome->setMinimumWidth(
        m_outcome->fontMetrics().horizontalAdvance(QStringLiteral("Keine Buchung gefunden.")));
    auto *booked = new QLabel(QStringLiteral("Gebucht:"), this);
    auto *planned = new QLabel(QStringLiteral("Geplant (kursiv):"), this);
    auto *total = new QLabel(QStringLiteral("Zusammen:"), this);
    m_bookedSum = SumField(this, "ESummeGebucht", booked);
    m_plannedSum = SumField(this, "ESummeGeplant", planned);
    m_sum = SumField(this, "ESumme", total);
    auto *sums = new QHBoxLayout;
    sums->addWidget(m_outcome, 1);
    for (auto [caption, field] : {std::pair{booked, m_bookedSum}, std::pair{planned, m_plannedSum},
                                  std::pair{total, m_sum}}) {
        sums->addSpacing(8);
        sums->addWidget(caption);
        sums->addWidget(field);
    }
    qobject_cast<QVBoxLayout *>(layout())->addLayout(sums);
}

int SearchWindow::showModal() {
    reset();
    return m_state.ui().runModal(*this);
}

void SearchWindow::reset() {
    takeLedgerColumns();
    m_searched = false;
    const double today = m_state.today();
    // An account without bookings searches today, the one day a new booking would likely have.
    const auto range =
        core::BookingValueDateRange(m_state.table()).value_or(core::ValueDateRange{today, today});
    m_from->setDayCount(range.from);
    m_to->setDayCount(range.to);
    m_word->setText(QStringLiteral("SUCHTEXT"));
    for (QCheckBox *field : {m_type, m_party, m_purpose})
        field->setChecked(false);
    m_byWord->setChecked(true);
    m_containing->setChecked(true);
    criterionChanged();
    clearSums();
    m_start->setText(startCaption);
    m_word->selectAll();
    m_word->setFocus();
}

void SearchWindow::takeLedgerColumns() {
    const core::Settings &settings = m_state.settings();
    m_table->setFont(QFont(QString::fromStdString(settings.tableFontName), settings.tableFontSize));
    widgets::SetRowHeight(*m_table, settings.completedRowHeight);
    m_results->setColumns(settings);
    const int width = fitColumns();

    // The window as wide as the ledger's table, within the screen.
    const QMargins margins = this->layout()->contentsMargins();
    int wanted = width + 2 * m_table->frameWidth()
                 + m_table->verticalScrollBar()->sizeHint().width() + margins.left()
                 + margins.right();
    if (const QScreen *shown = screen())
        wanted = std::min(wanted, shown->availableGeometry().width());
    int tall = std::max(height(), sizeHint().height() + 200);
    if (const QScreen *shown = screen())
        tall = std::min(tall, shown->availableGeometry().height());
    resize(std::max(wanted, sizeHint().width()), tall);
}

int SearchWindow::fitColumns() {
    const core::Settings &settings = m_state.settings();
    const QFontMetrics metrics(m_table->font());
    const auto &columns = m_results->columns();
    int total = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int col = static_cast<int>(i);
        int width = std::max(widgets::PreferredWidth(columns[i], settings),
                             m_table->horizontalHeader()->sectionSizeHint(col));
        if (widgets::FitOf(columns[i].column) == widgets::ColumnFit::WholeText) {
            const int widest = widgets::WidestText(
                metrics, m_results->foundCount(),
                [&](int row) -> const QString & { return m_results->cell(row, col); });
            width = std::max(width, widest + widgets::CellPadding);
        }
        m_table->setColumnWidth(col, width);
        total += width;
    }
    return total;
}

void SearchWindow::criterionChanged() {
    const bool byWord = !m_byRange->isChecked();
    for (QWidget *control : std::initializer_list<QWidget *>{m_word, m_containing, m_exact, m_type,
                                                             m_party, m_purpose})
        control->setEnabled(byWord);
    m_sentenceAs->setVisible(byWord);
    m_sentenceEnd->setVisible(byWord);
}

core::SearchCriteria SearchWindow::criteria() const {
    core::SearchCriteria criteria;
    if (m_byRange->isChecked())
        criteria.mode = core::SearchMode::DateRange;
    else
        criteria.mode =
            m_exact->isChecked() ? core::SearchMode::Exact : core::SearchMode::Containing;
    criteria.word = m_word->text().toStdString();
    criteria.fields = {m_type->isChecked(), m_party->isChecked(), m_purpose->isChecked()};
    criteria.from = m_from->dayCount();
    criteria.to = m_to->dayCount();
    return criteria;
}

void SearchWindow::startSearch() {
    const bool noField = !m_type->isChecked() && !m_party->isChecked() && !m_purpose->isChecked();
    if (!m_byRange->isChecked() && noField) {
        // An empty table would read as "nothing matches", although nothing was searched.
        m_results->clear();
        clearSums();
        m_searched = false;
        m_state.ui().information(
            QStringLiteral("Bitte mindestens ein Feld ankreuzen, in dem der Suchbegriff gesucht "
                           "werden soll: Buchungsart, Absender/Empfänger oder Verwendungszweck."));
        m_type->setFocus();
        return;
    }
    m_start->setText(QStringLiteral("Moment"));
    m_start->repaint();
    showResults();
    m_searched = true;
    m_start->setText(startCaption);
}

void SearchWindow::showResults() {
    m_results->clear();
    const core::BookingTable &table = m_state.table();
    const auto result = core::SearchBookings(table, criteria());
    if (!result) {
        clearSums();
        m_state.ui().showFailure(QString::fromStdString(result.error().message));
        return;
    }
    const auto layout =
        core::EvaluationLayoutFromSettings(m_state.settings(), widgets::LocaleSeparators());
    m_results->setResult(table, *result, layout);
    fitColumns();
    showSums(*result, layout);
}

void SearchWindow::clearSums() {
    m_outcome->clear();
    for (QLineEdit *field : {m_bookedSum, m_plannedSum, m_sum})
        ShowSum(field, QString());
}

void SearchWindow::showSums(const core::SearchResult &result,
                            const core::EvaluationLayout &layout) {
    const std::size_t found = result.matches.size();
    if (found == 0)
        m_outcome->setText(QStringLiteral("Keine Buchung gefunden."));
    else if (found == 1)
        m_outcome->setText(QStringLiteral("1 Buchung gefunden."));
    else
        // Grouped as the amounts are: "50.000 Buchungen gefunden."
        m_outcome->setText(QStringLiteral("%1 Buchungen gefunden.")
                               .arg(QLocale().toString(static_cast<qulonglong>(found))));
    const std::pair<QLineEdit *, std::int64_t> sums[] = {
        {m_bookedSum, result.bookedSum()},
        {m_plannedSum, result.plannedSum},
        {m_sum, result.sum},
    };
    for (auto [field, sum] : sums)
        ShowSum(field, found > 0 ? QString::fromStdString(core::EvaluationAmountText(sum, layout))
                                 : QString());
}

} // namespace penvaro::evaluation
