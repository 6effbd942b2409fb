#include "mainwindow.h"

#include "ledgercommands.h"

#include "platform/accountsession.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace penvaro::app {
namespace {

// The one local file a drop brings; empty for anything else, several files included, since a
// statement is imported and checked one file at a time.
QString droppedFile(const QMimeData *data) {
    if (data == nullptr || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    return urls.front().toLocalFile();
}

} // namespace

// The session tells the user what went wrong; the window follows it through accountOpened.

void MainWindow::openAccountFile() {
    m_state.session().openChosen();
}

void MainWindow::openAccountFileByPath(const std::filesystem::path &path) {
    m_state.session().open(path);
}

bool MainWindow::accountOpenForImport() {
    if (ledgerVisible())
        return true;
    m_state.ui().information(QStringLiteral("Bitte öffnen Sie zuerst die Kontodatei, in die der "
                                            "Kontoauszug importiert werden soll."));
    return false;
}

void MainWindow::importStatement() {
    if (!accountOpenForImport())
        return;
    const QString chosen = m_state.ui().openFileName(
        QStringLiteral("Kontoauszug importieren ..."),
        QStringLiteral("Kontoauszüge (*.xml *.sta *.mt940 *.940 *.txt);;Alle Dateien (*)"));
    if (!chosen.isEmpty())
        importStatementFile(chosen);
}

void MainWindow::importStatementFile(const QString &path) {
    if (accountOpenForImport())
        m_commands->importStatementFile(path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event) {
    if (ledgerVisible() && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent *event) {
    const QString file = droppedFile(event->mimeData());
    if (!ledgerVisible() || file.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    importStatementFile(file);
}

} // namespace penvaro::app
