#include "welcomepanel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace penvaro::app {

WelcomePanel::WelcomePanel(QWidget *parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("PWelcome"));
    setFrameShape(QFrame::StyledPanel);

    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("Herzlich Willkommen bei Penvaro 2011!"), this);
    title->setObjectName(QStringLiteral("LWelcomeTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    layout->addWidget(title);

    const QStringList hints = {
        QStringLiteral("Über die Schaltflächen „Neu“ und „Öffnen“ legen Sie Kontodateien an "
                       "oder öffnen vorhandene."),
        QStringLiteral("Hilfe finden Sie unter „Hilfe aufrufen“ oder mit der Taste F1."),
        QStringLiteral("In den Optionen können Sie jede beliebige Währung einstellen."),
        QStringLiteral("Für Kassen und Verrechnungskonten ohne Kontoauszüge lassen sich die "
                       "Auszugsdaten dort abschalten."),
        QStringLiteral("Beträge können auch in DM angezeigt werden."),
    };
    for (int i = 0; i < hints.size(); ++i) {
        auto *hint = new QLabel(hints[i], this);
        hint->setObjectName(QStringLiteral("LWelcomeHint%1").arg(i + 1));
        hint->setWordWrap(true);
        layout->addWidget(hint);
    }
    layout->addStretch();
}

} // namespace penvaro::app
