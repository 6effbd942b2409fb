#include "backupdialog.h"

#include "accountfilecopy.h"
#include "settingsbackup.h"

#include "core/accountregister.h"
#include "platform/appstate.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"
#include "platform/uiservice.h"
#include "widgets/commandbutton.h"
#include "widgets/dialogflags.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <variant>

namespace penvaro::options {

namespace {

const QString fileType = QStringLiteral("Registry-Datei (*.reg)");

// The folder of the last backup, in the product key.
const QString LastFolderValue = QStringLiteral("Sicherungsverzeichnis");

const QString mergeQuestion = QStringLiteral(
    "Beim Zurücklesen der Daten werden Ihre aktuellen Daten überschrieben. Wenn Sie starten "
    "möchten, beantworten Sie bitte die folgenden Dialoge mit \"JA\"?");

QLabel *textLine(QWidget *parent, const QString &text) {
    return new QLabel(text, parent);
}

} // namespace

BackupDialog::BackupDialog(platform::AppState &state, QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_state(state) {
    setObjectName(QStringLiteral("TDatenSichernF"));
    setWindowTitle(QStringLiteral("Daten sichern"));
    setModal(true);

    auto *pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));

    auto *files = new QWidget(pages);
    files->setObjectName(QStringLiteral("TSKontodateien"));
    auto *filesLayout = new QGridLayout(files);
    auto *listCaption = new QLabel(QStringLiteral("Kontodateien:"), files);
    m_clicked = new QLabel(files);
    m_clicked->setObjectName(QStringLiteral("Label2"));
    m_clicked->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_clicked->setTextFormat(Qt::PlainText);
    m_files = new QListWidget(files);
    m_files->setObjectName(QStringLiteral("CLBDateien"));
    listCaption->setBuddy(m_files);
    auto *folderCaption = new QLabel(QStringLiteral("sichern in folgendes Verzeichnis"), files);
    m_folder = new QLineEdit(files);
    m_folder->setObjectName(QStringLiteral("Edit1"));
    folderCaption->setBuddy(m_folder);
    auto *browse = new QToolButton(files);
    browse->setObjectName(QStringLiteral("SpeedButton1"));
    browse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    browse->setToolTip(QStringLiteral("Verzeichnis wählen"));
    browse->setAccessibleName(QStringLiteral("Verzeichnis wählen"));
    QPushButton *copy = widgets::DialogButton(files, "Button1", QStringLiteral("OK"));
    copy->setDefault(true);
    filesLayout->addWidget(listCaption, 0, 0);
    filesLayout->addWidget(m_clicked, 0, 1, 1, 2);
    filesLayout->addWidget(m_files, 1, 0, 1, 3);
    filesLayout->addWidget(folderCaption, 2, 0, 1, 3);
    filesLayout->addWidget(m_folder, 3, 0, 1, 2);
    filesLayout->addWidget(browse, 3, 2);
    filesLayout->addWidget(copy, 4, 2);
    filesLayout->setColumnStretch(1, 1);
    pages->addTab(files, QStringLiteral("Kontodateien"));

    auto *settings = new QWidget(pages);
    settings->setObjectName(QStringLiteral("TSEinstellungen"));
    auto *settingsLayout = new QVBoxLayout(settings);
    for (const QString &line :
         {QStringLiteral("Hier werden die gespeicherten Formulardaten und Tabellen-"),
          QStringLiteral("einstellungen aus der Registry gespeichert."),
          QStringLiteral("Es werden die Einstellungen aller Kontodateien und die"),
          QStringLiteral("allgemeinen Programmeinstellungen gespeichert.")})
        settingsLayout->addWidget(textLine(settings, line));
    auto *settingsButtons = new QHBoxLayout;
    QPushButton *save =
        widgets::DialogButton(settings, "Button38", QStringLiteral("Daten sichern"));
    QPushButton *merge =
        widgets::DialogButton(settings, "Button41", QStringLiteral("Daten einlesen"));
    // Enter on this page must not copy account files.
    save->setAutoDefault(false);
    merge->setAutoDefault(false);
    settingsButtons->addWidget(save);
    settingsButtons->addWidget(merge);
    settingsButtons->addStretch();
    settingsLayout->addLayout(settingsButtons);
    settingsLayout->addStretch();
    pages->addTab(settings, QStringLiteral("Einstellungen"));

