// The sheet editor on sheets of realistic words, 100 000 and 1 000 000
// pairs, offscreen: choosing the sheet through the window's own handler (read,
// decoded, split, both columns sorted, filled and laid out), one keystroke of
// the search, adding a pair and deleting one (the file rewrite included), each
// beside its goal and its floor, the sheet read, decoded and split into lines.
// Processor time throughout. Run from a Release build.
#include "bench/windowsetup.h"
#include "bench/ratioreporter.h"
#include "bench/realwords.h"
#include "app/mainwindow.h"
#include "app/windowset.h"
#include "editor/editorwindow.h"
#include "editor/termcolumns.h"
#include "editor/termlistview.h"
#include "platform/desktop.h"
#include "platform/drivepath.h"
#include "platform/linelist.h"
#include "platform/packedlines.h"
#include "platform/system.h"
#include "sheets/titlelistbox.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <map>
#include <string>

namespace {

// The two sizes the goals are set for; TAVILO_BENCH_PAIRS replaces the
// smaller (the larger stays ten times as big).
const int kSmall = [] {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("TAVILO_BENCH_PAIRS", &ok);
    return ok && n > 0 ? n : 100000;
}();
const int kSizes[] = {kSmall, 10 * kSmall};

struct Setting {
    QTemporaryDir dir;
    QStringList paths;

    Setting()
    {
        openBenchWindowSet(dir.path(), true);
        for (const int pairs : kSizes) {
            const QString path = dir.path() + QStringLiteral("/grande%1.fic").arg(pairs);
            QFile f(path);
            if (f.open(QIODevice::WriteOnly))
                f.write(bench::RealWords().sheetBytes(pairs));
            paths.append(path);
            Form1->ListBox1.append(path);
            Form2->ListBox1->addItem(QStringLiteral("Vocabulaire général //saisi en classe\\\\"));
        }
        Form2->resize(1024, 700);
        Form2->show();
    }
    ~Setting() { destroyWindowSet(); }

    static int index(const benchmark::State &state) { return state.range(0) == kSizes[0] ? 0 : 1; }

    void choose(int i)
    {
        Form2->ListBox1->setItemIndex(i);
        Form2->ListBox1Click();
        // Lay out and paint the columns, as the user would see them.
        QCoreApplication::processEvents();
    }
};

// What the program does once the user has paused after big work.
void handBackFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

// Made and dropped by main, while the application object lives.
Setting *g_setting = nullptr;

Setting &setting()
{
    return *g_setting;
}

// The floor: the sheet read, decoded and split into lines, as the editor
// holds them.
void BM_ReadSheet(benchmark::State &state)
{
    const QString &path = setting().paths.at(Setting::index(state));
    for (auto _ : state) {
        const plat::PackedLines lines = plat::PackedLines::parse(plat::readFileBytes(path));
        benchmark::DoNotOptimize(lines.toText().constData());
    }
}
BENCHMARK(BM_ReadSheet)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

// The peak memory of what a benchmark measures, against the file's size.
void countPeak(benchmark::State &state, int i)
{
    state.counters["peak_MB"] = peakMemoryMB();
    state.counters["peak_x_file"] = peakMemoryMB() * 1024 * 1024 / double(QFileInfo(setting().paths.at(i)).size());
}

void BM_ChooseSheet(benchmark::State &state)
{
    Setting &s = setting();
    const int i = Setting::index(state);
    resetPeakMemory();
    for (auto _ : state)
        s.choose(i);
    countPeak(state, i);
    if (Form2->columns->rows() != kSizes[i])
        state.SkipWithError("wrong row count");
}
BENCHMARK(BM_ChooseSheet)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

// Choosing after the user paused: the memory the previous choice freed has
// gone back to the system and is mapped and zeroed again.
void BM_ChooseSheetAfterPause(benchmark::State &state)
{
    Setting &s = setting();
    const int i = Setting::index(state);
    for (auto _ : state) {
        state.PauseTiming();
        handBackFreedMemory();
        state.ResumeTiming();
        s.choose(i);
    }
}
BENCHMARK(BM_ChooseSheetAfterPause)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

// The part of choosing that sorts the rows, on lines already read.
void BM_SortColumns(benchmark::State &state)
{
    const plat::PackedLines lines =
        plat::PackedLines::parse(plat::readFileBytes(setting().paths.at(Setting::index(state))));
    editor::TermColumns columns;
    for (auto _ : state) {
        columns.build(lines, false);
        benchmark::DoNotOptimize(columns.rows());
    }
}
BENCHMARK(BM_SortColumns)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

// The worst keystrokes: texts no row begins with scan every row, one of them
// sharing its first letters with many rows.
void BM_SearchKeystroke(benchmark::State &state)
{
    Setting &s = setting();
    s.choose(Setting::index(state));
    int i = 0;
    for (auto _ : state) {
        Form2->Edit1->setText((i++ % 2) ? QStringLiteral("the schverqx") : QStringLiteral("zqx"));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SearchKeystroke)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

void BM_AddPair(benchmark::State &state)
{
    Setting &s = setting();
    s.choose(0);
    resetPeakMemory();
    int i = 0;
    for (auto _ : state) {
        Form2->Edit1->setText(QStringLiteral("added ") + QString::number(i++));
        Form2->Edit2->setText(QStringLiteral("ajouté"));
        Form2->ajout();
        QCoreApplication::processEvents();
    }
    countPeak(state, 0);
}
BENCHMARK(BM_AddPair)->Unit(benchmark::kMillisecond);

void BM_DeletePair(benchmark::State &state)
{
    Setting &s = setting();
    s.choose(0);
    resetPeakMemory();
    for (auto _ : state) {
        Form2->ListBox2->setItemIndex(Form2->columns->rows() / 2);
        static_cast<plat::ScriptedDesktop &>(plat::desktop()).messageAnswers.push_back(plat::mrYes);
        Form2->BitBtn3Click();
        QCoreApplication::processEvents();
    }
    countPeak(state, 0);
}
BENCHMARK(BM_DeletePair)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    useOffscreenWindows();
    QApplication app(argc, argv);
    g_setting = new Setting;
    RatioReporter reporter;
    reporter.run(argc, argv);
    std::printf("\nEditor on sheets of realistic words (processor time per operation)\n");
    for (const int pairs : kSizes) {
        const auto at = [&](const char *name) { return withArg(name, pairs); };
        const double read = reporter.cpuMs(at("BM_ReadSheet"));
        const std::string floor = floorText("read, decoded, split", read, "ms");
        const auto row = [&](const char *what) { return std::string(what) + " at " + std::to_string(pairs); };
        printGoal(row("choosing the sheet"), reporter.cpuMs(at("BM_ChooseSheet")), pairs <= 100000 ? 40 : 250,
                  "ms", floor);
        if (const double paused = reporter.cpuMs(at("BM_ChooseSheetAfterPause")); paused > 0)
            std::printf("    after a pause, freed memory handed back first %.2f ms\n", paused);
        if (const double sort = reporter.cpuMs(at("BM_SortColumns")); sort > 0)
            std::printf("    of which sorting the rows %.2f ms\n", sort);
        printGoal(row("one search keystroke"), reporter.cpuMs(at("BM_SearchKeystroke")), 16, "ms");
    }
    printGoal("adding a pair, file written", reporter.cpuMs("BM_AddPair"), 20, "ms");
    printGoal("deleting a pair, file written", reporter.cpuMs("BM_DeletePair"), 20, "ms");
    benchmark::Shutdown();
    delete g_setting;
    return 0;
}
