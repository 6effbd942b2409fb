#include "optionsdialog.h"

#include "numbertext.h"

#include "platform/appstate.h"
#include "platform/startpassword.h"
#include "platform/uiservice.h"
#include "widgets/dialogflags.h"
#include "widgets/manual.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace penvaro::options {

namespace {

constexpr std::int32_t ErrorEurokurs = 9999;
constexpr std::int32_t ErrorZinsen = 371;
constexpr std::int32_t ErrorSollzinsen = 379999;
constexpr std::int32_t ErrorStartB = 372;
constexpr std::int32_t ErrorKorrH = 990;
constexpr std::int32_t ErrorKorrV = 991;
constexpr std::int32_t DefaultRowHeight = 18;

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

void select(QRadioButton *on, QRadioButton *off, bool value) {
    (value ? on : off)->setChecked(true);
}

QString wholeNumber(std::int32_t value) {
    return QString::number(value);
}

} // namespace

OptionsDialog::OptionsDialog(platform::AppState &state, QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_state(state) {
    setObjectName(QStringLiteral("TOptionenF"));
    setWindowTitle(QStringLiteral("Optionen"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(BuildOptionsPages(this, m_w), 1);

    m_buttons = new QWidget(this);
    m_buttons->setObjectName(QStringLiteral("PButtons"));
    auto *row = new QHBoxLayout(m_buttons);
    row->setContentsMargins(0, 0, 0, 0);
    QToolButton *font = button(m_buttons, "SpeedButton2", QStringLiteral("Schriftart"));
    QToolButton *help = button(m_buttons, "SpeedButton1", QStringLiteral(" Hilfe"));
    QToolButton *cancel = button(m_buttons, "SBAbbrechen", QStringLiteral("Abbrechen"));
    QToolButton *ok = button(m_buttons, "SBOK", QStringLiteral("OK"));
    row->addWidget(font);
    row->addWidget(help);
    row->addStretch();
    row->addWidget(cancel);
    row->addWidget(ok);
    layout->addWidget(m_buttons);

    connect(font, &QToolButton::clicked, this, &OptionsDialog::chooseFont);
    connect(help, &QToolButton::clicked, this, [this] { widgets::OpenManual(m_state.ui()); });
    connect(cancel, &QToolButton::clicked, this, &QDialog::reject);
    connect(ok, &QToolButton::clicked, this, &OptionsDialog::confirm);

    connect(m_w.RBAuszugsdatAn, &QRadioButton::clicked, this, &OptionsDialog::statementDataChosen);
    connect(m_w.RBAuszugsdatAus, &QRadioButton::clicked, this, &OptionsDialog::statementDataChosen);
    connect(m_w.RBPWan, &QRadioButton::toggled, m_w.PPasswort, &QWidget::setVisible);
    connect(m_w.EWaehrung, &QLineEdit::textChanged, m_w.LWaehrung, &QLabel::setText);
    connect(m_w.PageControl1, &QTabWidget::currentChanged, this, &OptionsDialog::pageChosen);
    connect(qApp, &QApplication::focusChanged, this, &OptionsDialog::focusMoved);
}

int OptionsDialog::showModal() {
    fill();
    return m_state.ui().runModal(*this);
}

void OptionsDialog::fill() {
    const core::Settings &s = m_state.settings();
    m_shownZinsen = DecimalText(s.Zinsen, 2);
    m_shownSollzinsen = DecimalText(s.Sollzinsen, 2);
    m_shownEurokurs = DecimalText(s.Eurokurs, 6);
    m_w.EZinsen->setText(m_shownZinsen);
    m_w.ESollzinsen->setText(m_shownSollzinsen);
    m_w.EWaehrung->setText(QString::fromStdString(s.Waehrung));
    m_w.LWaehrung->setText(m_w.EWaehrung->text());
    m_w.EEurokurs->setText(m_shownEurokurs);
    m_w.EStartbild->setText(wholeNumber(s.StartB));
    m_w.EHorKorr->setText(wholeNumber(s.KorrH));
    m_w.EVerKorr->setText(wholeNumber(s.KorrV));
    m_w.EZeilenabGet->setText(wholeNumber(s.Tab1ZeiAbst));
    m_w.EZeilenabGep->setText(wholeNumber(s.Tab2ZeiAbst));

    select(m_w.RBAuszugsdatAn, m_w.RBAuszugsdatAus, s.AuszugsdatAN);
    select(m_w.RBBuchungsdatAn, m_w.RBBuchungsdatAus, s.BuchungsdatAN);
    select(m_w.RBKontostTabAn, m_w.RBKontostTabAus, s.SummeB);
    select(m_w.RBKontostDruAn, m_w.RBKontostDruAus, s.SummeBD);
    select(m_w.RBSummeGetAn, m_w.RBSummeGetAus, s.SummeGan);
    select(m_w.RBSummeGepAn, m_w.RBSummeGepAus, s.SummeZan);
    select(m_w.RBSortGetAuf, m_w.RBSortGetAb, s.Sort1);
    select(m_w.RBTabGepan, m_w.RBTabGepaus, s.TabGepan);
    select(m_w.RBSortGepAuf, m_w.RBSortGepAb, s.Sort2);
    select(m_w.RBPWan, m_w.RBPWaus, s.passwordRequired);
    m_w.PPasswort->setVisible(s.passwordRequired);

    QRadioButton *order = m_w.RBSortByAuszugsnr;
    if (s.SortBy == "wd")
        order = m_w.RBSortByWertdat;
    else if (s.SortBy == "ad")
        order = m_w.RBSortByAuszugsdat;
    order->setChecked(true);
    // Without statement data the statement orders cannot be chosen, as after a click.
    m_w.RBSortByAuszugsnr->setEnabled(s.AuszugsdatAN);
    m_w.RBSortByAuszugsdat->setEnabled(s.AuszugsdatAN);

    // The stored password cannot be shown; both fields left empty keep it.
    m_w.EPW1->clear();
    m_w.EPW2->clear();
    m_w.LPWGesetzt->setVisible(!s.storedPassword.empty());
    m_takenPassword.clear();

    const QSignalBlocker quiet(m_w.PageControl1);
    if (m_lastPage >= 0)
        m_w.PageControl1->setCurrentIndex(m_lastPage);
    else
        m_w.PageControl1->setCurrentWidget(m_w.TSFormulardrucker);
}

void OptionsDialog::statementDataChosen() {
    const bool statementData = m_w.RBAuszugsdatAn->isChecked();
    m_w.RBSortByAuszugsnr->setEnabled(statementData);
    m_w.RBSortByAuszugsdat->setEnabled(statementData);
    (statementData ? m_w.RBSortByAuszugsnr : m_w.RBSortByWertdat)->setChecked(true);
}

bool OptionsDialog::checkPasswords() {
    const QString typed = m_w.EPW1->text();
    QString refusal = differentPasswords;
    if (typed == m_w.EPW2->text()) {
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
    m_w.PageControl1->setCurrentWidget(m_w.TSPasswort);
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
    if (from != m_w.EPW2 || to == nullptr || !isAncestorOf(to) || to == m_w.PageControl1->tabBar())
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
    const QFont current(QString::fromStdString(s.FontName), s.FontSize);
    const auto chosen = m_state.ui().chooseFont(current);
    if (!chosen)
        return;
    s.FontName = chosen->family().toStdString();
    if (chosen->pointSize() > 0)
        s.FontSize = chosen->pointSize();
}

void OptionsDialog::readNumbers() {
    core::Settings &s = m_state.settings();
    platform::UiService &ui = m_state.ui();
    const struct {
        QLineEdit *edit;
        const QString &shown;
        double &value;
        std::int32_t code;
        QString message;
    } decimals[] = {
        {m_w.EEurokurs, m_shownEurokurs, s.Eurokurs, ErrorEurokurs,
         QStringLiteral("Ungültiger Betrag: ")},
        {m_w.EZinsen, m_shownZinsen, s.Zinsen, ErrorZinsen,
         QStringLiteral("Ungültiger Zinssatz: ")},
        {m_w.ESollzinsen, m_shownSollzinsen, s.Sollzinsen, ErrorSollzinsen,
         QStringLiteral("Ungültiger Zinssatz: ")},
    };
    for (const auto &d : decimals) {
        const QString text = d.edit->text();
        // Shown rounded; taking the rounded text back would change a rate nobody touched.
        if (text == d.shown)
            continue;
        if (const auto value = ReadDecimal(text)) {
            d.value = *value;
        } else {
            m_mayClose = false;
            platform::ShowError(ui, d.code, d.message + text);
        }
    }
}

void OptionsDialog::confirm() {
    core::Settings &s = m_state.settings();
    platform::UiService &ui = m_state.ui();
    m_mayClose = true;
    s.passwordRequired = m_w.RBPWan->isChecked();
    checkPasswords();
    s.Waehrung = m_w.EWaehrung->text().toStdString();
    readNumbers();
    s.SummeGan = m_w.RBSummeGetAn->isChecked();
    s.SummeZan = m_w.RBSummeGepAn->isChecked();
    if (const auto seconds = ReadWholeNumber(m_w.EStartbild->text())) {
        s.StartB = *seconds;
    } else {
        m_mayClose = false;
        platform::ShowError(ui, ErrorStartB,
                            QStringLiteral("Ungültiger Anzeigedauer: ") + m_w.EStartbild->text());
    }
    s.BuchungsdatAN = m_w.RBBuchungsdatAn->isChecked();
    s.AuszugsdatAN = m_w.RBAuszugsdatAn->isChecked();
    s.SummeB = m_w.RBKontostTabAn->isChecked();
    s.SummeBD = m_w.RBKontostDruAn->isChecked();
    for (const auto &[edit, value, code] : {std::tuple{m_w.EHorKorr, &s.KorrH, ErrorKorrH},
                                            std::tuple{m_w.EVerKorr, &s.KorrV, ErrorKorrV}}) {
        if (const auto correction = ReadWholeNumber(edit->text())) {
            *value = *correction;
        } else {
            m_mayClose = false;
            platform::ShowError(ui, code,
                                QStringLiteral("Ungültiger Eingabewert: ") + edit->text()
                                    + QStringLiteral(". Bitte nur ganze Zahlen eingeben!"));
        }
    }
    readChoices();

    Q_EMIT optionsApplied();
    m_state.settingsStore().SaveSettings();
    m_state.announceBookingChange();
    if (m_mayClose)
        accept();
}

void OptionsDialog::readChoices() {
    core::Settings &s = m_state.settings();
    s.Tab1ZeiAbst = ReadWholeNumber(m_w.EZeilenabGet->text()).value_or(DefaultRowHeight);
    s.Tab2ZeiAbst = ReadWholeNumber(m_w.EZeilenabGep->text()).value_or(DefaultRowHeight);
    s.Sort1 = m_w.RBSortGetAuf->isChecked();
    s.Sort2 = m_w.RBSortGepAuf->isChecked();
    if (m_w.RBSortByWertdat->isChecked())
        s.SortBy = "wd";
    else if (m_w.RBSortByAuszugsdat->isChecked())
        s.SortBy = "ad";
    else
        s.SortBy = "normal";
    s.TabGepan = m_w.RBTabGepan->isChecked();
}

void OptionsDialog::done(int result) {
    m_lastPage = m_w.PageControl1->currentIndex();
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
