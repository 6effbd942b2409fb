#include "fullaccount.h"

#include "support/records.h"

#include <cstdio>
#include <random>

namespace penvaro::bench {

std::vector<core::BookingRecord> FullAccount(int size) {
    std::mt19937 rng(7);
    std::vector<core::BookingRecord> records{penvaro::testing::StartValue(1000000)};
    for (int i = 1; i < size; ++i) {
        char date[16];
        std::snprintf(date, sizeof date, "%02d.%02d.%04d", 1 + static_cast<int>(rng() % 28),
                      1 + static_cast<int>(rng() % 12), 2000 + static_cast<int>(rng() % 11));
        records.push_back(i % 10 == 0 ? penvaro::testing::Planned(date, i)
                                      : penvaro::testing::Completed(2005, i % 300, date, i));
    }
    return records;
}

} // namespace penvaro::bench
