#include "optionswidgets.h"

#include "passwordfield.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace penvaro::options {

namespace {

QLineEdit *field(QWidget *parent, const char *name) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QLabel *label(QWidget *parent, const QString &text, QWidget *buddy = nullptr) {
    auto *l = new QLabel(text, parent);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

QWidget *page(QTabWidget *pages, const char *name, const QString &caption) {
    auto *p = new QWidget(pages);
    p->setObjectName(QString::fromLatin1(name));
    new QVBoxLayout(p);
    pages->addTab(p, caption);
    return p;
}

QGroupBox *group(QWidget *page, const QString &caption) {
    auto *box = new QGroupBox(caption, page);
    static_cast<QVBoxLayout *>(page->layout())->addWidget(box);
    return box;
}

void finish(QWidget *page) {
    static_cast<QVBoxLayout *>(page->layout())->addStretch();
}

// Two choices of one value in a group of their own, so that they exclude only each other.
void choice(QWidget *page, const QString &caption, const char *onName, QRadioButton *&on,
            const char *offName, QRadioButton *&off, const QString &onText,
            const QString &offText) {
    QGroupBox *box = group(page, caption);
    auto *layout = new QHBoxLayout(box);
    on = new QRadioButton(onText, box);
    on->setObjectName(QString::fromLatin1(onName));
    off = new QRadioButton(offText, box);
    off->setObjectName(QString::fromLatin1(offName));
    layout->addWidget(on);
    layout->addWidget(off);
    layout->addStretch();
}

void onOff(QWidget *page, const QString &caption, const char *onName, QRadioButton *&on,
           const char *offName, QRadioButton *&off) {
    choice(page, caption, onName, on, offName, off, QStringLiteral("angeschaltet"),
           QStringLiteral("ausgeschaltet"));
}

void ascending(QWidget *page, const QString &caption, const char *upName, QRadioButton *&up,
               const char *downName, QRadioButton *&down) {
    choice(page, caption, upName, up, downName, down, QStringLiteral("aufsteigend"),
           QStringLiteral("absteigend"));
}

// A number field between a caption before and a unit after it.
void numberRow(QGroupBox *box, QGridLayout *grid, int row, const QString &before, QLineEdit *edit,
               QWidget *after) {
    QLabel *caption = label(box, before, edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    if (after)
        grid->addWidget(after, row, 2);
}

QGridLayout *numberGroup(QWidget *page, const QString &caption) {
    auto *grid = new QGridLayout(group(page, caption));
    grid->setColumnStretch(3, 1);
    return grid;
}

void currencyPage(QTabWidget *pages, OptionsWidgets &w) {
    QWidget *p = page(pages, "TSWaehrungZinsen", QStringLiteral("Währung/Zinsen"));
    QGridLayout *rates = numberGroup(p, QStringLiteral("Zinsen"));
    auto *ratesBox = static_cast<QGroupBox *>(rates->parentWidget());
    w.EZinsen = field(ratesBox, "EZinsen");
    w.ESollzinsen = field(ratesBox, "ESollzinsen");
    numberRow(ratesBox, rates, 0, QStringLiteral("Habenzinssatz p.a. "), w.EZinsen,
              label(ratesBox, QStringLiteral("%")));
    numberRow(ratesBox, rates, 1, QStringLiteral("Sollzinssatz p.a. "), w.ESollzinsen,
              label(ratesBox, QStringLiteral("%")));

    QGridLayout *currency =
        numberGroup(p, QStringLiteral("Euro/Nationale Währung-Umrechnungskurs"));
    auto *currencyBox = static_cast<QGroupBox *>(currency->parentWidget());
    w.EWaehrung = field(currencyBox, "EWaehrung");
    w.EEurokurs = field(currencyBox, "EEurokurs");
    w.LWaehrung = label(currencyBox, QString());
    w.LWaehrung->setObjectName(QStringLiteral("LWaehrung"));
    numberRow(currencyBox, currency, 0, QStringLiteral("nationale Währungseinheit"), w.EWaehrung,
              nullptr);
    numberRow(currencyBox, currency, 1, QStringLiteral("1 € entspricht "), w.EEurokurs,
              w.LWaehrung);
    finish(p);
}

void startPage(QTabWidget *pages, OptionsWidgets &w) {
    QWidget *p = page(pages, "TSStartbild", QStringLiteral("Startbildschirm"));
    QGridLayout *grid = numberGroup(p, QStringLiteral("Startbildschirm"));
    auto *box = static_cast<QGroupBox *>(grid->parentWidget());
    w.EStartbild = field(box, "EStartbild");
    numberRow(box, grid, 0, QStringLiteral("Anzeigedauer:"), w.EStartbild,
              label(box, QStringLiteral("sec.")));
    finish(p);
}

void rowHeight(QWidget *page, const QString &caption, QLineEdit *&edit, const char *name) {
    QGridLayout *grid = numberGroup(page, caption);
    auto *box = static_cast<QGroupBox *>(grid->parentWidget());
    edit = field(box, name);
    numberRow(box, grid, 0, QStringLiteral("Zeilenabstand:"), edit, nullptr);
}

void tablePages(QTabWidget *pages, OptionsWidgets &w) {
    QWidget *data = page(pages, "TSAuszugsdaten", QStringLiteral("Auszugs-/Buchungsdaten"));
    onOff(data, QStringLiteral("Auszugsdaten"), "RBAuszugsdatAn", w.RBAuszugsdatAn,
          "RBAuszugsdatAus", w.RBAuszugsdatAus);
    onOff(data, QStringLiteral("Buchungsdatum"), "RBBuchungsdatAn", w.RBBuchungsdatAn,
          "RBBuchungsdatAus", w.RBBuchungsdatAus);
    finish(data);

    QWidget *balance = page(pages, "TSKontostand", QStringLiteral("Kontostand"));
    onOff(balance, QStringLiteral("Kontostand Tabelle"), "RBKontostTabAn", w.RBKontostTabAn,
          "RBKontostTabAus", w.RBKontostTabAus);
    onOff(balance, QStringLiteral("Kontostand Drucker"), "RBKontostDruAn", w.RBKontostDruAn,
          "RBKontostDruAus", w.RBKontostDruAus);
    finish(balance);

    QWidget *sums = page(pages, "TSSummen", QStringLiteral("Summen"));
    onOff(sums, QStringLiteral("Summenanzeige - Getätigte Buchungen"), "RBSummeGetAn",
          w.RBSummeGetAn, "RBSummeGetAus", w.RBSummeGetAus);
    onOff(sums, QStringLiteral("Summenanzeige - Geplante Buchungen"), "RBSummeGepAn",
          w.RBSummeGepAn, "RBSummeGepAus", w.RBSummeGepAus);
    finish(sums);

    QWidget *done = page(pages, "TSGetaetigt", QStringLiteral("\"Getätigte Buchungen\""));
    rowHeight(done, QStringLiteral("Tabelle \"Getätigte Buchungen\" - Zeilenabstand"),
              w.EZeilenabGet, "EZeilenabGet");
    ascending(done, QStringLiteral("Tabelle \"Getätigte Buchungen\" - Sortierreihenfolge"),
              "RBSortGetAuf", w.RBSortGetAuf, "RBSortGetAb", w.RBSortGetAb);
    finish(done);

    QWidget *planned = page(pages, "TSGeplant", QStringLiteral("\"Geplante Buchungen\""));
    onOff(planned, QStringLiteral("Tabelle \"Geplante Buchungen\" - Aktivierung"), "RBTabGepan",
          w.RBTabGepan, "RBTabGepaus", w.RBTabGepaus);
    rowHeight(planned, QStringLiteral("Tabelle \"Geplante Buchungen\" - Zeilenabstand"),
              w.EZeilenabGep, "EZeilenabGep");
    ascending(planned, QStringLiteral("Tabelle \"Geplante Buchungen\" - Sortierreihenfolge"),
              "RBSortGepAuf", w.RBSortGepAuf, "RBSortGepAb", w.RBSortGepAb);
    finish(planned);
}

void printerPage(QTabWidget *pages, OptionsWidgets &w) {
    QWidget *p = page(pages, "TSFormulardrucker", QStringLiteral("Formulardrucker"));
    w.TSFormulardrucker = p;
    const std::tuple<QString, const char *, QLineEdit **> corrections[] = {
        {QStringLiteral("Formulardrucker - Horizontale Korrektur"), "EHorKorr", &w.EHorKorr},
        {QStringLiteral("Formulardrucker - Vertikale Korrektur"), "EVerKorr", &w.EVerKorr},
    };
    for (const auto &[caption, name, edit] : corrections) {
        QGridLayout *grid = numberGroup(p, caption);
        auto *box = static_cast<QGroupBox *>(grid->parentWidget());
        *edit = field(box, name);
        numberRow(box, grid, 0, QStringLiteral("Korrektur:"), *edit,
                  label(box, QStringLiteral("1/10 mm")));
    }
    finish(p);
}

void passwordPage(QTabWidget *pages, OptionsWidgets &w) {
    QWidget *p = page(pages, "TSPasswort", QStringLiteral("Passwort"));
    w.TSPasswort = p;
    QGroupBox *box = group(p, QStringLiteral("Passwortschutz"));
    auto *layout = new QVBoxLayout(box);
    auto *switches = new QHBoxLayout;
    w.RBPWan = new QRadioButton(QStringLiteral("eingeschaltet"), box);
    w.RBPWan->setObjectName(QStringLiteral("RBPWan"));
    w.RBPWaus = new QRadioButton(QStringLiteral("ausgeschaltet"), box);
    w.RBPWaus->setObjectName(QStringLiteral("RBPWaus"));
    switches->addWidget(w.RBPWan);
    switches->addWidget(w.RBPWaus);
    switches->addStretch();
    layout->addLayout(switches);

    w.PPasswort = new QWidget(box);
    w.PPasswort->setObjectName(QStringLiteral("PPasswort"));
    // The page keeps the panel's room while it is hidden, so that showing it clips nothing.
    QSizePolicy keepRoom = w.PPasswort->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    w.PPasswort->setSizePolicy(keepRoom);
    auto *panel = new QVBoxLayout(w.PPasswort);
    panel->setContentsMargins(0, 0, 0, 0);
    for (const QString &text :
         {QStringLiteral("Achtung: Das Passwort, das Sie hier eingeben, schützt das gesamte "
                         "Programm Penvaro 98 mit seinen Kontodateien."),
          QStringLiteral("Ohne das gültige Passwort läßt sich das Programm nicht mehr starten, "
                         "daher prägen Sie sich das Passwort bitte gut ein. Geben Sie nur "
                         "Buchstaben und Zahlen ein!")}) {
        QLabel *explanation = label(w.PPasswort, text);
        explanation->setWordWrap(true);
        panel->addWidget(explanation);
    }
    auto *fields = new QFormLayout;
    w.EPW1 = field(w.PPasswort, "EPW1");
    w.EPW2 = field(w.PPasswort, "EPW2");
    MakePasswordField(w.EPW1);
    MakePasswordField(w.EPW2);
    fields->addRow(label(w.PPasswort, QStringLiteral("PASSWORT: "), w.EPW1), w.EPW1);
    fields->addRow(label(w.PPasswort, QStringLiteral("Kontrolleingabe:"), w.EPW2), w.EPW2);
    panel->addLayout(fields);
    w.LPWGesetzt = label(w.PPasswort, QStringLiteral("Ein Passwort ist gesetzt. Lassen Sie beide "
                                                     "Felder leer, um es zu behalten."));
    w.LPWGesetzt->setObjectName(QStringLiteral("LPWGesetzt"));
    w.LPWGesetzt->setWordWrap(true);
    panel->addWidget(w.LPWGesetzt);
    panel->addWidget(label(w.PPasswort, QStringLiteral("(Groß- und Kleinschreibung ist egal!)")));
    layout->addWidget(w.PPasswort);
    finish(p);
}

void sortPage(QTabWidget *pages, OptionsWidgets &w) {
    QWidget *p = page(pages, "TSSortierung", QStringLiteral("Sortierung"));
    QGroupBox *box = group(p, QStringLiteral("Sortierung der Daten:"));
    auto *layout = new QVBoxLayout(box);
    const std::tuple<const char *, QString, QRadioButton **> choices[] = {
        {"RBSortByAuszugsnr", QStringLiteral("nach Auszugsnummer"), &w.RBSortByAuszugsnr},
        {"RBSortByAuszugsdat", QStringLiteral("nach Auszugsdatum"), &w.RBSortByAuszugsdat},
        {"RBSortByWertdat", QStringLiteral("nach Wertdatum"), &w.RBSortByWertdat},
    };
    for (const auto &[name, caption, button] : choices) {
        *button = new QRadioButton(caption, box);
        (*button)->setObjectName(QString::fromLatin1(name));
        layout->addWidget(*button);
    }
    finish(p);
}

} // namespace

QTabWidget *BuildOptionsPages(QWidget *parent, OptionsWidgets &w) {
    w.PageControl1 = new QTabWidget(parent);
    w.PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // Ten captions do not fit one row: they scroll rather than squeeze the pages.
    w.PageControl1->setUsesScrollButtons(true);
    w.PageControl1->setElideMode(Qt::ElideNone);
    currencyPage(w.PageControl1, w);
    startPage(w.PageControl1, w);
    tablePages(w.PageControl1, w);
    printerPage(w.PageControl1, w);
    passwordPage(w.PageControl1, w);
    sortPage(w.PageControl1, w);
    return w.PageControl1;
}

} // namespace penvaro::options