    QPushButton *close = widgets::DialogButton(this, "Button2", QStringLiteral("Schließen"));
    close->setAutoDefault(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(m_files, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { m_clicked->setText(item ? item->text() : QString()); });
    connect(browse, &QToolButton::clicked, this, &BackupDialog::chooseFolder);
    connect(copy, &QPushButton::clicked, this, &BackupDialog::copyTicked);
    connect(save, &QPushButton::clicked, this, &BackupDialog::exportSettings);
    connect(merge, &QPushButton::clicked, this, &BackupDialog::mergeSettings);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

int BackupDialog::showModal() {
    fill();
    return m_state.ui().runModal(*this);
}

void BackupDialog::fill() {
    m_files->clear();
    m_clicked->clear();
    // Never the account files' own folder: a copy beside its original is no backup, and every
    // copy there fails on the original's name.
    if (m_folder->text().trimmed().isEmpty()) {
        const auto last = m_state.store().value(platform::ProductKey(), LastFolderValue);
        const QString *stored = last && *last ? std::get_if<QString>(&**last) : nullptr;
        m_folder->setText(stored && !stored->isEmpty() ? *stored : DefaultBackupFolder());
    }
    const auto accounts = core::LoadAccountRegister(m_state.registerPath());
    if (!accounts) {
        platform::ReportFailure(m_state.ui(), accounts.error());
        return;
    }
    for (const core::RegisterEntry &entry : accounts->entries) {
        auto *item = new QListWidgetItem(QString::fromStdString(entry.Dateiname.toUtf8()));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        m_files->addItem(item);
    }
}

void BackupDialog::chooseFolder() {
    // A folder not made yet (the first backup's) opens the browser where it will be made.
    QString start = QDir::fromNativeSeparators(m_folder->text().trimmed());
    if (!QFileInfo(start).isDir())
        start = QFileInfo(QDir::cleanPath(start)).absolutePath();
    const QString folder = m_state.ui().chooseFolder(QStringLiteral("Verzeichnis wählen"), start);
    if (!folder.isEmpty())
        m_folder->setText(QDir::toNativeSeparators(folder));
}

void BackupDialog::copyTicked() {
    QStringList ticked;
    for (int i = 0; i < m_files->count(); ++i) {
        if (m_files->item(i)->checkState() == Qt::Checked)
            ticked.append(m_files->item(i)->text());
    }
    const QString folder = m_folder->text().trimmed();
    if (ticked.isEmpty() || folder.isEmpty()) {
        m_state.ui().information(ticked.isEmpty()
                                     ? QStringLiteral("Bitte kreuzen Sie die Kontodateien an, "
                                                      "die gesichert werden sollen.")
                                     : QStringLiteral("Bitte geben Sie das Verzeichnis an, in "
                                                      "das gesichert werden soll."));
        return;
    }
    m_folder->setText(FolderWithSeparator(folder));
    const BackupReport report = CopyAccountFiles(ticked, m_folder->text());
    if (!report.copied.isEmpty())
        static_cast<void>(
            m_state.store().setValue(platform::ProductKey(), LastFolderValue, m_folder->text()));
    m_state.ui().information(BackupMessage(report));
    // A skipped copy is no success: the dialog stays, so that another folder can be chosen.
    if (report.uncopied.empty())
        accept();
}

void BackupDialog::exportSettings() {
    QString file = m_state.ui().saveFileName(QStringLiteral("Daten sichern"), fileType);
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".reg");
    if (QFileInfo::exists(file)
        && m_state.ui().askYesNo(QStringLiteral("Die Datei „%1“ gibt es schon. Wollen Sie sie "
                                                "ersetzen?")
                                     .arg(QDir::toNativeSeparators(file)),
                                 platform::Answer::No)
               != platform::Answer::Yes)
        return;
    platform::ReportFailure(m_state.ui(), ExportSettings(m_state, file));
}

void BackupDialog::mergeSettings() {
    const QString file = m_state.ui().openFileName(QStringLiteral("Daten einlesen"), fileType);
    if (file.isEmpty()
        || m_state.ui().askYesNo(mergeQuestion, platform::Answer::No) != platform::Answer::Yes)
        return;
    if (!platform::ReportFailure(m_state.ui(), MergeSettings(m_state, file)))
        return;
    Q_EMIT settingsMerged();
    m_state.ui().information(QStringLiteral("Die Einstellungen aus „%1“ wurden eingelesen.")
                                 .arg(QDir::toNativeSeparators(file)));
}

} // namespace penvaro::options
