#include "optionsdialog.h"

#include "optionsform.h"
#include "passwordpanel.h"

#include "platform/appstate.h"
#include "platform/startpassword.h"
#include "platform/uiservice.h"
#include "widgets/dialogflags.h"
#include "widgets/manual.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace penvaro::options {

namespace {

const QString differentPasswords =
    QStringLiteral("Bitte geben Sie in beiden Feldern exakt das gleiche Passwort ein!");

QToolButton *button(QWidget *parent, const char *name, const QString &caption) {
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // Reached by Tab, but a click leaves the focus where it was, so that leaving the control
    // field of the password is not mistaken for a click on a button.
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

OptionsDialog::OptionsDialog(platform::AppState &state, QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_state(state)
    , m_form(new OptionsForm(this))
    , m_password(new PasswordPanel(this))
    , m_statementData(m_form->button("RBAuszugsdatAn"))
    , m_byStatementNumber(m_form->button("RBSortByAuszugsnr"))
    , m_byStatementDate(m_form->button("RBSortByAuszugsdat"))
    , m_byValueDate(m_form->button("RBSortByWertdat")) {
    setObjectName(QStringLiteral("TOptionenF"));
    setWindowTitle(QStringLiteral("Optionen"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_form, 1);
    QRadioButton *passwordRequired = m_form->button("RBPWan");
    m_form->groupOf("RBPWan")->layout()->addWidget(m_password);

    auto *buttons = new QWidget(this);
    buttons->setObjectName(QStringLiteral("PButtons"));
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    QToolButton *font = button(buttons, "SpeedButton2", QStringLiteral("Schriftart"));
    QToolButton *help = button(buttons, "SpeedButton1", QStringLiteral(" Hilfe"));
    QToolButton *cancel = button(buttons, "SBAbbrechen", QStringLiteral("Abbrechen"));
    QToolButton *ok = button(buttons, "SBOK", QStringLiteral("OK"));
    row->addWidget(font);
    row->addWidget(help);
    row->addStretch();
    row->addWidget(cancel);
    row->addWidget(ok);
    layout->addWidget(buttons);

    connect(font, &QToolButton::clicked, this, &OptionsDialog::chooseFont);
    connect(help, &QToolButton::clicked, this, [this] { widgets::OpenManual(m_state.ui()); });
    connect(cancel, &QToolButton::clicked, this, &QDialog::reject);
    connect(ok, &QToolButton::clicked, this, &OptionsDialog::confirm);

    connect(m_statementData, &QRadioButton::clicked, this, &OptionsDialog::statementDataChosen);
    connect(m_form->button("RBAuszugsdatAus"), &QRadioButton::clicked, this,
            &OptionsDialog::statementDataChosen);
    connect(passwordRequired, &QRadioButton::toggled, m_password, &QWidget::setVisible);
    connect(m_form->edit("EWaehrung"), &QLineEdit::textChanged, m_form->unit("EEurokurs"),
            &QLabel::setText);
    connect(m_form, &OptionsForm::pageChosen, this, &OptionsDialog::pageChosen);
    connect(qApp, &QApplication::focusChanged, this, &OptionsDialog::focusMoved);
}

int OptionsDialog::showModal(bool accountOpen) {
    m_form->setAccountOpen(accountOpen);
    fill();
    if (!m_sized) {
        // Qt would open a window at most two thirds of the screen, which on a small screen
        // cuts the pages for no need; the window frame takes a little of the height.
        const QSize screen = this->screen()->availableGeometry().size();
        resize(sizeHint().boundedTo({screen.width(), screen.height() * 9 / 10}));
        m_sized = true;
    }
    return m_state.ui().runModal(*this);
}

void OptionsDialog::fill() {
    const core::Settings &s = m_state.settings();
    m_form->fill(s);
    m_form->unit("EEurokurs")->setText(m_form->edit("EWaehrung")->text());
    m_password->setVisible(s.passwordRequired);
    // Without statement data the statement orders cannot be chosen, as after a click.
    m_byStatementNumber->setEnabled(s.keepStatementData);
    m_byStatementDate->setEnabled(s.keepStatementData);

    // The stored password cannot be shown; both fields left empty keep it.
    m_password->clear(!s.storedPassword.empty());
    m_takenPassword.clear();

    const QSignalBlocker quiet(m_form);
    if (m_lastPage >= 0)
        m_form->showPage(m_lastPage);
    else
        m_form->showPage("TSFormulardrucker");
}

void OptionsDialog::statementDataChosen() {
    const bool statementData = m_statementData->isChecked();
    m_byStatementNumber->setEnabled(statementData);
    m_byStatementDate->setEnabled(statementData);
    (statementData ? m_byStatementNumber : m_byValueDate)->setChecked(true);
}

bool OptionsDialog::checkPasswords() {
    const QString typed = m_password->first()->text();
    QString refusal = differentPasswords;
    if (typed == m_password->second()->text()) {
        if (typed.isEmpty() || typed == m_takenPassword)
            return true;
        const auto stored = platform::HashStartPassword(typed);
        if (stored) {
            m_state.settings().storedPassword = *stored;
            m_takenPassword = typed;
            return true;
        }
        refusal = QString::fromStdString(stored.error().message);
    }
    m_mayClose = false;
    m_checkingPasswords = true;
    m_form->showPage("TSPasswort");
    m_state.ui().information(refusal);
    m_checkingPasswords = false;
    return false;
}

void OptionsDialog::pageChosen() {
    if (!m_checkingPasswords)
        checkPasswords();
}

void OptionsDialog::focusMoved(QWidget *from, QWidget *to) {
    // Only a move to another control of this window leaves the field; a page switch takes the
    // focus away first and checks on its own, and another window taking the focus is no move.
    if (from != m_password->second() || to == nullptr || !isAncestorOf(to)
        || to == m_form->pageList())
        return;
    // After the move has finished, so that the message does not open inside it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible())
                checkPasswords();
        },
        Qt::QueuedConnection);
}

void OptionsDialog::chooseFont() {
    core::Settings &s = m_state.settings();
    const QFont current(QString::fromStdString(s.tableFontName), s.tableFontSize);
    const auto chosen = m_state.ui().chooseFont(current);
    if (!chosen)
        return;
    s.tableFontName = chosen->family().toStdString();
    if (chosen->pointSize() > 0)
        s.tableFontSize = chosen->pointSize();
}

void OptionsDialog::confirm() {
    core::Settings &s = m_state.settings();
    m_mayClose = true;
    // The password first: its message comes before those of the fields.
    checkPasswords();
    for (const OptionsForm::Failure &failure : m_form->read(s)) {
        m_mayClose = false;
        platform::ShowError(m_state.ui(), failure.code, failure.message);
    }

    Q_EMIT optionsApplied();
    m_state.settingsStore().save();
    m_state.announceBookingChange();
    if (m_mayClose)
        accept();
}

void OptionsDialog::done(int result) {
    m_lastPage = m_form->currentPage();
    QDialog::done(result);
}

void OptionsDialog::keyPressEvent(QKeyEvent *event) {
    // Enter confirms as "OK" does, with all its checks; there is no default push button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirm();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace penvaro::options
