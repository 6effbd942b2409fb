// Writes the benchmarks' full account into an account file, so that the program itself can be
// measured opening it (bench/compare-startup.sh); 5000 bookings unless told otherwise.
#include "fullaccount.h"
#include "support/records.h"

#include "core/accountfile.h"
#include "core/bookingtable.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    using namespace penvaro;
    const int size = argc == 3 ? std::atoi(argv[2]) : 5000;
    if (argc < 2 || argc > 3 || size < 1 || size > core::MaxBookings) {
        std::fputs("Aufruf: penvaro_bench_account DATEI.p11 [BUCHUNGEN]\n", stderr);
        return 2;
    }
    core::BookingTable table;
    testing::Fill(table, bench::FullAccount(size));
    if (auto saved = core::SaveAccountFile(table, argv[1]); !saved) {
        std::fprintf(stderr, "%s\n", saved.error().message.c_str());
        return 1;
    }
    return 0;
}
