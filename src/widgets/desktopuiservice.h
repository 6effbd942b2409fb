#pragma once

#include "errordialog.h"

#include "platform/uiservice.h"

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
    int runModal(QDialog &dialog) override;
    bool openDocument(const QString &path) override;

private:
    ErrorDialog m_errorWindow;
};

} // namespace penvaro::widgets
