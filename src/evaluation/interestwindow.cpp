#include "interestwindow.h"

#include "amountfield.h"

#include "core/amounttext.h"
#include "core/sortbookingtable.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/datepicker.h"
#include "widgets/dialogflags.h"
#include "widgets/localeseparators.h"
#include "widgets/manual.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace penvaro::evaluation {
namespace {

struct Month {
    const char16_t *name;
    const char *credit;
    const char *debit;
};

constexpr Month Months[12] = {
    {u"Januar", "ZJan", "ZJanS"},  {u"Februar", "ZFeb", "ZFebS"},  {u"März", "ZMar", "ZMarS"},
    {u"April", "ZApr", "ZAprS"},   {u"Mai", "ZMay", "ZMayS"},      {u"Juni", "ZJun", "ZJunS"},
    {u"Juli", "ZJul", "ZJulS"},    {u"August", "ZAug", "ZAugS"},   {u"September", "ZSep", "ZSepS"},
    {u"Oktober", "ZOct", "ZOctS"}, {u"November", "ZNov", "ZNovS"}, {u"Dezember", "ZDec", "ZDecS"},
};

constexpr int FirstYear = 1;
constexpr int LastYear = 9999;

QLabel *Label(QWidget *parent, const QString &text, QWidget *buddy = nullptr) {
    auto *label = new QLabel(text, parent);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

// A field grows with a long amount, so that no amount is ever cut off.
void ShowAmount(QLineEdit *field, std::int64_t amount) {
    const QString text =
        QString::fromStdString(core::FormatEuroText(amount, widgets::LocaleSeparators()));
    field->setText(text);
    field->setMinimumWidth(std::max(field->minimumWidth(), AmountFieldWidth(*field, text)));
}

QToolButton *YearButton(QWidget *parent, const char *name, Qt::ArrowType arrow,
                        const QString &hint) {
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// A rate as the shortest general number of up to 11 significant digits: 2, 2,5.
QString RateText(double rate) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(rate, 'g', 11);
}

} // namespace

InterestWindow::InterestWindow(platform::AppState &state, QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_state(state) {
    setObjectName(QStringLiteral("TZinsenF"));
    setWindowTitle(QStringLiteral("Geld, das es von der Bank gibt ..."));
    setModal(true);
    new QVBoxLayout(this);
    buildPeriod();
    buildMonths();
    buildFooter();
    connect(&m_state, &platform::AppState::bookingsChanged, this, [this] {
        if (!isVisible())
            return;
        takeBookings();
        showMonths();
        showTotal();
    });
}

void InterestWindow::buildPeriod() {
    m_from = new widgets::DatePicker(m_state.clock(), this);
    m_from->setObjectName(QStringLiteral("DTPvon"));
    m_to = new widgets::DatePicker(m_state.clock(), this);
    m_to->setObjectName(QStringLiteral("DTPbis"));
    m_total = AmountField(this, "STZins", QStringLiteral("Gesamtzinsbetrag"));
    connect(m_from, &widgets::DatePicker::dateChanged, this, [this] { periodChanged(m_from); });
    connect(m_to, &widgets::DatePicker::dateChanged, this, [this] { periodChanged(m_to); });

    auto *row = new QHBoxLayout;
    row->addWidget(Label(this, QStringLiteral("Gesamtzinsbetrag von"), m_from));
    row->addWidget(m_from);
    row->addWidget(Label(this, QStringLiteral("bis"), m_to));
    row->addWidget(m_to);
    row->addSpacing(12);
    row->addWidget(m_total, 1);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto *layout = qobject_cast<QVBoxLayout *>(this->layout());
    layout->addLayout(row);
    layout->addWidget(line);
}

void InterestWindow::buildMonths() {
    m_yearLabel = new QLabel(this);
    m_yearLabel->setObjectName(QStringLiteral("LJahr"));
    m_yearLabel->setToolTip(QStringLiteral("aktuelles Zinsjahr"));
    m_yearLabel->setAlignment(Qt::AlignCenter);
    m_yearLabel->setMinimumWidth(
        m_yearLabel->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8);
    // Down first, as they stand from left to right, so that Tab meets them in that order.
    m_yearDown =
        YearButton(this, "SpeedButton2", Qt::DownArrow, QStringLiteral("Jahreszahl verringern"));
    m_yearUp = YearButton(this, "SpeedButton1", Qt::UpArrow, QStringLiteral("Jahreszahl erhöhen"));
    connect(m_yearUp, &QToolButton::clicked, this, [this] { changeYear(1); });
    connect(m_yearDown, &QToolButton::clicked, this, [this] { changeYear(-1); });

    auto *heading = new QHBoxLayout;
    heading->addWidget(Label(this, QStringLiteral("Aufschlüsslung der monatlichen Zinsen")));
    heading->addStretch();
    heading->addWidget(m_yearDown);
    heading->addWidget(m_yearLabel);
    heading->addWidget(m_yearUp);

    // January to June on the left, July to December on the right.
    auto *grid = new QGridLayout;
    grid->setColumnMinimumWidth(3, 16);
    for (int half = 0; half < 2; ++half) {
        grid->addWidget(Label(this, QStringLiteral("Habenzinsen")), 0, 4 * half + 1,
                        Qt::AlignHCenter);
        grid->addWidget(Label(this, QStringLiteral("Sollzinsen")), 0, 4 * half + 2,
                        Qt::AlignHCenter);
    }
    for (int m = 0; m < 12; ++m) {
        const QString name = QString::fromUtf16(Months[m].name);
        m_credit[static_cast<std::size_t>(m)] =
            AmountField(this, Months[m].credit, name + QStringLiteral(" Habenzinsen"));
        m_debit[static_cast<std::size_t>(m)] =
            AmountField(this, Months[m].debit, name + QStringLiteral(" Sollzinsen"));
        const int row = m % 6 + 1;
        const int column = m / 6 * 4;
        grid->addWidget(Label(this, name, m_credit[static_cast<std::size_t>(m)]), row, column);
        grid->addWidget(m_credit[static_cast<std::size_t>(m)], row, column + 1);
        grid->addWidget(m_debit[static_cast<std::size_t>(m)], row, column + 2);
    }
    auto *layout = qobject_cast<QVBoxLayout *>(this->layout());
    layout->addLayout(heading);
    layout->addLayout(grid);
}

void InterestWindow::buildFooter() {
    m_rateLabel = new QLabel(this);
    m_rateLabel->setObjectName(QStringLiteral("Label19"));
    m_rateLabel->setWordWrap(true);
    auto *warning = Label(this, QStringLiteral("Achtung: Diese Zinsberechnungen können nur als "
                                               "Anhaltspunkt gelten, die Berechnungen der Bank "
                                               "können abweichen!"));
    warning->setWordWrap(true);

    auto *close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("SBSchliessen"));
    close->setToolTip(QStringLiteral("Fenster Schließen"));
    auto *help = new QPushButton(QStringLiteral("Hilfe"), this);
    help->setObjectName(QStringLiteral("SpeedButton3"));
    help->setToolTip(QStringLiteral("Hilfe aufrufen"));
    help->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] { widgets::OpenManual(m_state.ui()); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(help);

    auto *layout = qobject_cast<QVBoxLayout *>(this->layout());
    layout->addWidget(m_rateLabel);
    layout->addWidget(warning);
    layout->addLayout(buttons);
}

int InterestWindow::showModal() {
    takeBookings();
    m_rateLabel->setText(
        QStringLiteral("Für den Habenzins wird der im Optionsmenü eingegebene Wert %1 % benutzt, "
                       "für den Sollzins %2 %.")
            .arg(RateText(m_rates.credit), RateText(m_rates.debit)));
    const double today = m_state.today();
    m_to->setDayCount(today);
    m_from->setDayCount(core::FirstBookingDay(m_table).value_or(today));
    m_year = m_state.clock().today().year();
    changeYear(0);
    Q_EMIT openingComputed();
    return m_state.ui().runModal(*this);
}

void InterestWindow::takeBookings() {
    m_table = m_state.table();
    core::SortBookingTable(m_table, core::InterestOrder);
    m_rates = core::InterestRatesFromSettings(m_state.settings());
}

void InterestWindow::changeYear(int step) {
    m_year = std::clamp(m_year + step, FirstYear, LastYear);
    m_yearLabel->setText(QString::number(m_year));
    m_yearLabel->setAccessibleName(QStringLiteral("Zinsjahr %1").arg(m_year));
    m_yearUp->setEnabled(m_year < LastYear);
    m_yearDown->setEnabled(m_year > FirstYear);
    showMonths();
    showTotal();
}

void InterestWindow::periodChanged(widgets::DatePicker *changed) {
    if (m_to->date() < m_from->date()) {
        platform::ShowError(m_state.ui(), ErrorInvalidPeriod,
                            QStringLiteral("Ungültiger Zeitraum!"));
        changed->setFocus();
        return;
    }
    showTotal();
}

void InterestWindow::showMonths() {
    const auto months = core::MonthlyInterest(m_table, m_rates, m_year);
    if (!months) {
        // Figures of another year must not stand under this one.
        for (std::size_t m = 0; m < 12; ++m) {
            m_credit[m]->clear();
            m_debit[m]->clear();
        }
        m_state.ui().showFailure(QString::fromStdString(months.error().message));
        return;
    }
    for (std::size_t m = 0; m < 12; ++m) {
        ShowAmount(m_credit[m], (*months)[m].credit);
        ShowAmount(m_debit[m], (*months)[m].debit);
    }
}

void InterestWindow::showTotal() {
    const auto period =
        core::InterestForPeriod(m_table, m_rates, m_from->dayCount(), m_to->dayCount());
    if (!period) {
        m_total->clear();
        m_state.ui().showFailure(QString::fromStdString(period.error().message));
        return;
    }
    ShowAmount(m_total, period->total);
}

} // namespace penvaro::evaluation
