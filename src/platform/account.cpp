#include "account.h"

#include "clock.h"

#include "core/accountfile.h"
#include "core/bookingchanges.h"

#include <algorithm>

namespace penvaro::platform {
namespace {

bool hasDetails(const core::BookingTable &table) {
    for (const core::BookingRecord &r : table.used()) {
        if (r.details)
            return true;
    }
    return false;
}

} // namespace

Account::Account(QObject *parent)
    : QObject(parent) {
    m_table.partner = this;
}

Account::~Account() = default;

core::Result<void> Account::load(const std::filesystem::path &file, bool writable) {
    core::BookingTable table;
    if (auto loaded = core::LoadAccountFile(file, table); !loaded)
        return loaded;
    return adopt(file, std::move(table), writable);
}

core::Result<void> Account::adopt(const std::filesystem::path &file, core::BookingTable table,
                                  bool writable) {
    m_path = file;
    m_table = std::move(table);
    m_table.partner = this;
    m_table.readOnly = !writable;
    m_companion.reset();
    // The bookings are the account's all the same; they show their short texts, and a change
    // that needs the companion is refused while it cannot be read.
    auto companion = Companion::Open(file, false);
    if (!companion)
        return companion.error();
    m_companion = std::move(*companion);
    if (!m_companion)
        return {};
    if (writable) {
        if (auto settled = m_companion->settle(m_table.stamp); !settled)
            return settled;
    }
    m_companion->attach(m_table);
    return {};
}

std::set<std::string> Account::importReferences(QDate today) const {
    if (!m_companion)
        return {};
    const auto since = static_cast<std::int32_t>(DayCountOf(today.addYears(-KeptYears)));
    // Without them the comparison of the texts still finds most entries imported before.
    auto references = m_companion->importReferences(since);
    return references ? std::move(*references) : std::set<std::string>();
}

core::Result<void> Account::prepare(const core::BookingTable &next, const core::FileStamp &stamp) {
    m_staged = false;
    // A copy of the table handed to core is no change of this account, and a table that came
    // from no file has nothing beside it.
    if (&next != &m_table || m_path.empty())
        return {};
    if (!m_companion) {
        if (m_references.empty() && m_moves.empty() && !hasDetails(next))
            return {};
        auto made = Companion::Open(m_path, true);
        if (!made)
            return made.error();
        m_companion = std::move(*made);
    }
    const QDate day = m_referencesDay.isValid() ? m_referencesDay : QDate::currentDate();
    if (auto staged = m_companion->stage(
            next, stamp, m_references, static_cast<std::int32_t>(DayCountOf(day)),
            static_cast<std::int32_t>(DayCountOf(day.addYears(-KeptYears))), m_moves);
        !staged)
        return staged;
    m_staged = true;
    reached(CommitStep::Staged);
    return {};
}

void Account::finish(bool written) {
    if (!m_staged)
        return;
    m_staged = false;
    // What cannot be settled now stays staged and is settled at the next opening.
    if (written) {
        reached(CommitStep::FileWritten);
        (void)m_companion->confirm();
        return;
    }
    // A failed write may still have put the file in place; the file on disk decides.
    const auto onDisk = core::StampOnDisk(m_path);
    if (onDisk)
        (void)m_companion->settle(*onDisk);
}

void Account::reloaded(core::BookingTable &table) {
    if (m_companion)
        m_companion->attach(table);
}

core::Result<void> Account::announced(core::Result<void> result) {
    m_references.clear();
    m_referencesDay = {};
    m_moves.clear();
    // A refused change may have read the file again (Changed), which is a change to show too.
    Q_EMIT changed();
    return result;
}

core::Result<void> Account::add(const core::BookingRecord &record) {
    return announced(core::AddBooking(m_table, record, m_path));
}

core::Result<void> Account::add(const std::vector<core::BookingRecord> &records) {
    return announced(core::AddBookings(m_table, records, m_path));
}

core::Result<void> Account::replace(int slot, const core::BookingRecord &record) {
    return announced(core::ReplaceBooking(m_table, slot, record, m_path));
}

core::Result<void> Account::remove(int slot) {
    return announced(core::DeleteBooking(m_table, slot, m_path));
}

core::Result<void> Account::addWithFile(const std::vector<core::BookingRecord> &records,
                                        const Companion::FileMove &move) {
    m_moves = {move};
    return announced(core::AddBookings(m_table, records, m_path));
}

core::Result<void> Account::applyImport(const core::ImportPlan &plan, QDate today) {
    m_references = plan.references;
    m_referencesDay = today;
    const bool changesBookings = std::any_of(plan.steps.begin(), plan.steps.end(), [](auto &step) {
        return step.action == core::ImportAction::Added
               || step.action == core::ImportAction::Matched;
    });
    if (changesBookings || m_references.empty())
        return announced(core::ApplyImportPlan(m_table, plan, m_path));
    // Entries found by their texts learn their references all the same, for the next file in
    // the other format; the account file stays as it is.
    auto stamp = core::StampOnDisk(m_path);
    if (!stamp)
        return announced(stamp.error());
    if (auto prepared = prepare(m_table, stamp->value_or(core::FileStamp{})); !prepared) {
        finish(false);
        return announced(prepared);
    }
    finish(true);
    return announced({});
}

} // namespace penvaro::platform
