#pragma once

#include "appfixture.h"

#include "core/bookingrecord.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace penvaro::testing {

using penvaro::testing::ScriptedUiService;

// One open account on top of the program's objects: the file giro.p11, open without bookings
// and checked for recurring bookings on the day it was opened, and a count of the ledger
// refreshes. Numbers are typed the German way.
struct Account : penvaro::testing::TestApp {
    explicit Account(Store kind = Store::Usable);

    // Saves the records as the account file and loads them as the program would: sorted.
    void open(const std::vector<core::BookingRecord> &records);
    std::vector<core::BookingRecord> inTable() const;
    // The records of the file in the order they are stored.
    std::vector<core::BookingRecord> onDisk() const;
    // The file as the program shows it when it is opened again: loaded and sorted.
    std::vector<core::BookingRecord> reopened() const;
    QString file() const { return QString::fromStdString(path.string()); }
    // The statement date the account's settings hold for the statement; nothing when none.
    std::optional<double> rememberedStatementDate(int year, int number) const;

    std::filesystem::path path;
    int refreshes = 0;
};

// Runs the action while no file can grow beyond one byte, as on a full disk.
void WithFullDisk(const std::function<void()> &action);

// A day count from "dd.mm.yyyy".
double Day(const char *text);

core::BookingRecord WithTexts(core::BookingRecord record, const char *type, const char *party,
                              const char *purpose);

ScriptedUiService::Shown ErrorShown(std::int32_t code, const QString &text);

} // namespace penvaro::testing
