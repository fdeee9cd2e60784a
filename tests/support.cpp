#include "tests/support.h"

#include "app/startupwindow.h"
#include "app/windowset.h"
#include "platform/drivepath.h"
#include "platform/fileio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <limits>

namespace testing_support {

Sandbox::Sandbox()
{
    plat::setDriveRoot(m_dir.path() + QStringLiteral("/drive"));
    plat::setWriteWatcher([this](const QString &host) {
        if (!inside(host))
            ADD_FAILURE() << "written outside the test's folder: " << host.toStdString();
    });
    auto desktop = std::make_unique<plat::ScriptedDesktop>();
    m_desktop = desktop.get();
    plat::setDesktop(std::move(desktop));
    auto system = std::make_unique<plat::FixedSystem>();
    m_system = system.get();
    plat::setSystem(std::move(system));
    // Never the real engine, nor a sound card.
    auto speech = std::make_unique<plat::RecordingSpeech>();
    m_speech = speech.get();
    plat::setSpeech(std::move(speech));
    plat::setWriteFailureHook({});
}

Sandbox::~Sandbox()
{
    plat::setWriteWatcher({});
    plat::setWriteFailureHook({});
    plat::setDesktop(std::make_unique<plat::ScriptedDesktop>());
    plat::setSystem(std::make_unique<plat::FixedSystem>());
    plat::setSpeech(std::make_unique<plat::RecordingSpeech>());
}

bool Sandbox::inside(const QString &hostPath) const
{
    const QString root = QDir(m_dir.path()).absolutePath() + QLatin1Char('/');
    return QFileInfo(hostPath).absoluteFilePath().startsWith(root);
}

void Sandbox::put(const QString &path, const QByteArray &bytes) const
{
    const QString host = plat::hostPath(path);
    if (!inside(host)) {
        ADD_FAILURE() << "put outside the test's folder: " << host.toStdString();
        return;
    }
    QDir().mkpath(QFileInfo(host).absolutePath());
    QFile f(host);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QString Sandbox::putHostFile(const QString &name, const QByteArray &bytes) const
{
    const QString path = root() + QLatin1Char('/') + name;
    put(path, bytes);
    return path;
}

QByteArray Sandbox::get(const QString &path) const
{
    QFile f(plat::hostPath(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool Sandbox::exists(const QString &path) const
{
    return QFileInfo::exists(plat::hostPath(path));
}

void QuietWindowSet::SetUp()
{
    createWindowSet();
    Form7->Timer1->stop();
    Form7->Timer2->stop();
}

void QuietWindowSet::TearDown()
{
    destroyWindowSet();
}

qint64 quickestCpuNs(int runs, const std::function<void()> &work)
{
    const auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    };
    qint64 quickest = std::numeric_limits<qint64>::max();
    for (int i = 0; i < runs; ++i) {
        const qint64 start = now();
        work();
        quickest = std::min(quickest, now() - start);
    }
    return quickest;
}

QByteArray crlf(std::initializer_list<const char *> lines)
{
    QByteArray out;
    for (const char *l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace testing_support
