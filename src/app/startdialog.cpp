#include "startdialog.h"

#include "platform/startpassword.h"
#include "widgets/dialogflags.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace penvaro::app {

StartDialog::StartDialog(int startSeconds, bool passwordProtection, const QString &storedPassword,
                         QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_startSeconds(startSeconds)
    , m_asksForPassword(passwordProtection)
    , m_storedPassword(storedPassword.toStdString())
    , m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("FirstF"));
    setWindowTitle(QStringLiteral("Penvaro 2011"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("Penvaro 2011"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    layout->addWidget(title);

    if (m_asksForPassword) {
        auto *prompt =
            new QLabel(QStringLiteral("Passwort-Schutz, bitte Passwort eingeben:"), this);
        prompt->setObjectName(QStringLiteral("Label2"));
        m_edit = new QLineEdit(this);
        m_edit->setObjectName(QStringLiteral("Edit1"));
        m_edit->setEchoMode(QLineEdit::Password);
        prompt->setBuddy(m_edit);
        connect(m_edit, &QLineEdit::textEdited, this, [this](const QString &text) {
            const int cursor = m_edit->cursorPosition();
            m_edit->setText(text.toUpper());
            m_edit->setCursorPosition(cursor);
        });
        auto *start = new QPushButton(QStringLiteral("Starten"), this);
        start->setObjectName(QStringLiteral("Button1"));
        start->setDefault(true);
        connect(start, &QPushButton::clicked, this, &StartDialog::tryStart);
        layout->addWidget(prompt);
        layout->addWidget(m_edit);
        layout->addWidget(start);
    } else {
        auto *notice = new QLabel(
            QStringLiteral("Das Haushaltsbuch für Girokonten, Kassen und Vereinskonten."), this);
        notice->setObjectName(QStringLiteral("Label3"));
        layout->addWidget(notice);
        setToolTip(QStringLiteral("Ein Klick oder eine Taste schließt dieses Fenster."));
    }
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &StartDialog::tick);
}

void StartDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (m_asksForPassword) {
        m_edit->setFocus();
        return;
    }
    if (m_startSeconds <= 0) {
        QTimer::singleShot(0, this, &QDialog::accept);
        return;
    }
    m_timer->start();
}

void StartDialog::tick() {
    ++m_count;
    if (!m_asksForPassword && m_count > m_startSeconds + 1) {
        m_timer->stop();
        accept();
    }
}

void StartDialog::mousePressEvent(QMouseEvent *event) {
    if (m_asksForPassword) {
        QDialog::mousePressEvent(event);
        return;
    }
    m_timer->stop();
    accept();
}

void StartDialog::keyPressEvent(QKeyEvent *event) {
    // Any key but a lone modifier, Escape too: the notice only waits, it has nothing to cancel.
    const int key = event->key();
    const bool modifierOnly = key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt
                              || key == Qt::Key_AltGr || key == Qt::Key_Meta;
    if (m_asksForPassword || modifierOnly) {
        QDialog::keyPressEvent(event);
        return;
    }
    m_timer->stop();
    accept();
}

void StartDialog::tryStart() {
    // A wrong password leaves the window open, without a word that would help guessing.
    if (platform::StartPasswordMatches(m_storedPassword, m_edit->text()))
        accept();
}

void StartDialog::reject() {
    // Closing the prompt does not start the program; the caller ends it instead.
    m_timer->stop();
    QDialog::reject();
}

} // namespace penvaro::app
