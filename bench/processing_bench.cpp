// Mixing 1 000 sheets of 1 000 pairs into one dictionary, the file written
// included, against a plain read of the same sheets; converting a cif file of
// 200 000 lines into a sheet, read and write included, against a plain read
// of the cif file. Run from a Release build.
#include "bench/ratioreporter.h"
#include "platform/fileio.h"
#include "processing/sheetprocessing.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kSheets = 1000;
constexpr int kPairs = 1000;

struct Sheets {
    QTemporaryDir dir;
    QStringList paths;
    qint64 size = 0;

    Sheets()
    {
        for (int s = 0; s < kSheets; ++s) {
            QByteArray bytes = "Vocabulaire " + QByteArray::number(s) + " //le\xe7on " + QByteArray::number(s)
                + "\\\\\r\n";
            bytes.reserve(kPairs * 48);
            for (int k = 1; k <= kPairs; ++k) {
                bytes += "the word " + QByteArray::number(k) + " of lesson " + QByteArray::number(s)
                    + "\r\nle mot " + QByteArray::number(k) + " de la le\xe7on " + QByteArray::number(s) + "\r\n";
            }
            // Every other sheet ends with an unpaired line, left out of the mix.
            if (s % 2)
                bytes += "seul\r\n";
            const QString path = dir.path() + QStringLiteral("/fiche%1.fic").arg(s);
            QFile f(path);
            if (f.open(QIODevice::WriteOnly))
                f.write(bytes);
            paths << path;
            size += bytes.size();
        }
    }
};

Sheets &sheets()
{
    static Sheets all;
    return all;
}

void BM_PlainRead(benchmark::State &state)
{
    Sheets &all = sheets();
    for (auto _ : state) {
        for (const QString &path : all.paths) {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            QByteArray bytes = f.readAll();
            benchmark::DoNotOptimize(bytes.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * all.size);
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_MixAndWrite(benchmark::State &state)
{
    Sheets &all = sheets();
    const QString out = all.dir.path() + QStringLiteral("/dictionnaire.fic");
    for (auto _ : state) {
        const QByteArray dictionary = processing::mixSheets(QStringLiteral("Tout"), all.paths);
        plat::writeFile(out, dictionary);
        if (dictionary.count('\n') != 1 + 2 * kSheets * kPairs)
            state.SkipWithError("wrong line count");
    }
    state.SetBytesProcessed(state.iterations() * all.size);
}
BENCHMARK(BM_MixAndWrite)->Unit(benchmark::kMillisecond)->Iterations(3);

// The reading and joining alone, to see where the time goes.
void BM_MixOnly(benchmark::State &state)
{
    Sheets &all = sheets();
    for (auto _ : state) {
        const QByteArray dictionary = processing::mixSheets(QStringLiteral("Tout"), all.paths);
        benchmark::DoNotOptimize(dictionary.constData());
    }
    state.SetBytesProcessed(state.iterations() * all.size);
}
BENCHMARK(BM_MixOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

constexpr int kCifLines = 200000;

struct CifFile {
    QTemporaryDir dir;
    QString path;
    qint64 size = 0;

    CifFile()
    {
        QByteArray bytes;
        bytes.reserve(kCifLines * 24);
        for (int k = 0; k < kCifLines / 2; ++k)
            bytes += "the word " + QByteArray::number(k) + "\r\n";
        for (int k = 0; k < kCifLines / 2; ++k)
            bytes += "le mot " + QByteArray::number(k) + "\r\n";
        path = dir.path() + QStringLiteral("/colonnes.cif");
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        size = bytes.size();
    }
};

CifFile &cifFile()
{
    static CifFile file;
    return file;
}

void BM_CifPlainRead(benchmark::State &state)
{
    for (auto _ : state) {
        QFile f(cifFile().path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_CifPlainRead)->Unit(benchmark::kMillisecond);

// What the conversion window does: read the cif file, build the sheet, save it.
void BM_ConvertCif(benchmark::State &state)
{
    const QString out = cifFile().dir.path() + QStringLiteral("/fiche.fic");
    for (auto _ : state) {
        plat::LineList cif;
        cif.loadFromFile(cifFile().path);
        const plat::LineList sheet(processing::sheetFromCif(cif));
        sheet.saveToFile(out);
        if (sheet.count() != 2 * processing::cifColumnSplit(kCifLines) + 2)
            state.SkipWithError("wrong line count");
    }
}
BENCHMARK(BM_ConvertCif)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    RatioReporter reporter;
    reporter.run(argc, argv);
    const double plain = reporter.cpuSeconds["BM_PlainRead"];
    const double mix = reporter.cpuSeconds["BM_MixAndWrite/iterations:3"];
    if (plain > 0 && mix > 0) {
        const double mb = sheets().size / 1e6;
        std::printf("\n%d sheets of %d pairs, %.1f MB: mixed and written in %.2f s of processor time "
                    "(limit 2 s), plain read in %.3f s; the mix takes %.1f times the plain read.\n",
                    kSheets, kPairs, mb, mix, plain, mix / plain);
    }
    std::printf("\nCif file of %d lines, %.1f MB (processor time; reference: reading the file's bytes)\n",
                kCifLines, cifFile().size / 1e6);
    reporter.printRatios("BM_CifPlainRead", "the plain read",
                         {{"BM_ConvertCif", "converting it into a sheet, written (limit 0.5 s)"}});
    benchmark::Shutdown();
    return 0;
}
