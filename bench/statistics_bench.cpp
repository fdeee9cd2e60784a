// User statistics files of 10 000 and 100 000 test records, offscreen: a
// record appended through the completion window (read, append, file written),
// choosing the user in the statistics window (read, text, graph) and drawing
// the graph alone, each against a plain read of the file's bytes. Run from a
// Release build.
#include "bench/windowsetup.h"
#include "bench/ratioreporter.h"
#include "app/startupwindow.h"
#include "app/windowset.h"
#include "platform/desktop.h"
#include "platform/drivepath.h"
#include "platform/system.h"
#include "statistics/completionwindow.h"
#include "statistics/statisticswindow.h"
#include "testing/testwindow.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

const int kSizes[] = {10000, 100000};

struct Setting {
    QTemporaryDir dir;
    QStringList paths;

    Setting()
    {
        openBenchWindowSet(dir.path());
        for (const int records : kSizes) {
            const QString path = dir.path() + QStringLiteral("/user%1.user").arg(records);
            QByteArray bytes = "Fiche de Statistiques Utilisateur :\r\nMarie\r\nOrsiva\r\n\r\n\r\n";
            for (int k = 1; k <= records; ++k)
                bytes += "-----\r\nTest " + QByteArray::number(k)
                    + "\r\nDate :\r\n01/12/2026\r\nHeure :\r\n09:00:00\r\nFiche :\r\nVerbes //CM1\\\\\r\n"
                      "Termes :\r\n10\r\nPourcentage juste :\r\n"
                    + QByteArray::number(k % 101) + "\r\nTemps (sec) :\r\n30\r\n\r\n\r\n";
            QFile f(path);
            if (f.open(QIODevice::WriteOnly))
                f.write(bytes);
            paths.append(path);
        }
        For2->Memo3.setLines(paths);
        For2->Memo3Change();
        // The test the test window hands over at its end.
        For13->test = {QStringLiteral("7"), QStringLiteral("3"), QStringLiteral("95"),
                       QStringLiteral("Verbes //CM1\\\\"), {}};
    }
    ~Setting() { destroyWindowSet(); }

    static int index(const benchmark::State &state) { return state.range(0) == kSizes[0] ? 0 : 1; }

    void choose(int i)
    {
        For2->ListBox1->setItemIndex(i);
        For2->ListBox1Click();
    }
};

Setting *g_setting = nullptr;

void BM_ReadBytes(benchmark::State &state)
{
    const QString path = g_setting->paths.at(Setting::index(state));
    for (auto _ : state) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            benchmark::DoNotOptimize(f.readAll().size());
    }
}
BENCHMARK(BM_ReadBytes)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

// The click on the user's name in the completion window.
void BM_AppendRecord(benchmark::State &state)
{
    const int i = Setting::index(state);
    For13->FormActivate();
    for (auto _ : state) {
        For13->ListBox1->setItemIndex(i);
        For13->ListBox1Click();
    }
}
BENCHMARK(BM_AppendRecord)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

void BM_ChooseUser(benchmark::State &state)
{
    for (auto _ : state)
        g_setting->choose(Setting::index(state));
}
BENCHMARK(BM_ChooseUser)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

void BM_Graph(benchmark::State &state)
{
    g_setting->choose(Setting::index(state));
    for (auto _ : state)
        For2->drawGraph();
}
BENCHMARK(BM_Graph)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    useOffscreenWindows();
    QApplication app(argc, argv);
    g_setting = new Setting;
    RatioReporter reporter;
    reporter.run(argc, argv);
    for (const int records : kSizes) {
        const auto at = [&](const char *name) { return withArg(name, records); };
        const auto limited = [&](const char *what) { return withLimit(what, records == kSizes[0]); };
        std::printf("\nUser file of %d records (processor time; reference: reading the file's bytes)\n", records);
        reporter.printRatios(at("BM_ReadBytes"), "the read",
                             {{at("BM_AppendRecord"), limited("a record appended, file written")},
                              {at("BM_ChooseUser"), limited("choosing the user: text and graph")},
                              {at("BM_Graph"), limited("drawing the graph")}});
    }
    benchmark::Shutdown();
    delete g_setting;
    return 0;
}
