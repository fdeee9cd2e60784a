#include "platform/fileio.h"
#include "tests/support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray sheetOf(char letter, qsizetype size)
{
    QByteArray bytes("Titre\r\n");
    const QByteArray pair = QByteArray(30, letter) + "\r\n" + QByteArray(30, letter) + "\r\n";
    while (bytes.size() < size)
        bytes += pair;
    return bytes;
}

// Saving in a process that is killed at any moment, as by a power cut of the
// program alone, leaves the old sheet or the new one, whole, every time.
TEST(InterruptedWrite, KilledWhileSavingLeavesOldOrNewWhole)
{
    testing_support::Sandbox box;
    const QString path = box.root() + QStringLiteral("/grande.fic");
    const QByteArray sheets[2] = {sheetOf('a', 50 << 20), sheetOf('b', 50 << 20)};
    plat::writeFile(path, sheets[0]);

    QElapsedTimer clock;
    clock.start();
    plat::writeFile(path, sheets[1]);
    const qint64 writeUs = std::max<qint64>(clock.nsecsElapsed() / 1000, 1000);

    int kept[2] = {0, 0};
    int current = 1;
    for (int trial = 0; trial < 12; ++trial) {
        const QByteArray &next = sheets[1 - current];
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            try {
                plat::writeFile(path, next);
            } catch (...) {
                _exit(2);
            }
            _exit(0);
        }
        usleep(useconds_t(QRandomGenerator::global()->bounded(writeUs * 3 / 2)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray now = f.readAll();
        const bool old = now == sheets[current];
        ASSERT_TRUE(old || now == next) << "trial " << trial << ": " << now.size() << " bytes";
        ++kept[old ? 0 : 1];
        if (!old)
            current = 1 - current;
    }
    std::printf("old kept %d, new whole %d\n", kept[0], kept[1]);
    RecordProperty("old_kept", kept[0]);
    RecordProperty("new_whole", kept[1]);
}

} // namespace
