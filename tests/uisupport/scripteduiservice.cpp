#include "scripteduiservice.h"

#include <QDialog>

#include <ostream>

namespace penvaro::testing {

void ScriptedUiService::information(const QString &text) {
    m_shown.push_back({Kind::Information, text});
}

platform::Answer ScriptedUiService::askYesNo(const QString &text, platform::Answer defaultAnswer) {
    m_shown.push_back({Kind::Question, text});
    m_lastDefault = defaultAnswer;
    if (m_answers.empty())
        return platform::Answer::No;
    const platform::Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedUiService::showErrorWindow(std::int32_t code, const QString &text) {
    m_shown.push_back({Kind::ErrorWindow, text, code});
}

void ScriptedUiService::showFailure(const QString &description) {
    m_shown.push_back({Kind::Failure, description});
}

QString ScriptedUiService::nextFileName() {
    if (m_fileNames.empty())
        return {};
    QString fileName = m_fileNames.front();
    m_fileNames.pop_front();
    return fileName;
}

QString ScriptedUiService::openFileName(const QString &caption, const QString &) {
    m_shown.push_back({Kind::OpenFile, caption});
    return nextFileName();
}

QString ScriptedUiService::saveFileName(const QString &caption, const QString &) {
    m_shown.push_back({Kind::SaveFile, caption});
    return nextFileName();
}

QString ScriptedUiService::chooseFolder(const QString &caption, const QString &) {
    m_shown.push_back({Kind::Folder, caption});
    return nextFileName();
}

std::optional<QFont> ScriptedUiService::chooseFont(const QFont &initial) {
    m_shown.push_back(
        {Kind::Font, QStringLiteral("%1 %2").arg(initial.family()).arg(initial.pointSize())});
    if (m_fonts.empty())
        return std::nullopt;
    QFont font = m_fonts.front();
    m_fonts.pop_front();
    return font;
}

int ScriptedUiService::runModal(QDialog &dialog) {
    m_shown.push_back({Kind::Modal, dialog.objectName()});
    if (m_modals.empty())
        return QDialog::Rejected;
    const auto action = std::move(m_modals.front());
    m_modals.pop_front();
    return action(dialog);
}

bool ScriptedUiService::openDocument(const QString &path) {
    m_shown.push_back({Kind::Document, path});
    return m_documentOpens;
}

void PrintTo(const ScriptedUiService::Shown &shown, std::ostream *out) {
    *out << "{kind " << static_cast<int>(shown.kind) << ", \"" << shown.text.toStdString()
         << "\", code " << shown.code << "}";
}

} // namespace penvaro::testing
