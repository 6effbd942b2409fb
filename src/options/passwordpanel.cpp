#include "passwordpanel.h"

#include "passwordfield.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace penvaro::options {

namespace {

QLabel *Explanation(QWidget *parent, const QString &text) {
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

PasswordPanel::PasswordPanel(QWidget *parent)
    : QWidget(parent)
    , m_first(new QLineEdit(this))
    , m_second(new QLineEdit(this))
    , m_set(Explanation(this, QStringLiteral("Ein Passwort ist gesetzt. Lassen Sie beide "
                                             "Felder leer, um es zu behalten."))) {
    setObjectName(QStringLiteral("PPasswort"));
    // The page keeps the panel's room while it is hidden, so that showing it clips nothing.
    QSizePolicy keepRoom = sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    setSizePolicy(keepRoom);

    auto *panel = new QVBoxLayout(this);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(Explanation(
        this, QStringLiteral("Achtung: Das Passwort, das Sie hier eingeben, schützt das gesamte "
                             "Programm Penvaro 98 mit seinen Kontodateien.")));
    panel->addWidget(Explanation(
        this, QStringLiteral("Ohne das gültige Passwort läßt sich das Programm nicht mehr "
                             "starten, daher prägen Sie sich das Passwort bitte gut ein. Geben "
                             "Sie nur Buchstaben und Zahlen ein!")));

    m_first->setObjectName(QStringLiteral("EPW1"));
    m_second->setObjectName(QStringLiteral("EPW2"));
    MakePasswordField(m_first);
    MakePasswordField(m_second);
    auto *fields = new QFormLayout;
    auto *firstLabel = new QLabel(QStringLiteral("PASSWORT: "), this);
    firstLabel->setBuddy(m_first);
    auto *secondLabel = new QLabel(QStringLiteral("Kontrolleingabe:"), this);
    secondLabel->setBuddy(m_second);
    fields->addRow(firstLabel, m_first);
    fields->addRow(secondLabel, m_second);
    panel->addLayout(fields);

    m_set->setObjectName(QStringLiteral("LPWGesetzt"));
    panel->addWidget(m_set);
    panel->addWidget(new QLabel(QStringLiteral("(Groß- und Kleinschreibung ist egal!)"), this));
}

void PasswordPanel::clear(bool passwordSet) {
    m_first->clear();
    m_second->clear();
    m_set->setVisible(passwordSet);
}

} // namespace penvaro::options
