#include "errordialog.h"

#include "manual.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace penvaro::widgets {

namespace {

constexpr int TextWidth = 320;

} // namespace

ErrorDialog::ErrorDialog(platform::UiService &ui, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_ui(ui) {
    setObjectName(QStringLiteral("TFehlerF"));
    setWindowTitle(QStringLiteral("Fehlermeldung"));
    setModal(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(background);
    setAutoFillBackground(true);

    auto *numberLabel = new QLabel(QStringLiteral("Fehlernummer:"), this);
    numberLabel->setObjectName(QStringLiteral("Label2"));

    m_number = new QLabel(this);
    m_number->setObjectName(QStringLiteral("STNr"));
    m_number->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_number->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_number->setToolTip(QStringLiteral("Hier wird eine individuelle Fehlernummer angezeigt, die "
                                        "Sie uns bitte bei Fragen mitteilen!"));

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("LArt"));
    // Texts can end in what the user typed; they are never read as markup.
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_text->setFixedWidth(TextWidth);
    m_text->setMinimumHeight(m_text->fontMetrics().height() * 3);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("SpeedButton1"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *help = new QPushButton(QStringLiteral("Hilfe aufrufen"), this);
    help->setObjectName(QStringLiteral("SpeedButton3"));
    help->setToolTip(QStringLiteral("Hier können Sie die Hilfe aufrufen"));
    connect(help, &QPushButton::clicked, this, [this] { OpenManual(m_ui); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(help);

    auto *layout = new QGridLayout(this);
    layout->addWidget(numberLabel, 0, 0);
    layout->addWidget(m_number, 0, 1);
    layout->addWidget(m_text, 1, 0, 1, 2);
    layout->addLayout(buttons, 2, 0, 1, 2);
    // The window grows with a long text but cannot be resized by the user.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_ok, help);
}

void ErrorDialog::setError(std::int32_t code, const QString &text) {
    m_errorCode = code;
    m_number->setText(QString::number(code));
    // A screen reader reads a label's name, not its caption beside it: the name carries the
    // number itself.
    m_number->setAccessibleName(QStringLiteral("Fehlernummer %1").arg(code));
    m_text->setText(text);
}

QString ErrorDialog::errorText() const {
    return m_text->text();
}

void ErrorDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (const QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());
    m_ok->setFocus();
}

} // namespace penvaro::widgets
