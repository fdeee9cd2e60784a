// Reading a sheet of 100 000 pairs and splitting its title, against a plain
// read of the same bytes. Run from a Release build.
#include "bench/ratioreporter.h"
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

constexpr int kPairs = 100000;

struct SheetFile {
    QTemporaryDir dir;
    QString path;
    qint64 size = 0;

    SheetFile()
    {
        path = dir.path() + QStringLiteral("/grande.fic");
        QByteArray bytes = "Vocabulaire g\xe9n\xe9ral //saisi en classe, version 3\\\\\r\n";
        bytes.reserve(kPairs * 40);
        for (int k = 1; k <= kPairs; ++k) {
            bytes += "to understand the word ";
            bytes += QByteArray::number(k);
            bytes += "\r\ncomprendre le mot \xe9tranger ";
            bytes += QByteArray::number(k);
            bytes += "\r\n";
        }
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        size = bytes.size();
    }
};

SheetFile &sheetFile()
{
    static SheetFile file;
    return file;
}

void BM_PlainRead(benchmark::State &state)
{
    SheetFile &file = sheetFile();
    for (auto _ : state) {
        QFile f(file.path);
        f.open(QIODevice::ReadOnly);
        QByteArray bytes = f.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_ReadSheetAndSplitTitle(benchmark::State &state)
{
    SheetFile &file = sheetFile();
    for (auto _ : state) {
        const sheets::Sheet sheet = sheets::Sheet::load(file.path);
        const sheets::TitleFields fields = sheet.title();
        benchmark::DoNotOptimize(fields.name.data());
        if (sheet.pairCount() != kPairs)
            state.SkipWithError("wrong pair count");
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_ReadSheetAndSplitTitle)->Unit(benchmark::kMillisecond);

// The parts of a sheet read, to see where the time goes.
void BM_ParseOnly(benchmark::State &state)
{
    SheetFile &file = sheetFile();
    QFile f(file.path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state) {
        const QStringList lines = plat::LineList::parse(bytes);
        benchmark::DoNotOptimize(lines.constData());
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_ParseOnly)->Unit(benchmark::kMillisecond);

// The editor's reading of the same sheet: the file decoded once, then one
// pass for the line starts; no string per line.
void BM_ReadPackedAndSplitTitle(benchmark::State &state)
{
    SheetFile &file = sheetFile();
    for (auto _ : state) {
        const plat::PackedLines lines = plat::PackedLines::parse(plat::readFileBytes(file.path));
        const sheets::TitleFields fields = sheets::splitTitle(lines.view(0));
        benchmark::DoNotOptimize(fields.name.data());
        if (sheets::pairCount(lines.count()) != kPairs)
            state.SkipWithError("wrong pair count");
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_ReadPackedAndSplitTitle)->Unit(benchmark::kMillisecond);

void BM_PackedParseOnly(benchmark::State &state)
{
    SheetFile &file = sheetFile();
    QFile f(file.path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state) {
        const plat::PackedLines lines = plat::PackedLines::parse(bytes);
        benchmark::DoNotOptimize(lines.toText().constData());
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_PackedParseOnly)->Unit(benchmark::kMillisecond);

void BM_DecodeOnly(benchmark::State &state)
{
    SheetFile &file = sheetFile();
    QFile f(file.path);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state) {
        const QString text = plat::decodeText(bytes);
        benchmark::DoNotOptimize(text.constData());
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_DecodeOnly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    RatioReporter reporter;
    reporter.run(argc, argv);
    const double plain = reporter.seconds["BM_PlainRead"];
    const double sheet = reporter.seconds["BM_ReadSheetAndSplitTitle"];
    if (plain > 0 && sheet > 0) {
        const double mb = sheetFile().size / 1e6;
        std::printf("\nSheet of %d pairs, %.2f MB: read and title split at %.0f MB/s, "
                    "plain read at %.0f MB/s; the sheet read takes %.1f times the plain read.\n",
                    kPairs, mb, mb / sheet, mb / plain, sheet / plain);
    }
    std::printf("\nAgainst decoding the bytes alone (processor time):\n");
    reporter.printRatios("BM_DecodeOnly", "the decoding",
                         {{"BM_ReadSheetAndSplitTitle", "line list: read, split, title"},
                          {"BM_ParseOnly", "line list: split only"},
                          {"BM_ReadPackedAndSplitTitle", "editor's packed lines: read, split, title"},
                          {"BM_PackedParseOnly", "editor's packed lines: split only"}});
    benchmark::Shutdown();
    return 0;
}
