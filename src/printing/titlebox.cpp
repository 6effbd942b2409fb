#include "titlebox.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace penvaro::printing {

TitleBox::TitleBox(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
    , m_label1(
          new QLabel(QStringLiteral("Überschrift der 1. Tabelle (Getätigte Buchungen):"), this))
    , m_title1(new QLineEdit(this))
    , m_label2(new QLabel(QStringLiteral("Überschrift der 2. Tabelle (Geplante Buchungen):"), this))
    , m_title2(new QLineEdit(this)) {
    m_label1->setObjectName(QStringLiteral("LTitel1"));
    m_title1->setObjectName(QStringLiteral("ETitel1"));
    m_label2->setObjectName(QStringLiteral("LTitel2"));
    m_title2->setObjectName(QStringLiteral("ETitel2"));
    m_label1->setBuddy(m_title1);
    m_label2->setBuddy(m_title2);
    m_title1->installEventFilter(this);
    m_title2->installEventFilter(this);

    auto *layout = new QFormLayout(this);
    layout->setRowWrapPolicy(QFormLayout::WrapAllRows);
    layout->addRow(m_label1, m_title1);
    layout->addRow(m_label2, m_title2);
}

TableTitles TitleBox::titles() const {
    return {m_title1->text(), m_title2->text()};
}

void TitleBox::setTitles(const TableTitles &titles) {
    m_title1->setText(titles.completed);
    m_title2->setText(titles.planned);
}

void TitleBox::enableCompleted(bool enabled) {
    m_label1->setEnabled(enabled);
    m_title1->setEnabled(enabled);
}

void TitleBox::enablePlanned(bool enabled) {
    m_label2->setEnabled(enabled);
    m_title2->setEnabled(enabled);
}

bool TitleBox::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut && (watched == m_title1 || watched == m_title2))
        Q_EMIT titleLeft();
    return QGroupBox::eventFilter(watched, event);
}

} // namespace penvaro::printing
