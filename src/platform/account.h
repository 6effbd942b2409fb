#pragma once

#include "companion.h"

#include "core/bookingtable.h"
#include "core/result.h"
#include "core/statementimport.h"

#include <QDate>
#include <QObject>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace penvaro::platform {

// An open account file: its bookings, path, stamp and read-only state, and its companion
// file. Every change of bookings goes to the account file and the companion as one commit
// (Companion), and is announced by changed(). A file without a companion works as before; the
// companion is made when the first booking has something to keep there.
class Account : public QObject, private core::CommitPartner {
    Q_OBJECT

public:
    explicit Account(QObject *parent = nullptr);
    ~Account() override;

    // Reads the file and its companion. writable: this program holds the file's lock, so that
    // what a killed write left staged in the companion is settled now.
    core::Result<void> load(const std::filesystem::path &file, bool writable);
    // Takes a table read from the file (or the empty one of a new file) with its companion.
    core::Result<void> adopt(const std::filesystem::path &file, core::BookingTable table,
                             bool writable);

    const std::filesystem::path &path() const { return m_path; }
    core::BookingTable &table() { return m_table; }
    const core::BookingTable &table() const { return m_table; }
    bool readOnly() const { return m_table.readOnly; }
    Companion *companion() { return m_companion.get(); }

    // The reference keys of the entries imported in the last two years.
    std::set<std::string> importReferences(QDate today) const;

    core::Result<void> add(const core::BookingRecord &record);
    core::Result<void> add(const std::vector<core::BookingRecord> &records);
    core::Result<void> replace(int slot, const core::BookingRecord &record);
    core::Result<void> remove(int slot);
    // Puts the import into the file and its references into the companion, both or neither.
    core::Result<void> applyImport(const core::ImportPlan &plan, QDate today);
    // Adds the records and puts the written file in the target's place, both or neither: a
    // crash in between is settled at the next opening.
    core::Result<void> addWithFile(const std::vector<core::BookingRecord> &records,
                                   const Companion::FileMove &move);

    // The steps of a commit between its writes. A test's hook throws there to stop the program
    // as a crash would.
    enum class CommitStep { Staged, FileWritten };
    void setCommitStepHook(std::function<void(CommitStep)> hook) { m_stepHook = std::move(hook); }

    static constexpr int KeptYears = 2;

Q_SIGNALS:
    // The bookings changed; whoever shows them shows them again.
    void changed();

private:
    core::Result<void> prepare(const core::BookingTable &next,
                               const core::FileStamp &stamp) override;
    void finish(bool written) override;
    void reloaded(core::BookingTable &table) override;
    core::Result<void> announced(core::Result<void> result);
    void reached(CommitStep step) const {
        if (m_stepHook)
            m_stepHook(step);
    }

    std::filesystem::path m_path;
    core::BookingTable m_table;
    std::unique_ptr<Companion> m_companion;
    bool m_staged = false;
    std::vector<std::string> m_references;
    std::vector<Companion::FileMove> m_moves;
    QDate m_referencesDay;
    std::function<void(CommitStep)> m_stepHook;
};

} // namespace penvaro::platform
