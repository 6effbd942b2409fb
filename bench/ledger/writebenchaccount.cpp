// Writes the benchmarks' full account into an account file, so that the program itself can be
// measured opening it (bench/compare-startup.sh).
#include "benchledger.h"
#include "support/records.h"

#include "core/accountfile.h"
#include "core/bookingtable.h"

#include <cstdio>

int main(int argc, char **argv) {
    using namespace penvaro;
    if (argc != 2) {
        std::fputs("Aufruf: penvaro_bench_account DATEI.p11\n", stderr);
        return 2;
    }
    core::BookingTable table;
    testing::Fill(table, bench::FullAccount());
    if (auto saved = core::SaveAccountFile(table, argv[1]); !saved) {
        std::fprintf(stderr, "%s\n", saved.error().message.c_str());
        return 1;
    }
    return 0;
}
