#include "qtuiservice.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace penvaro::platform {

namespace {

QString BoxTitle() {
    return QGuiApplication::applicationDisplayName();
}

} // namespace

void QtUiService::information(const QString &text) {
    QMessageBox::information(QApplication::activeWindow(), BoxTitle(), text);
}

Answer QtUiService::askYesNo(const QString &text, Answer defaultAnswer) {
    QMessageBox box(QMessageBox::Warning, BoxTitle(), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtUiService::showFailure(const QString &description) {
    QMessageBox::critical(QApplication::activeWindow(), BoxTitle(), description);
}

QString QtUiService::openFileName(const QString &caption, const QString &filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, QString(), filter);
}

QString QtUiService::saveFileName(const QString &caption, const QString &filter) {
    // Replacing a file is the caller's question: it knows what would be lost.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, QString(), filter,
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

int QtUiService::runModal(QDialog &dialog) {
    return dialog.exec();
}

bool QtUiService::openDocument(const QString &path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace penvaro::platform
