#pragma once

#include <QDialog>

#include <cstdint>

class QLineEdit;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::entry {

class SignList;

inline constexpr std::int32_t ErrorStartValueAmount = 431;

// "Startguthaben eingeben ...": the balance an account had before its first booking, stored
// as its one record of kind 0.
class StartValueDialog : public QDialog {
    Q_OBJECT

public:
    explicit StartValueDialog(platform::AppState &state, QWidget *parent = nullptr);

    // Asks for the start value, as right after a new account file was created.
    int showModal();
    // The command "Startwert eingeben": an account that has its start value gets a notice
    // instead of the dialog.
    int showFromCommand();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void storeStartValue();

    platform::AppState &m_state;
    SignList *m_direction = nullptr;
    QLineEdit *m_amount = nullptr;
};

} // namespace penvaro::entry
