#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace penvaro::app {

// The start window: the program's name and a notice for at most "StartB" seconds, closed
// earlier by a click or a key, or, with password protection on, the prompt that lets the
// program start only with the right password.
class StartDialog : public QDialog {
    Q_OBJECT

public:
    // startSeconds is "StartB"; storedPassword the stored form ("Tabellenformat").
    StartDialog(int startSeconds, bool passwordProtection, const QString &storedPassword,
                QWidget *parent = nullptr);

    // One second has passed.
    void tick();
    bool asksForPassword() const { return m_asksForPassword; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void tryStart();

    int m_startSeconds;
    int m_count = 1;
    bool m_asksForPassword;
    std::string m_storedPassword;
    QTimer *m_timer;
    QLineEdit *m_edit = nullptr;
};

} // namespace penvaro::app
