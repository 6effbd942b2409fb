#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QPushButton;

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::widgets {

// The error window: a number the user can quote and a short text. It keeps the last values
// shown until the next error replaces them.
class ErrorDialog : public QDialog {
    Q_OBJECT

public:
    explicit ErrorDialog(platform::UiService &ui, QWidget *parent = nullptr);

    void setError(std::int32_t code, const QString &text);
    std::int32_t errorCode() const { return m_errorCode; }
    QString errorText() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    platform::UiService &m_ui;
    std::int32_t m_errorCode = 0;
    QLabel *m_number = nullptr;
    QLabel *m_text = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace penvaro::widgets
