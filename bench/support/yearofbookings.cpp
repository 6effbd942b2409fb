#include "yearofbookings.h"

#include "support/records.h"

#include <cstdio>
#include <random>
#include <string>

namespace penvaro::bench {

std::vector<core::BookingRecord> YearOfBookings() {
    std::mt19937 rng(2027);
    std::vector<core::BookingRecord> records{testing::StartValue(5000000)};
    for (int i = 1; i < 5000; ++i) {
        char date[16];
        std::snprintf(date, sizeof date, "%02d.%02d.2011", 1 + static_cast<int>(rng() % 28),
                      1 + static_cast<int>(rng() % 12));
        const auto amount = static_cast<std::int64_t>(rng() % 2000000) - 1500000;
        core::BookingRecord r = i % 25 == 0    ? testing::Planned(date, amount)
                                : i % 101 == 0 ? testing::Recurring(5, date)
                                               : testing::Completed(2011, 1, date, amount);
        r.Buchungsart.setUtf8("Kategorie " + std::to_string(i % 40));
        r.Absender.setUtf8("Empfänger " + std::to_string(i % 200));
        records.push_back(r);
    }
    return records;
}

} // namespace penvaro::bench
