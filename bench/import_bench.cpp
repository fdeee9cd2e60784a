// Importing word lists: a kvtml document of 100 000 entries and a csv file of
// 1 000 000 lines, each read, turned into a sheet and written, against a
// plain read of the same bytes; and the two exports of a sheet of 100 000
// pairs. Run from a Release build.
#include "bench/ratioreporter.h"
#include "interchange/delimitedtext.h"
#include "interchange/kvtml.h"
#include "interchange/vocabularytable.h"
#include "platform/fileio.h"
#include "platform/linelist.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kEntries = 100000;
constexpr int kCsvLines = 1000000;

struct Files {
    QTemporaryDir dir;
    QString kvtml, csv;
    qint64 kvtmlSize = 0, csvSize = 0;
    plat::PackedLines sheet;

    Files()
    {
        QByteArray doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n<information><title>"
                         "Grand vocabulaire</title></information>\n<identifiers><identifier id=\"0\"><name>English"
                         "</name><locale>en</locale></identifier><identifier id=\"1\"><name>Fran\xc3\xa7" "ais"
                         "</name><locale>fr</locale></identifier></identifiers>\n<entries>\n";
        doc.reserve(kEntries * 160);
        for (int k = 0; k < kEntries; ++k)
            doc += "  <entry id=\"" + QByteArray::number(k) + "\">\n   <translation id=\"0\">\n    <text>the word "
                + QByteArray::number(k) + "</text>\n   </translation>\n   <translation id=\"1\">\n    <text>le mot "
                + QByteArray::number(k) + " \xc3\xa9tranger</text>\n   </translation>\n  </entry>\n";
        doc += "</entries>\n</kvtml>\n";
        QByteArray text;
        text.reserve(kCsvLines * 40);
        for (int k = 0; k < kCsvLines; ++k)
            text += "the word " + QByteArray::number(k) + ";\"le mot " + QByteArray::number(k)
                + ", \xe9tranger\"\r\n";
        kvtml = write("grand.kvtml", doc);
        csv = write("grand.csv", text);
        kvtmlSize = doc.size();
        csvSize = text.size();
        QStringList lines{QStringLiteral("Anglais")};
        for (int k = 0; k < kEntries; ++k)
            lines << QStringLiteral("the word %1").arg(k) << QStringLiteral("le mot %1").arg(k);
        sheet = plat::PackedLines(lines);
    }
    QString write(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.path() + u'/' + QLatin1String(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return path;
    }
};

Files &files()
{
    static Files all;
    return all;
}

void plainRead(benchmark::State &state, const QString &path)
{
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
}

// What the import does once the user has answered the dialogs.
void importFile(benchmark::State &state, const QString &path, qsizetype pairs)
{
    const QString out = files().dir.path() + QStringLiteral("/importee.fic");
    for (auto _ : state) {
        const interchange::VocabularyTable table = interchange::readVocabularyFile(path);
        const interchange::ImportedSheet sheet =
            interchange::buildSheet(table, interchange::defaultChoice(table), QStringLiteral("grand"));
        plat::saveTextToFile(out, sheet.text);
        if (sheet.pairs != pairs)
            state.SkipWithError("wrong pair count");
    }
}

void BM_KvtmlPlainRead(benchmark::State &state) { plainRead(state, files().kvtml); }
BENCHMARK(BM_KvtmlPlainRead)->Unit(benchmark::kMillisecond);
void BM_KvtmlImport(benchmark::State &state) { importFile(state, files().kvtml, kEntries); }
BENCHMARK(BM_KvtmlImport)->Unit(benchmark::kMillisecond)->Iterations(3);
void BM_CsvPlainRead(benchmark::State &state) { plainRead(state, files().csv); }
BENCHMARK(BM_CsvPlainRead)->Unit(benchmark::kMillisecond);
void BM_CsvImport(benchmark::State &state) { importFile(state, files().csv, kCsvLines); }
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_KvtmlExport(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(interchange::kvtmlDocument(files().sheet).constData());
}
BENCHMARK(BM_KvtmlExport)->Unit(benchmark::kMillisecond);
void BM_TabExport(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(interchange::tabSeparatedText(files().sheet).constData());
}
BENCHMARK(BM_TabExport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    RatioReporter reporter;
    reporter.run(argc, argv);
    std::printf("\nkvtml document of %d entries, %.1f MB (processor time; reference: reading its bytes)\n", kEntries,
                files().kvtmlSize / 1e6);
    reporter.printRatios("BM_KvtmlPlainRead", "the plain read",
                         {{"BM_KvtmlImport/iterations:3", "imported as a sheet, written (limit 1 s)"}});
    std::printf("\ncsv file of %d lines, %.1f MB\n", kCsvLines, files().csvSize / 1e6);
    reporter.printRatios("BM_CsvPlainRead", "the plain read",
                         {{"BM_CsvImport/iterations:3", "imported as a sheet, written"}});
    benchmark::Shutdown();
    return 0;
}
