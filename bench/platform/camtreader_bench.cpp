#include "platform/camtreader.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// One entry whose amount element carries the given number of attributes: a statement has a
// handful, a hostile file a hundred thousand (2.9 MB). Either is answered at once.
QByteArray statementWithAttributes(int attributes) {
    std::string amount = "<Amt Ccy=\"EUR\"";
    for (int i = 0; i < attributes; ++i)
        amount += " a" + std::to_string(i) + "=\"x\"";
    amount += ">1.00</Amt>";
    return QByteArray::fromStdString(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\">"
        "<BkToCstmrStmt><Stmt><LglSeqNb>3</LglSeqNb><CreDtTm>2026-03-01</CreDtTm><Ntry>"
        + amount
        + "<CdtDbtInd>CRDT</CdtDbtInd><Sts>BOOK</Sts><ValDt><Dt>2026-02-27</Dt></ValDt></Ntry>"
          "</Stmt></BkToCstmrStmt></Document>\n");
}

void BM_ReadCamtWithManyAttributes(benchmark::State &state) {
    const QByteArray document = statementWithAttributes(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(penvaro::platform::ReadCamtStatements(document));
    state.SetBytesProcessed(state.iterations() * document.size());
}
BENCHMARK(BM_ReadCamtWithManyAttributes)
    ->Arg(0)
    ->Arg(60)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

} // namespace
