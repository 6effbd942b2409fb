#include "optionsform.h"

#include "numbertext.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

namespace penvaro::options {

namespace {

QString Text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

bool Same(const char *a, const char *b) {
    return a && b && std::strcmp(a, b) == 0;
}

int PageIndex(const char *name) {
    const std::vector<OptionsPage> &pages = OptionPages();
    const auto found = std::find_if(pages.begin(), pages.end(),
                                    [name](const OptionsPage &p) { return Same(p.name, name); });
    return found == pages.end() ? -1 : static_cast<int>(found - pages.begin());
}

template<typename T>
T &ValueOf(core::Settings &settings, const SettingsMember &member) {
    return settings.*std::get<T core::Settings::*>(member);
}

template<typename T>
const T &ValueOf(const core::Settings &settings, const SettingsMember &member) {
    return settings.*std::get<T core::Settings::*>(member);
}

} // namespace

OptionsForm::OptionsForm(QWidget *parent)
    : QWidget(parent)
    , m_list(new QListWidget(this))
    , m_pages(new QStackedWidget(this))
    , m_note(new QLabel(this)) {
    m_list->setObjectName(QStringLiteral("LBSeiten"));
    m_list->setAccessibleName(QStringLiteral("Seiten"));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_list->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_pages->setObjectName(QStringLiteral("PageControl1"));

    m_note->setObjectName(QStringLiteral("LKontodatei"));
    m_note->setText(QStringLiteral("Die grau dargestellten Einstellungen gehören zu einer "
                                   "Kontodatei und lassen sich erst ändern, wenn eine Kontodatei "
                                   "geöffnet ist."));
    m_note->setWordWrap(true);
    m_note->setContentsMargins(0, 0, 0, 6);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    // On a small screen, or with large fonts, a page scrolls rather than squeezing its texts.
    auto *scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(m_pages);
    auto *area = new QVBoxLayout;
    area->addWidget(m_note);
    area->addWidget(scroller, 1);
    layout->addLayout(area, 1);

    build();
    connect(m_list, &QListWidget::currentRowChanged, this, &OptionsForm::pageListed);
    m_list->setCurrentRow(0);
    updateNote();
}

void OptionsForm::build() {
    for (const OptionsPage &page : OptionPages()) {
        auto *p = new QWidget(m_pages);
        p->setObjectName(Text(page.name));
        p->setAccessibleName(Text(page.caption));
        new QVBoxLayout(p);
        m_pages->addWidget(p);
        m_list->addItem(Text(page.caption));
    }
    const OptionField *previous = nullptr;
    QGroupBox *group = nullptr;
    for (const OptionField &field : OptionFields()) {
        if (!previous || !Same(previous->page, field.page) || !Same(previous->group, field.group))
            group = nullptr;
        addField(field, m_pages->widget(PageIndex(field.page)), group);
        previous = &field;
    }
    for (int i = 0; i < m_pages->count(); ++i)
        static_cast<QVBoxLayout *>(m_pages->widget(i)->layout())->addStretch();
}

void OptionsForm::addField(const OptionField &field, QWidget *page, QGroupBox *&group) {
    const bool choice = field.kind == FieldKind::Choice;
    if (!group) {
        group = new QGroupBox(Text(field.group), page);
        static_cast<QVBoxLayout *>(page->layout())->addWidget(group);
        if (choice) {
            new QVBoxLayout(group);
        } else {
            auto *grid = new QGridLayout(group);
            grid->setColumnStretch(3, 1);
        }
    }
    Built built{&field, group, nullptr, nullptr, {}, QString()};
    if (choice) {
        auto *column = static_cast<QVBoxLayout *>(group->layout());
        // Two values side by side, more beneath each other.
        auto *row = field.range.choices.size() == 2 ? new QHBoxLayout : nullptr;
        for (const ChoiceButton &choiceButton : field.range.choices) {
            auto *button = new QRadioButton(Text(choiceButton.caption), group);
            button->setObjectName(Text(choiceButton.name));
            built.buttons.push_back(button);
            if (row)
                row->addWidget(button);
            else
                column->addWidget(button);
        }
        if (row) {
            row->addStretch();
            column->addLayout(row);
        }
    } else {
        auto *grid = static_cast<QGridLayout *>(group->layout());
        const int row = grid->count() == 0 ? 0 : grid->rowCount();
        built.edit = new QLineEdit(group);
        built.edit->setObjectName(Text(field.name));
        auto *caption = new QLabel(Text(field.caption), group);
        caption->setBuddy(built.edit);
        grid->addWidget(caption, row, 0);
        grid->addWidget(built.edit, row, 1);
        if (field.unit) {
            built.unit = new QLabel(Text(field.unit), group);
            if (field.unitName)
                built.unit->setObjectName(Text(field.unitName));
            grid->addWidget(built.unit, row, 2);
        }
    }
    m_fields.push_back(std::move(built));
}

void OptionsForm::fill(const core::Settings &settings) {
    for (Built &b : m_fields) {
        const OptionField &f = *b.field;
        switch (f.kind) {
        case FieldKind::Decimal:
            b.shown = DecimalText(ValueOf<double>(settings, f.member), f.range.decimals);
            b.edit->setText(b.shown);
            break;
        case FieldKind::Whole:
            b.edit->setText(QString::number(ValueOf<std::int32_t>(settings, f.member)));
            break;
        case FieldKind::Text:
            b.edit->setText(QString::fromStdString(ValueOf<std::string>(settings, f.member)));
            break;
        case FieldKind::Choice: {
            std::size_t index = 0;
            if (std::holds_alternative<bool core::Settings::*>(f.member)) {
                index = ValueOf<bool>(settings, f.member) ? 0 : 1;
            } else {
                const std::string &value = ValueOf<std::string>(settings, f.member);
                const auto &choices = f.range.choices;
                const auto found =
                    std::find_if(choices.begin(), choices.end(),
                                 [&value](const ChoiceButton &c) { return c.value == value; });
                if (found != choices.end())
                    index = static_cast<std::size_t>(found - choices.begin());
            }
            b.buttons.at(index)->setChecked(true);
            break;
        }
        }
    }
}

std::vector<OptionsForm::Failure> OptionsForm::read(core::Settings &settings) const {
    std::vector<std::pair<int, Failure>> refused;
    const auto refuse = [&refused](const OptionField &f, const QString &text) {
        refused.push_back(
            {f.refusal.rank,
             {f.refusal.code, Text(f.refusal.before) + text + Text(f.refusal.after)}});
    };
    for (const Built &b : m_fields) {
        const OptionField &f = *b.field;
        if (InAccountFile(f) && !m_accountOpen)
            continue;
        switch (f.kind) {
        case FieldKind::Decimal: {
            const QString text = b.edit->text();
            // Shown rounded; taking the rounded text back would change a rate nobody touched.
            if (text == b.shown)
                break;
            if (const auto value = ReadDecimal(text))
                ValueOf<double>(settings, f.member) = *value;
            else
                refuse(f, text);
            break;
        }
        case FieldKind::Whole: {
            const QString text = b.edit->text();
            if (const auto value = ReadWholeNumber(text))
                ValueOf<std::int32_t>(settings, f.member) = *value;
            else if (f.range.fallback)
                ValueOf<std::int32_t>(settings, f.member) = *f.range.fallback;
            else
                refuse(f, text);
            break;
        }
        case FieldKind::Text:
            ValueOf<std::string>(settings, f.member) = b.edit->text().toStdString();
            break;
        case FieldKind::Choice: {
            const auto checked = std::find_if(b.buttons.begin(), b.buttons.end(),
                                              [](const QRadioButton *r) { return r->isChecked(); });
            if (checked == b.buttons.end())
                break;
            const auto index = static_cast<std::size_t>(checked - b.buttons.begin());
            if (std::holds_alternative<bool core::Settings::*>(f.member))
                ValueOf<bool>(settings, f.member) = index == 0;
            else
                ValueOf<std::string>(settings, f.member) = f.range.choices[index].value;
            break;
        }
        }
    }
    std::stable_sort(refused.begin(), refused.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<Failure> failures;
    for (auto &[rank, failure] : refused)
        failures.push_back(std::move(failure));
    return failures;
}

void OptionsForm::setAccountOpen(bool open) {
    m_accountOpen = open;
    // Without an account file the note comes and goes with the page; the pages keep their
    // place meanwhile.
    QSizePolicy keepRoom = m_note->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(!open);
    m_note->setSizePolicy(keepRoom);
    for (const Built &b : m_fields)
        if (InAccountFile(*b.field))
            b.group->setEnabled(open);
    updateNote();
}

int OptionsForm::currentPage() const {
    return m_pages->currentIndex();
}

void OptionsForm::showPage(int index) {
    m_list->setCurrentRow(index);
}

void OptionsForm::showPage(const char *name) {
    showPage(PageIndex(name));
}

void OptionsForm::pageListed(int index) {
    m_pages->setCurrentIndex(index);
    updateNote();
    Q_EMIT pageChosen();
}

void OptionsForm::updateNote() {
    const int page = currentPage();
    const bool greyed = std::any_of(m_fields.begin(), m_fields.end(), [page](const Built &b) {
        return InAccountFile(*b.field) && PageIndex(b.field->page) == page;
    });
    m_note->setVisible(!m_accountOpen && greyed);
}

const OptionsForm::Built *OptionsForm::find(const char *name) const {
    for (const Built &b : m_fields) {
        if (Same(b.field->name, name))
            return &b;
        for (const QRadioButton *button : b.buttons)
            if (button->objectName() == Text(name))
                return &b;
    }
    return nullptr;
}

QLineEdit *OptionsForm::edit(const char *name) const {
    const Built *b = find(name);
    return b ? b->edit : nullptr;
}

QRadioButton *OptionsForm::button(const char *name) const {
    const Built *b = find(name);
    if (!b)
        return nullptr;
    for (QRadioButton *button : b->buttons)
        if (button->objectName() == Text(name))
            return button;
    return nullptr;
}

QLabel *OptionsForm::unit(const char *fieldName) const {
    const Built *b = find(fieldName);
    return b ? b->unit : nullptr;
}

QGroupBox *OptionsForm::groupOf(const char *name) const {
    const Built *b = find(name);
    return b ? b->group : nullptr;
}

} // namespace penvaro::options
