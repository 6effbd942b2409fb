#pragma once

#include "errordialog.h"

#include "platform/uiservice.h"

#include <functional>

namespace penvaro::widgets {

// The program's real dialogs, the desktop's standard ones and its own error window, which is
// created once and shown as often as needed.
class DesktopUiService final : public platform::UiService {
public:
    DesktopUiService();

    void information(const QString &text) override;
    platform::Answer askYesNo(const QString &text, platform::Answer defaultAnswer) override;
    void showErrorWindow(std::int32_t code, const QString &text) override;
    void showFailure(const QString &description) override;
    QString openFileName(const QString &caption, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &filter) override;
    QString chooseFolder(const QString &caption, const QString &startFolder) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
    int runModal(QDialog &dialog) override;
    bool openDocument(const QString &path) override;

    // File choosers start in the folder of this file when it exists, else in the user's
    // documents folder.
    void setCurrentFile(std::function<QString()> currentFile) {
        m_currentFile = std::move(currentFile);
    }

private:
    QString startFolder() const;

    ErrorDialog m_errorWindow;
    std::function<QString()> m_currentFile;
};

} // namespace penvaro::widgets
