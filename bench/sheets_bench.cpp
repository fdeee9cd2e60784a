// Reading sheets of 100 000 and 1 000 000 pairs of realistic words and
// splitting their titles, with the line list of the learning and test windows
// and with the editor's packed lines, against a plain read of the same bytes
// and against decoding them alone. Processor time. Run from a Release build.
#include "bench/ratioreporter.h"
#include "bench/realwords.h"
#include "platform/encoding.h"
#include "platform/linelist.h"
#include "platform/fileio.h"
#include "platform/packedlines.h"
#include "sheets/sheet.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

const int kSizes[] = {100000, 1000000};

struct SheetFile {
    QTemporaryDir dir;
    QString path;
    qint64 size = 0;
    int pairs = 0;

    explicit SheetFile(int n) : pairs(n)
    {
        path = dir.path() + QStringLiteral("/grande.fic");
        const QByteArray bytes =
            bench::RealWords().sheetBytes(n, QStringLiteral("Vocabulaire général //saisi en classe, version 3\\\\"));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        size = bytes.size();
    }
};

SheetFile &sheetFile(const benchmark::State &state)
{
    static SheetFile small(kSizes[0]);
    static SheetFile big(kSizes[1]);
    return state.range(0) == kSizes[0] ? small : big;
}

void BM_PlainRead(benchmark::State &state)
{
    SheetFile &file = sheetFile(state);
    for (auto _ : state) {
        QFile f(file.path);
        f.open(QIODevice::ReadOnly);
        QByteArray bytes = f.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_PlainRead)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

void BM_ReadSheetAndSplitTitle(benchmark::State &state)
{
    SheetFile &file = sheetFile(state);
    for (auto _ : state) {
        const sheets::Sheet sheet = sheets::Sheet::load(file.path);
        const sheets::TitleFields fields = sheet.title();
        benchmark::DoNotOptimize(fields.name.data());
        if (sheet.pairCount() != file.pairs)
            state.SkipWithError("wrong pair count");
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_ReadSheetAndSplitTitle)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

// The parts of a sheet read, to see where the time goes.
void BM_ParseOnly(benchmark::State &state)
{
    SheetFile &file = sheetFile(state);
    QFile f(file.path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state) {
        const QStringList lines = plat::LineList::parse(bytes);
        benchmark::DoNotOptimize(lines.constData());
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_ParseOnly)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

// The editor's reading of the same sheet: the file decoded once, then one
// pass for the line starts; no string per line.
void BM_ReadPackedAndSplitTitle(benchmark::State &state)
{
    SheetFile &file = sheetFile(state);
    for (auto _ : state) {
        const plat::PackedLines lines = plat::PackedLines::parse(plat::readFileBytes(file.path));
        const sheets::TitleFields fields = sheets::splitTitle(lines.view(0));
        benchmark::DoNotOptimize(fields.name.data());
        if (sheets::pairCount(lines.count()) != file.pairs)
            state.SkipWithError("wrong pair count");
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_ReadPackedAndSplitTitle)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

void BM_PackedParseOnly(benchmark::State &state)
{
    SheetFile &file = sheetFile(state);
    QFile f(file.path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state) {
        const plat::PackedLines lines = plat::PackedLines::parse(bytes);
        benchmark::DoNotOptimize(lines.toText().constData());
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_PackedParseOnly)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

void BM_DecodeOnly(benchmark::State &state)
{
    SheetFile &file = sheetFile(state);
    QFile f(file.path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state) {
        const QString text = plat::decodeText(bytes);
        benchmark::DoNotOptimize(text.constData());
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_DecodeOnly)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    RatioReporter reporter;
    reporter.run(argc, argv);
    for (const int pairs : kSizes) {
        const auto at = [&](const char *name) { return withArg(name, pairs); };
        const double plain = reporter.cpuSeconds[at("BM_PlainRead")];
        const double sheet = reporter.cpuSeconds[at("BM_ReadSheetAndSplitTitle")];
        std::printf("\nSheet of %d pairs of realistic words (processor time)\n", pairs);
        if (plain > 0 && sheet > 0)
            std::printf("  the line list's read and title split takes %.1f times the plain read\n", sheet / plain);
        reporter.printRatios(at("BM_DecodeOnly"), "the decoding",
                             {{at("BM_ReadSheetAndSplitTitle"), "line list: read, split, title"},
                              {at("BM_ParseOnly"), "line list: split only"},
                              {at("BM_ReadPackedAndSplitTitle"), "editor's packed lines: read, split, title"},
                              {at("BM_PackedParseOnly"), "editor's packed lines: split only"}});
        const double decode = reporter.cpuSeconds[at("BM_DecodeOnly")];
        if (decode > 0) {
            const double packed = reporter.cpuSeconds[at("BM_ReadPackedAndSplitTitle")] / decode;
            printGoal("line list read, times the decoding", sheet / decode, 4, "x",
                      floorText("the editor's packed reader", packed, "x"));
        }
    }
    benchmark::Shutdown();
    return 0;
}
