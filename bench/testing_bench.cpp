// The test window on sheets of 10 000 and 100 000 pairs, offscreen: building
// the question lists, choosing the sheet (read and lists), one tick of the
// question timer and one wrong keystroke during a test, each against a plain
// read of the sheet's bytes. Run from a Release build.
#include "bench/windowsetup.h"
#include "bench/ratioreporter.h"
#include "app/mainwindow.h"
#include "app/startupwindow.h"
#include "app/windowset.h"
#include "platform/desktop.h"
#include "platform/drivepath.h"
#include "platform/linelist.h"
#include "platform/system.h"
#include "testing/testcycle.h"
#include "testing/testwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
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
        for (const int pairs : kSizes) {
            const QString path = dir.path() + QStringLiteral("/test%1.fic").arg(pairs);
            QByteArray bytes = "Vocabulaire g\xe9n\xe9ral //saisi en classe\\\\\r\n";
            for (int k = 0; k < pairs; ++k)
                bytes += "word " + QByteArray::number(k) + " of the list\r\nle mot " + QByteArray::number(k)
                    + " \xe9tranger\r\n";
            QFile f(path);
            if (f.open(QIODevice::WriteOnly))
                f.write(bytes);
            paths.append(path);
            Form1->ListBox1.append(path);
            Form4->ListBox1->addItem(QStringLiteral("Vocabulaire général //saisi en classe\\\\"));
        }
        Form1->RadioButton3Click();
        Form4->CheckBox1->setChecked(false);
        Form4->CheckBox2->setChecked(false);
    }
    ~Setting() { destroyWindowSet(); }

    static int index(const benchmark::State &state) { return state.range(0) == kSizes[0] ? 0 : 1; }

    void choose(int i)
    {
        Form4->ListBox1->setItemIndex(i);
        Form4->ListBox1Click();
    }
    // A test under way, its timers left to the benchmark.
    void start(int i)
    {
        choose(i);
        Form4->BitBtn1Click();
        Form4->Timer1Timer();
        for (QTimer *t : {Form4->Timer1, Form4->Timer2, Form4->Timer3, Form4->Timer4})
            t->stop();
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

void BM_BuildLists(benchmark::State &state)
{
    plat::LineList sheet;
    sheet.loadFromFile(g_setting->paths.at(Setting::index(state)));
    quiz::QuestionLists lists;
    for (auto _ : state)
        lists.build(sheet, true);
}
BENCHMARK(BM_BuildLists)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

void BM_ChooseSheet(benchmark::State &state)
{
    for (auto _ : state)
        g_setting->choose(Setting::index(state));
}
BENCHMARK(BM_ChooseSheet)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

// Each tick judges the answer, draws the next question and lays out the panel.
void BM_Tick(benchmark::State &state)
{
    const int i = Setting::index(state);
    g_setting->start(i);
    for (auto _ : state) {
        if (Form4->lists.count() < 10) {
            state.PauseTiming();
            g_setting->start(i);
            state.ResumeTiming();
        }
        Form4->Edit5->setText(QStringLiteral("faux"));
        Form4->Timer1Timer();
    }
}
BENCHMARK(BM_Tick)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

void BM_WrongKeystroke(benchmark::State &state)
{
    g_setting->start(Setting::index(state));
    int n = 0;
    for (auto _ : state)
        Form4->Edit5->setText((n++ % 2) ? QStringLiteral("wor") : QStringLiteral("word"));
}
BENCHMARK(BM_WrongKeystroke)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    useOffscreenWindows();
    QApplication app(argc, argv);
    g_setting = new Setting;
    RatioReporter reporter;
    reporter.run(argc, argv);
    for (const int pairs : kSizes) {
        const auto at = [&](const char *name) { return withArg(name, pairs); };
        const auto limited = [&](const char *what) { return withLimit(what, pairs == kSizes[0]); };
        std::printf("\nTest window, %d pairs (processor time; reference: reading the sheet's bytes)\n", pairs);
        reporter.printRatios(at("BM_ReadBytes"), "the read",
                             {{at("BM_BuildLists"), "building the question lists"},
                              {at("BM_ChooseSheet"), limited("choosing the sheet, read and lists")},
                              {at("BM_Tick"), limited("one tick of the question timer")},
                              {at("BM_WrongKeystroke"), limited("one keystroke of a wrong answer")}});
    }
    benchmark::Shutdown();
    delete g_setting;
    return 0;
}
