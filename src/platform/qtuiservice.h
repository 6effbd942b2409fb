#pragma once

#include "uiservice.h"

namespace penvaro::platform {

// The real dialogs of the desktop. The error window is a window of the program's own and is
// added by the layer that owns it.
class QtUiService : public UiService {
public:
    void information(const QString &text) override;
    Answer askYesNo(const QString &text, Answer defaultAnswer) override;
    void showFailure(const QString &description) override;
    QString openFileName(const QString &caption, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &filter) override;
    int runModal(QDialog &dialog) override;
    bool openDocument(const QString &path) override;
};

} // namespace penvaro::platform
