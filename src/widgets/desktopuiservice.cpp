#include "desktopuiservice.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

namespace penvaro::widgets {

namespace {

QString BoxTitle() {
    return QGuiApplication::applicationDisplayName();
}

// Messages carry file names and typed text: they are shown as they are, never as markup.
void showPlain(QMessageBox::Icon icon, const QString &text) {
    QMessageBox box(icon, BoxTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void DesktopUiService::information(const QString &text) {
    showPlain(QMessageBox::Information, text);
}

platform::Answer DesktopUiService::askYesNo(const QString &text, platform::Answer defaultAnswer) {
    QMessageBox box(QMessageBox::Warning, BoxTitle(), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultAnswer == platform::Answer::Yes ? QMessageBox::Yes
                                                                : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? platform::Answer::Yes : platform::Answer::No;
}

void DesktopUiService::showFailure(const QString &description) {
    showPlain(QMessageBox::Critical, description);
}

QString DesktopUiService::openFileName(const QString &caption, const QString &filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, startFolder(),
                                        filter);
}

QString DesktopUiService::saveFileName(const QString &caption, const QString &filter) {
    // Replacing a file is the caller's question: it knows what would be lost.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, startFolder(),
                                        filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

QString DesktopUiService::chooseFolder(const QString &caption, const QString &startFolder) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, startFolder);
}

std::optional<QFont> DesktopUiService::chooseFont(const QFont &initial) {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, initial, QApplication::activeWindow(), {},
                                            QFontDialog::ScalableFonts);
    if (!chosen)
        return std::nullopt;
    return font;
}

int DesktopUiService::runModal(QDialog &dialog) {
    return dialog.exec();
}

bool DesktopUiService::openDocument(const QString &path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString DesktopUiService::startFolder() const {
    if (m_currentFile) {
        const QFileInfo file(m_currentFile());
        if (!file.filePath().isEmpty() && file.dir().exists())
            return file.absolutePath();
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

DesktopUiService::DesktopUiService()
    : m_errorWindow(*this) {}

void DesktopUiService::showErrorWindow(std::int32_t code, const QString &text) {
    m_errorWindow.setError(code, text);
    runModal(m_errorWindow);
}

} // namespace penvaro::widgets
