#include "sumspanel.h"

#include "amountdisplay.h"

#include "core/date.h"
#include "widgets/wrappingrow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace penvaro::ledger {

core::Result<LedgerSums> ComputeLedgerSums(const core::BookingTable &table, double today) {
    LedgerSums sums;
    const auto book = core::ComputeBookBalance(table);
    if (!book)
        return book.error();
    sums.book = *book;
    const auto planned = core::ComputePlannedSum(table);
    if (!planned)
        return planned.error();
    sums.planned = *planned;
    const auto projected = core::ComputeProjectedBalance(table, sums.book, sums.planned);
    if (!projected)
        return projected.error();
    sums.projected = *projected;
    const auto todays = core::ComputeTodayBalance(table, today);
    if (!todays)
        return todays.error();
    sums.today = *todays;
    return sums;
}

SumsPanel::SumsPanel(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("PSummen"));
    m_book = sumField(this, "ESumme");
    m_bookPanel = captioned(this, "PSummeG", new QLabel(QStringLiteral("Kontostand:")), m_book,
                            QBoxLayout::LeftToRight);
    m_projectedCaption = new QLabel;
    m_projectedCaption->setObjectName(QStringLiteral("LSummeGes"));
    m_projected = sumField(this, "EGesSumme");
    m_projectedPanel =
        captioned(this, "PSummeL", m_projectedCaption, m_projected, QBoxLayout::LeftToRight);
    // The captions stay beside their sums however wide the window is.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto *layout = new widgets::WrappingRow(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addTrailing(m_bookPanel);
    layout->addTrailing(m_projectedPanel);
}

void SumsPanel::applyOptions(const core::Settings &settings) {
    m_bookPanel->setVisible(settings.showBookBalance);
    m_projectedPanel->setVisible(settings.showProjectedBalance);
}

void SumsPanel::showSums(const LedgerSums &sums, const AmountDisplay &amounts) {
    showSum(m_book, amounts.sum(sums.book));
    const QString date =
        sums.projected.latestValueDate
            ? QString::fromStdString(core::FormatDate(*sums.projected.latestValueDate))
            : QString();
    m_projectedCaption->setText(QStringLiteral("Kontostand am %1:").arg(date));
    showSum(m_projected, amounts.sum(sums.projected.total));
    m_projectedCaption->setVisible(sums.projected.shown);
    m_projected->setVisible(sums.projected.shown);
}

QLineEdit *SumsPanel::sumField(QWidget *parent, const char *name) {
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-99.999,99 €"))
                         + 12);
    return field;
}

QWidget *SumsPanel::captioned(QWidget *parent, const char *name, QLabel *caption, QLineEdit *field,
                              QBoxLayout::Direction direction) {
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto *layout = new QBoxLayout(direction, panel);
    layout->setContentsMargins(0, 0, 0, 0);
    caption->setParent(panel);
    field->setParent(panel);
    caption->setBuddy(field);
    layout->addWidget(caption);
    layout->addWidget(field);
    return panel;
}

void SumsPanel::showSum(QLineEdit *field, const QString &text) {
    field->setText(text);
    const int needed = field->fontMetrics().horizontalAdvance(text) + 12;
    if (needed > field->width())
        field->setFixedWidth(needed);
}

} // namespace penvaro::ledger
