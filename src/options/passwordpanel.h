#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace penvaro::options {

// The start password as the options set it: a warning, the password typed twice, and a note
// when one is set already, since the fields never show a stored password.
class PasswordPanel : public QWidget {
    Q_OBJECT

public:
    explicit PasswordPanel(QWidget *parent = nullptr);

    QLineEdit *first() const { return m_first; }
    QLineEdit *second() const { return m_second; }

    // Empties both fields; left empty they keep the stored password.
    void clear(bool passwordSet);

private:
    QLineEdit *m_first;
    QLineEdit *m_second;
    QLabel *m_set;
};

} // namespace penvaro::options
