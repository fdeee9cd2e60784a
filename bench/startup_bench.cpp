// The start-up pass over a big catalogue, offscreen: 1 000 sheets of 1 000
// pairs, and a catalogue of 100 000 small sheets, each against reading the
// first block of every catalogued file with plain system calls. Run from a
// Release build.
#include "bench/ratioreporter.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "app/startupwindow.h"
#include "app/windowset.h"
#include "platform/desktop.h"
#include "platform/drivepath.h"
#include "platform/system.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct Catalogue {
    QTemporaryDir dir;
    QStringList paths;

    Catalogue(int sheets, int pairs)
    {
        QByteArray body;
        for (int k = 0; k < pairs; ++k)
            body += "house number " + QByteArray::number(k) + "\r\nmaison num\xe9ro " + QByteArray::number(k) + "\r\n";
        QDir().mkpath(dir.path() + QStringLiteral("/s"));
        for (int i = 0; i < sheets; ++i) {
            const QString path = dir.path() + QStringLiteral("/s/f%1.fic").arg(i);
            QFile f(path);
            if (f.open(QIODevice::WriteOnly))
                f.write("Vocabulaire " + QByteArray::number(i) + " //fiche\\\\\r\n" + body);
            paths.append(path);
        }
    }

    // The state files of a normal start, over this catalogue.
    void install() const
    {
        const QString root = dir.path() + QStringLiteral("/drive");
        plat::setDriveRoot(root);
        QDir().mkpath(root + QStringLiteral("/c/windows"));
        auto put = [&](const QString &name, const QByteArray &bytes) {
            QFile f(root + QStringLiteral("/c/windows/") + name);
            if (f.open(QIODevice::WriteOnly))
                f.write(bytes);
        };
        put(QStringLiteral("tavilo.ini"), "08/12/2026 10:00:00\r\nNom\r\nSoci\xe9t\xe9\r\n4846\r\nMouse\r\n5\r\n10\r\n10\r\nclBlack\r\n");
        put(QStringLiteral("TLusers.ini"), QByteArray());
        put(QStringLiteral("BRNlist.ini"), paths.join(QStringLiteral("\r\n")).toLocal8Bit() + "\r\n");
    }
};

void firstBlocks(const QStringList &paths)
{
    char block[4096];
    for (const QString &p : paths) {
        const int fd = ::open(QFile::encodeName(p).constData(), O_RDONLY);
        if (fd >= 0) {
            benchmark::DoNotOptimize(::read(fd, block, sizeof block));
            ::close(fd);
        }
    }
}

void startupPass(benchmark::State &state, const Catalogue &catalogue)
{
    catalogue.install();
    for (auto _ : state) {
        Form7->FormActivate();
        if (Form1->ListBox1.count() != catalogue.paths.size())
            state.SkipWithError("sheets dropped");
    }
}

Catalogue *g_big = nullptr;
Catalogue *g_many = nullptr;

void BM_FirstBlocks1000(benchmark::State &state)
{
    for (auto _ : state)
        firstBlocks(g_big->paths);
}
BENCHMARK(BM_FirstBlocks1000)->Unit(benchmark::kMillisecond);

void BM_StartupPass1000(benchmark::State &state)
{
    startupPass(state, *g_big);
}
BENCHMARK(BM_StartupPass1000)->Unit(benchmark::kMillisecond);

void BM_FirstBlocks100000(benchmark::State &state)
{
    for (auto _ : state)
        firstBlocks(g_many->paths);
}
BENCHMARK(BM_FirstBlocks100000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StartupPass100000(benchmark::State &state)
{
    startupPass(state, *g_many);
}
BENCHMARK(BM_StartupPass100000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    useOffscreenWindows();
    QApplication app(argc, argv);
    plat::setDesktop(std::make_unique<plat::ScriptedDesktop>());
    plat::setSystem(std::make_unique<plat::FixedSystem>());
    g_big = new Catalogue(1000, 1000);
    g_many = new Catalogue(100000, 2);
    createWindowSet();
    Form7->Timer1->stop();
    Form7->Timer2->stop();
    RatioReporter reporter;
    reporter.run(argc, argv);
    const std::pair<const char *, const char *> rows[][2] = {
        {{"BM_StartupPass1000", "start-up pass, 1 000 sheets of 1 000 pairs (limit 300 ms)"},
         {"BM_FirstBlocks1000", ""}},
        {{"BM_StartupPass100000/iterations:3", "start-up pass, catalogue of 100 000 (limit 2 s)"},
         {"BM_FirstBlocks100000/iterations:3", ""}},
    };
    std::printf("\nProcessor time:\n");
    for (const auto &row : rows) {
        const double t = reporter.cpuSeconds[row[0].first];
        const double ref = reporter.cpuSeconds[row[1].first];
        if (t > 0 && ref > 0)
            std::printf("  %-60s %8.1f ms, %5.1f times reading each file's first block\n", row[0].second,
                        t * 1e3, t / ref);
    }
    destroyWindowSet();
    delete g_many;
    delete g_big;
    benchmark::Shutdown();
    return 0;
}
