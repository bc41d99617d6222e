// Importing an export file into an empty store: 20,000 and 100,000 IP sets over
// 100 connections, from reading the file to the tables showing the new rows.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "ipsets/IPSetDocument.h"
#include "ipsets/o_IPSetTransfer.h"
#include "support/TempStore.h"

namespace {

QString WriteExport(const QTemporaryDir& dir, int sets)
{
    TIPSetDocument document;
    for (int c = 1; c <= 100; ++c)
        document.Connections.push_back("Connection " + std::to_string(c));
    for (int i = 0; i < sets; ++i) {
        const std::string net = "10." + std::to_string(i / 256 % 256) + "." + std::to_string(i % 256) + ".";
        document.Sets.push_back(TIPSetRecord{"Set " + std::to_string(i), net + "5", "255.255.255.0", net + "1",
                                             net + "2", i % 7 == 0, document.Connections[i % 100]});
        if (document.Sets.back().Dhcp)
            document.Sets.back().Address = document.Sets.back().Mask = document.Sets.back().Gateway =
                document.Sets.back().Dns = "0.0.0.0";
    }
    const QString path = dir.filePath(QStringLiteral("sets.json"));
    QFile file(path);
    const std::string text = WriteIPSetDocument(document);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size()))
        return QString();
    return path;
}

void BM_ImportIntoEmptyStore(benchmark::State& state)
{
    const int sets = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = WriteExport(dir, sets);
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the export file");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<TempStore>();
        state.ResumeTiming();
        const TImportReport report = TqxIPSetTransfer(&store->manager)
                                         .ImportFile(path, [](const TIPSetRecord&, const TIPSetRecord&) {
                                             return TConflictChoice::KeepBoth;
                                         });
        state.PauseTiming();
        if (report.Added != sets || store->IPSets()->RecordCount() != sets)
            state.SkipWithError("not every set was imported");
        store.reset();
        state.ResumeTiming();
    }
    state.counters["sets"] = sets;
}

}  // namespace

BENCHMARK(BM_ImportIntoEmptyStore)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
