#pragma once

#include "suggestions.h"

#include <QDialog>

#include <array>

class QListWidget;

namespace penvaro::platform {
class RegistryStore;
class UiService;
} // namespace penvaro::platform

namespace penvaro::entry {

// "Ordnung schaffen": the three suggestion lists, each with a button that deletes its
// selected entry. Every showing reads the lists afresh.
class SuggestionListsDialog : public QDialog {
    Q_OBJECT

public:
    SuggestionListsDialog(platform::RegistryStore &store, platform::UiService &ui,
                          QWidget *parent = nullptr);

    // Shows the window modally; returns when the user has closed it.
    int showModal();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Column {
        SuggestionList list;
        QListWidget *box = nullptr;
    };

    void refill(const Column &column);
    void deleteSelected(const Column &column);

    platform::RegistryStore &m_store;
    platform::UiService &m_ui;
    std::array<Column, 3> m_columns;
};

} // namespace penvaro::entry
