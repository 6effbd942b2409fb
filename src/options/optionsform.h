#pragma once

#include "optionstable.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QStackedWidget;

namespace penvaro::options {

// The pages of the options dialog, built from the table of fields: a list of the pages beside
// the page shown. Fills the fields from the settings and reads them back.
class OptionsForm : public QWidget {
    Q_OBJECT

public:
    struct Failure {
        std::int32_t code;
        QString message;
    };

    explicit OptionsForm(QWidget *parent = nullptr);

    void fill(const core::Settings &settings);
    // Stores every field that can be read; returns the refusals of the others in their order.
    // Fields of an account file are read only while one is open.
    std::vector<Failure> read(core::Settings &settings) const;

    // Without an open account file its values are greyed out, with a note why.
    void setAccountOpen(bool open);

    int currentPage() const;
    void showPage(int index);
    void showPage(const char *name);
    const QListWidget *pageList() const { return m_list; }

    QLineEdit *edit(const char *name) const;
    QRadioButton *button(const char *name) const;
    QLabel *unit(const char *fieldName) const;
    // The group box that holds a field or a choice button, for controls that belong to it.
    QGroupBox *groupOf(const char *name) const;

Q_SIGNALS:
    // The user chose another page.
    void pageChosen();

private:
    struct Built {
        const OptionField *field;
        QGroupBox *group = nullptr;
        QLineEdit *edit = nullptr;
        QLabel *unit = nullptr;
        std::vector<QRadioButton *> buttons;
        // The text shown at filling: a rate not retyped keeps its full precision.
        QString shown;
    };

    void build();
    void addField(const OptionField &field, QWidget *page, QGroupBox *&group);
    const Built *find(const char *name) const;
    void pageListed(int index);
    void updateNote();

    QListWidget *m_list;
    QStackedWidget *m_pages;
    QLabel *m_note;
    std::vector<Built> m_fields;
    bool m_accountOpen = true;
};

} // namespace penvaro::options
