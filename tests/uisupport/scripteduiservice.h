#pragma once

#include "platform/uiservice.h"

#include <QString>

#include <deque>
#include <functional>
#include <iosfwd>
#include <vector>

namespace penvaro::testing {

// Answers in place of the user from queues filled by the test and records everything the
// program showed. An empty queue gives the cautious answer: No, cancel, rejected.
class ScriptedUiService final : public platform::UiService {
public:
    enum class Kind {
        Information,
        Question,
        ErrorWindow,
        Failure,
        OpenFile,
        SaveFile,
        Folder,
        Font,
        Modal,
        Document
    };

    struct Shown {
        Kind kind;
        // message, chooser caption, dialog objectName, document path or the font offered
        QString text;
        std::int32_t code = 0;

        friend bool operator==(const Shown &, const Shown &) = default;
    };

    void setNextAnswer(platform::Answer answer) { m_answers.push_back(answer); }
    void setNextFileName(const QString &fileName) { m_fileNames.push_back(fileName); }
    // The folder browser answers from the same queue as the file choosers.
    void setNextFont(const QFont &font) { m_fonts.push_back(font); }
    // Acts on the dialog as the user would and returns its result code.
    void setNextModal(std::function<int(QDialog &)> action) {
        m_modals.push_back(std::move(action));
    }
    void setOpenDocumentResult(bool opened) { m_documentOpens = opened; }

    const std::vector<Shown> &shown() const { return m_shown; }
    // The button a real box would have preselected for the last question.
    platform::Answer lastDefaultAnswer() const { return m_lastDefault; }
    void clear() { m_shown.clear(); }

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

private:
    QString nextFileName();

    std::vector<Shown> m_shown;
    std::deque<platform::Answer> m_answers;
    std::deque<QString> m_fileNames;
    std::deque<QFont> m_fonts;
    std::deque<std::function<int(QDialog &)>> m_modals;
    bool m_documentOpens = true;
    platform::Answer m_lastDefault = platform::Answer::No;
};

void PrintTo(const ScriptedUiService::Shown &shown, std::ostream *out);

} // namespace penvaro::testing
