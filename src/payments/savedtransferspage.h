#pragma once

#include "core/savedtransferfile.h"

#include <QWidget>

#include <filesystem>
#include <optional>

class QPushButton;
class QTableView;

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::payments {

class SavedTransfersModel;
class TransferTemplateDialog;

// The page "Gespeicherte Überweisungen": the saved transfers of the open account file, kept in
// the file beside it. A double-click on a row uses the saved transfer for a new order.
class SavedTransfersPage : public QWidget {
    Q_OBJECT

public:
    SavedTransfersPage(platform::UiService &ui, TransferTemplateDialog &editor,
                       QWidget *parent = nullptr);

    // Reads the saved transfers of the account file (none is open: an empty path) and lists
    // them. A file that cannot be read is reported and left alone: the list stays empty and
    // nothing can be added, changed or deleted until it can be read.
    void load(const std::filesystem::path &accountFile);
    // Whether saved transfers can be added: the list was read from its file.
    bool usable() const { return m_usable; }
    const core::SavedTransferList &list() const { return m_list; }

    // "Als Überweisungsvorlage speichern": the printed transfer is added to the file as it is
    // now on disk, unless the file holds the same transfer already, and the list shows the file
    // again. Returns whether the transfer is kept in the file.
    bool appendPrinted(const core::SavedTransferRecord &record);

    void enterTemplate();
    void editTemplate();
    void deleteTemplate();

Q_SIGNALS:
    // The saved transfer of the double-clicked row, to be printed.
    void templateChosen(const core::SavedTransferRecord &record);

private:
    void reload();
    void showList();
    void fitSepaColumns();
    // The row (from 1) of the current record; nothing when the list is empty.
    std::optional<std::size_t> currentRow() const;

    platform::UiService &m_ui;
    TransferTemplateDialog &m_editor;
    SavedTransfersModel *m_model;
    QTableView *m_table;
    QPushButton *m_enter;
    QPushButton *m_edit;
    QPushButton *m_delete;
    std::filesystem::path m_path;
    core::SavedTransferList m_list;
    bool m_usable = false;
};

} // namespace penvaro::payments
