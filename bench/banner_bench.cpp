// The main window's banner with a message file of 100 000 lines, offscreen:
// the read at each activation of the main window and one tick of the banner
// (a step of 3 pixels, or the next line entering and measured), each against a
// plain read of the file's bytes. Run from a Release build.
#include "app/banner.h"
#include "bench/ratioreporter.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kLines = 100000;

struct MessageFile {
    QTemporaryDir dir;
    QString path;
    qint64 size = 0;

    MessageFile()
    {
        QByteArray bytes;
        bytes.reserve(kLines * 70);
        for (int k = 0; k < kLines; ++k)
            bytes += "Message " + QByteArray::number(k) + " : une nouvelle fiche d'anglais est en ligne.\r\n";
        path = dir.path() + QStringLiteral("/Infos.txt");
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        size = bytes.size();
    }
};

MessageFile &messageFile()
{
    static MessageFile file;
    return file;
}

void BM_PlainRead(benchmark::State &state)
{
    for (auto _ : state) {
        QFile f(messageFile().path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

void BM_LoadMessages(benchmark::State &state)
{
    plat::LineList messages;
    for (auto _ : state)
        if (!banner::loadMessages(messages, messageFile().path) || messages.count() != kLines)
            state.SkipWithError("file not read");
}
BENCHMARK(BM_LoadMessages)->Unit(benchmark::kMillisecond);

// Ticks across many messages, so that the lines entering (measured on entry)
// are in the average with the plain steps.
void BM_Tick(benchmark::State &state)
{
    plat::LineList messages;
    banner::loadMessages(messages, messageFile().path);
    banner::Scroller scroller(messages);
    const QFontMetrics metrics(QFont(QStringLiteral("Arial"), 12));
    scroller.setMeasure([&metrics](QStringView piece) { return qint64(metrics.horizontalAdvance(piece.toString())); });
    qint64 entered = 0;
    for (auto _ : state)
        entered += scroller.tick();
    state.counters["lines entered"] = double(entered);
}
BENCHMARK(BM_Tick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    useOffscreenWindows();
    QGuiApplication app(argc, argv);
    RatioReporter reporter;
    reporter.run(argc, argv);
    std::printf("\nBanner file of %d lines, %.1f MB (processor time; reference: reading the file's bytes)\n",
                kLines, messageFile().size / 1e6);
    reporter.printRatios("BM_PlainRead", "the plain read",
                         {{"BM_LoadMessages", "reading the banner list (each activation; limit 100 ms)"},
                          {"BM_Tick", "one tick (limit 100 ms)"}});
    benchmark::Shutdown();
    return 0;
}
