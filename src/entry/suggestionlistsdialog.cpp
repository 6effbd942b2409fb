#include "suggestionlistsdialog.h"

#include "widgets/dialogflags.h"

#include "platform/uiservice.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace penvaro::entry {

namespace {

struct ColumnText {
    SuggestionList list;
    const char *box;
    const char16_t *title;
    const char *button;
};

constexpr ColumnText ColumnTexts[] = {
    {SuggestionList::Purposes, "LBVerw", u"Verwendungszwecke", "Button1"},
    {SuggestionList::Parties, "LBAE", u"Absender/Empfänger", "Button2"},
    {SuggestionList::BookingTypes, "LBBu", u"Buchungsart", "Button3"},
};

} // namespace

SuggestionListsDialog::SuggestionListsDialog(platform::RegistryStore &store,
                                             platform::UiService &ui, QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_store(store)
    , m_ui(ui) {
    setObjectName(QStringLiteral("TVAEBF"));
    setWindowTitle(QStringLiteral("Ordnung schaffen"));
    setModal(true);

    auto *intro = new QLabel(QStringLiteral("Bitte markieren Sie die zu löschenden Daten und "
                                            "drücken dann jeweils auf löschen!"),
                             this);
    intro->setObjectName(QStringLiteral("Label1"));
    intro->setWordWrap(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(intro, 0, 0, 1, 3);
    QWidget *previous = nullptr;
    for (int i = 0; i < 3; ++i) {
        const ColumnText &text = ColumnTexts[i];
        const QString title = QString::fromUtf16(text.title);
        auto *box = new QListWidget(this);
        box->setObjectName(QString::fromLatin1(text.box));
        box->setSelectionMode(QAbstractItemView::SingleSelection);
        auto *label = new QLabel(title, this);
        label->setBuddy(box);
        auto *remove = new QPushButton(QStringLiteral("Löschen"), this);
        remove->setObjectName(QString::fromLatin1(text.button));
        remove->setAccessibleDescription(title + QStringLiteral(": markierten Eintrag löschen"));
        // Enter in a list must never delete; it only presses a button that has the focus.
        remove->setAutoDefault(false);

        m_columns[static_cast<std::size_t>(i)] = Column{text.list, box};
        connect(remove, &QPushButton::clicked, this,
                [this, i] { deleteSelected(m_columns[static_cast<std::size_t>(i)]); });

        layout->addWidget(label, 1, i);
        layout->addWidget(box, 2, i);
        layout->addWidget(remove, 3, i);
        if (previous)
            setTabOrder(previous, box);
        setTabOrder(box, remove);
        previous = remove;
    }
}

int SuggestionListsDialog::showModal() {
    return m_ui.runModal(*this);
}

void SuggestionListsDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (const QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());
    for (const Column &column : m_columns)
        refill(column);
}

void SuggestionListsDialog::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SuggestionListsDialog::refill(const Column &column) {
    column.box->clear();
    if (const auto entries = ReadSuggestions(m_store, column.list))
        column.box->addItems(*entries);
}

void SuggestionListsDialog::deleteSelected(const Column &column) {
    const QList<QListWidgetItem *> selected = column.box->selectedItems();
    if (selected.isEmpty())
        return;
    ForgetSuggestion(m_store, column.list, selected.first()->text());
    refill(column);
}

} // namespace penvaro::entry
