// The sheet editor on a sheet of 10 000 pairs, offscreen: choosing the sheet
// (both columns filled and laid out), one keystroke of the search, adding a
// pair and deleting one (the file rewrite included), each against a plain
// read of the sheet. Run from a Release build.
#include "bench/ratioreporter.h"
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
#include <map>
#include <string>

namespace {

// 10 000 pairs, or the number in TAVILO_BENCH_PAIRS (100 000, 1 000 000).
const int kPairs = [] {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("TAVILO_BENCH_PAIRS", &ok);
    return ok && n > 0 ? n : 10000;
}();

struct Setting {
    QTemporaryDir dir;
    QString path;

    Setting()
    {
        plat::setDriveRoot(dir.path() + QStringLiteral("/drive"));
        plat::setDesktop(std::make_unique<plat::ScriptedDesktop>());
        plat::setSystem(std::make_unique<plat::FixedSystem>());
        path = dir.path() + QStringLiteral("/grande.fic");
        QByteArray bytes = "Vocabulaire g\xe9n\xe9ral //saisi en classe\\\\\r\n";
        // Terms in a scattered order, so that sorting has work to do.
        for (int k = 1; k <= kPairs; ++k) {
            const int n = (k * 7919) % kPairs;
            bytes += "word " + QByteArray::number(n) + " of the list\r\nle mot " + QByteArray::number(n)
                + " \xe9tranger\r\n";
        }
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        createWindowSet();
        Form1->ListBox1.append(path);
        Form2->ListBox1->addItem(QStringLiteral("Vocabulaire général //saisi en classe\\\\"));
        Form2->resize(1024, 700);
        Form2->show();
    }
    ~Setting() { destroyWindowSet(); }

    void choose()
    {
        Form2->ListBox1->setItemIndex(0);
        Form2->ListBox1Click();
        // Lay out and paint the columns, as the user would see them.
        QCoreApplication::processEvents();
    }
};

// Made and dropped by main, while the application object lives.
Setting *g_setting = nullptr;

Setting &setting()
{
    return *g_setting;
}

void BM_ReadSheet(benchmark::State &state)
{
    Setting &s = setting();
    for (auto _ : state) {
        plat::LineList lines;
        lines.loadFromFile(s.path);
        benchmark::DoNotOptimize(lines.lines().constData());
    }
}
BENCHMARK(BM_ReadSheet)->Unit(benchmark::kMillisecond);

// The peak memory of what a benchmark measures, against the file's size.
void countPeak(benchmark::State &state)
{
    state.counters["peak_MB"] = peakMemoryMB();
    state.counters["peak_x_file"] = peakMemoryMB() * 1024 * 1024 / double(QFileInfo(setting().path).size());
}

void BM_ChooseSheet(benchmark::State &state)
{
    Setting &s = setting();
    resetPeakMemory();
    for (auto _ : state)
        s.choose();
    countPeak(state);
    if (Form2->columns->rows() != kPairs)
        state.SkipWithError("wrong row count");
}
BENCHMARK(BM_ChooseSheet)->Unit(benchmark::kMillisecond);

// The part of choosing that sorts the rows, on lines already read.
void BM_SortColumns(benchmark::State &state)
{
    Setting &s = setting();
    const plat::PackedLines lines = plat::PackedLines::parse(plat::readFileBytes(s.path));
    editor::TermColumns columns;
    for (auto _ : state) {
        columns.build(lines, false);
        benchmark::DoNotOptimize(columns.rows());
    }
}
BENCHMARK(BM_SortColumns)->Unit(benchmark::kMillisecond);

// The worst keystroke: a text no row begins with scans every row.
void BM_SearchKeystroke(benchmark::State &state)
{
    Setting &s = setting();
    s.choose();
    int i = 0;
    for (auto _ : state) {
        Form2->Edit1->setText((i++ % 2) ? QStringLiteral("wordz") : QStringLiteral("word 9999 of the lisz"));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

void BM_AddPair(benchmark::State &state)
{
    Setting &s = setting();
    s.choose();
    resetPeakMemory();
    int i = 0;
    for (auto _ : state) {
        Form2->Edit1->setText(QStringLiteral("added ") + QString::number(i++));
        Form2->Edit2->setText(QStringLiteral("ajouté"));
        Form2->ajout();
        QCoreApplication::processEvents();
    }
    countPeak(state);
}
BENCHMARK(BM_AddPair)->Unit(benchmark::kMillisecond);

void BM_DeletePair(benchmark::State &state)
{
    Setting &s = setting();
    s.choose();
    resetPeakMemory();
    for (auto _ : state) {
        Form2->ListBox2->setItemIndex(Form2->columns->rows() / 2);
        static_cast<plat::ScriptedDesktop &>(plat::desktop()).messageAnswers.push_back(plat::mrYes);
        Form2->BitBtn3Click();
        QCoreApplication::processEvents();
    }
    countPeak(state);
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
    const double read = reporter.seconds["BM_ReadSheet"];
    if (read > 0) {
        std::printf("\nEditor on a sheet of %d pairs; reading the sheet takes %.2f ms.\n", kPairs,
                    read * 1e3);
        const std::pair<const char *, const char *> rows[] = {
            {"BM_ChooseSheet", "choosing the sheet (limit 200 ms)"},
            {"BM_SortColumns", "of which sorting the rows"},
            {"BM_SearchKeystroke", "one search keystroke (limit 20 ms)"},
            {"BM_AddPair", "adding a pair, file written (limit 20 ms)"},
            {"BM_DeletePair", "deleting a pair, file written (limit 20 ms)"},
        };
        for (const auto &[name, what] : rows) {
            const double t = reporter.seconds[name];
            if (t > 0)
                std::printf("  %-45s %8.2f ms, %6.1f times the read\n", what, t * 1e3, t / read);
        }
    }
    benchmark::Shutdown();
    delete g_setting;
    return 0;
}
