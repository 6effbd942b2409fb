#include "desktopuiservice.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace penvaro::widgets {

namespace {

QString BoxTitle() {
    return QGuiApplication::applicationDisplayName();
}

} // namespace

void DesktopUiService::information(const QString &text) {
    QMessageBox::information(QApplication::activeWindow(), BoxTitle(), text);
}

platform::Answer DesktopUiService::askYesNo(const QString &text, platform::Answer defaultAnswer) {
    QMessageBox box(QMessageBox::Warning, BoxTitle(), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultAnswer == platform::Answer::Yes ? QMessageBox::Yes
                                                                : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? platform::Answer::Yes : platform::Answer::No;
}

void DesktopUiService::showFailure(const QString &description) {
    QMessageBox::critical(QApplication::activeWindow(), BoxTitle(), description);
}

QString DesktopUiService::openFileName(const QString &caption, const QString &filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, QString(), filter);
}

QString DesktopUiService::saveFileName(const QString &caption, const QString &filter) {
    // Replacing a file is the caller's question: it knows what would be lost.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, QString(), filter,
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

int DesktopUiService::runModal(QDialog &dialog) {
    return dialog.exec();
}

bool DesktopUiService::openDocument(const QString &path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

DesktopUiService::DesktopUiService()
    : m_errorWindow(*this) {}

void DesktopUiService::showErrorWindow(std::int32_t code, const QString &text) {
    m_errorWindow.setError(code, text);
    runModal(m_errorWindow);
}

} // namespace penvaro::widgets
