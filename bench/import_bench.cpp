// Importing word lists of realistic words: a kvtml document of 100 000
// entries written as the KDE trainers write theirs (grades, dates, lessons:
// about 25 MB) and a csv file of 1 000 000 lines, each read, turned into a
// sheet and written, against a plain read of the same bytes and, for the
// kvtml document, against xmllint's streaming parse of it when xmllint is
// installed (package libxml2-utils); and the two exports of a sheet of
// 100 000 pairs. Processor time. Run from a Release build.
#include "bench/ratioreporter.h"
#include "bench/realwords.h"
#include "interchange/delimitedtext.h"
#include "interchange/kvtml.h"
#include "interchange/vocabularytable.h"
#include "platform/fileio.h"
#include "platform/linelist.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <QProcess>
#include <QStandardPaths>

#include <sys/resource.h>

#include <cstdio>

namespace {

// TAVILO_BENCH_ENTRIES makes both smaller or bigger, the csv file keeping
// ten lines for each kvtml entry.
const int kEntries = [] {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("TAVILO_BENCH_ENTRIES", &ok);
    return ok && n > 0 ? n : 100000;
}();
const int kCsvLines = 10 * kEntries;

struct Files {
    QTemporaryDir dir;
    QString kvtml, csv;
    qint64 kvtmlSize = 0, csvSize = 0;
    plat::PackedLines sheet;

    Files()
    {
        const std::vector<bench::RealWords::Pair> words = bench::RealWords().pairs(kCsvLines);
        const auto xml = [](const QString &text) {
            return text.toHtmlEscaped().toUtf8();
        };
        QByteArray doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
                         "\"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml version=\"2.0\">\n <information>\n"
                         "  <generator>trainer 1.0</generator>\n  <title>Grand vocabulaire</title>\n"
                         "  <author>Classe de seconde</author>\n  <date>2024-03-01</date>\n </information>\n"
                         " <identifiers>\n  <identifier id=\"0\">\n   <name>English</name>\n   <locale>en</locale>\n"
                         "  </identifier>\n  <identifier id=\"1\">\n   <name>Fran\xc3\xa7" "ais</name>\n"
                         "   <locale>fr</locale>\n  </identifier>\n </identifiers>\n <entries>\n";
        doc.reserve(kEntries * 280);
        for (int k = 0; k < kEntries; ++k) {
            const QByteArray id = QByteArray::number(k);
            const QByteArray grade = QByteArray::number(k % 7);
            const QByteArray day = QByteArray::number(10 + k % 18);
            doc += "  <entry id=\"" + id + "\">\n   <translation id=\"0\">\n    <text>" + xml(words[size_t(k)].foreign)
                + "</text>\n   </translation>\n   <translation id=\"1\">\n    <text>" + xml(words[size_t(k)].french)
                + "</text>\n    <grade>\n     <currentgrade>" + grade + "</currentgrade>\n     <count>"
                + QByteArray::number(k % 11) + "</count>\n     <errorcount>" + QByteArray::number(k % 3)
                + "</errorcount>\n     <date>2024-02-" + day + "T18:42:07</date>\n    </grade>\n"
                "   </translation>\n  </entry>\n";
        }
        doc += " </entries>\n <lessons>\n  <container>\n   <name>Lecon 1</name>\n   <inpractice>true</inpractice>\n";
        for (int k = 0; k < kEntries; ++k)
            doc += "   <entry id=\"" + QByteArray::number(k) + "\"/>\n";
        doc += "  </container>\n </lessons>\n</kvtml>\n";
        QString text;
        text.reserve(qsizetype(kCsvLines) * 40);
        for (const bench::RealWords::Pair &p : words) {
            text += p.foreign;
            text += QLatin1String(";\"");
            text += p.french;
            text += QLatin1String("\"\r\n");
        }
        kvtml = write("grand.kvtml", doc);
        csv = write("grand.csv", plat::encodeText(text));
        kvtmlSize = doc.size();
        csvSize = QFileInfo(csv).size();
        QStringList lines{QStringLiteral("Anglais")};
        for (int k = 0; k < kEntries; ++k)
            lines << words[size_t(k)].foreign << words[size_t(k)].french;
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
// The memory the process holds now, in MB.
double residentMB()
{
    double kb = 0;
    if (std::FILE *f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f)) {
            if (std::sscanf(line, "VmRSS: %lf kB", &kb) == 1)
                break;
        }
        std::fclose(f);
    }
    return kb / 1024;
}

void importFile(benchmark::State &state, const QString &path, qsizetype pairs)
{
    const QString out = files().dir.path() + QStringLiteral("/importee.fic");
    // What the import adds to the memory the process already holds.
    resetPeakMemory();
    const double before = residentMB();
    for (auto _ : state) {
        const interchange::VocabularyTable table = interchange::readVocabularyFile(path);
        const interchange::ImportedSheet sheet =
            interchange::buildSheet(table, interchange::defaultChoice(table), QStringLiteral("grand"));
        plat::saveTextToFile(out, sheet.text);
        if (sheet.pairs != pairs)
            state.SkipWithError("wrong pair count");
    }
    state.counters["peak_x_file"] = (peakMemoryMB() - before) * 1024 * 1024 / double(QFileInfo(path).size());
}

void BM_KvtmlPlainRead(benchmark::State &state) { plainRead(state, files().kvtml); }
BENCHMARK(BM_KvtmlPlainRead)->Unit(benchmark::kMillisecond);
void BM_KvtmlImport(benchmark::State &state) { importFile(state, files().kvtml, kEntries); }
BENCHMARK(BM_KvtmlImport)->Unit(benchmark::kMillisecond)->Iterations(3);
// The floor: xmllint's streaming parse of the same document, in a process of
// its own whose processor time is taken from the system.
double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_KvtmlXmllintStream(benchmark::State &state)
{
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty()) {
        state.SkipWithError("xmllint is not installed");
        return;
    }
    for (auto _ : state) {
        const double before = childCpuSeconds();
        QProcess p;
        p.start(xmllint, {QStringLiteral("--stream"), QStringLiteral("--noout"), files().kvtml});
        p.waitForFinished(-1);
        state.SetIterationTime(childCpuSeconds() - before);
    }
}
BENCHMARK(BM_KvtmlXmllintStream)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

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
    // xmllint's time is its process's processor time, measured by hand
    // around it: the "real" column of that row holds it.
    const double xmllint = reporter.seconds["BM_KvtmlXmllintStream/iterations:5/manual_time"] * 1e3;
    const double import = reporter.cpuMs("BM_KvtmlImport/iterations:3");
    if (xmllint > 0)
        printGoal("kvtml import, times xmllint --stream", import / xmllint, 2, "x",
                  floorText("xmllint --stream", xmllint, "ms"));
    else
        std::printf("  kvtml import %.1f ms (goal: at most twice xmllint --stream; install libxml2-utils to "
                    "measure it)\n", import);
    // Measured at 1 000 000 entries with TAVILO_BENCH_ENTRIES=1000000.
    printGoal("kvtml import, peak memory added, times the file at " + std::to_string(kEntries),
              reporter.counters["BM_KvtmlImport/iterations:3"], 3, "x");
    std::printf("\ncsv file of %d lines, %.1f MB\n", kCsvLines, files().csvSize / 1e6);
    reporter.printRatios("BM_CsvPlainRead", "the plain read",
                         {{"BM_CsvImport/iterations:3", "imported as a sheet, written"}});
    benchmark::Shutdown();
    return 0;
}
