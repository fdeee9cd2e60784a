#include "platform/fileio.h"

#include "platform/drivepath.h"
#include "platform/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace plat {
namespace {

WriteFailureHook &hookStorage()
{
    static WriteFailureHook hook;
    return hook;
}

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw Failure(QStringLiteral("Impossible d'écrire le fichier « %1 ». %2").arg(path, reason));
}

} // namespace

void setWriteFailureHook(WriteFailureHook hook)
{
    hookStorage() = std::move(hook);
}

bool setAttributesNormal(const QString &path)
{
    const QString host = hostPath(path);
    QFileInfo info(host);
    if (!info.exists())
        return false;
    return QFile::setPermissions(host, info.permissions() | QFileDevice::WriteOwner
                                           | QFileDevice::ReadOwner);
}

bool deleteFile(const QString &path)
{
    return QFile::remove(hostPath(path));
}

bool fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(hostPath(path));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        fail(path, QStringLiteral("Nom de fichier vide."));
    if (isDrivePath(path))
        makeParentFolders(path);
    const QString host = hostPath(path);
    if (QFileInfo(host).isDir())
        fail(path, QStringLiteral("Un dossier porte ce nom."));
    setAttributesNormal(path);
    if (const auto &hook = hookStorage()) {
        const QString reason = hook(host);
        if (!reason.isEmpty())
            fail(path, reason);
    }

    QSaveFile file(host);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    // A short write must not reach commit(): some Qt versions would put the
    // truncated file in place and report success.
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            fail(path, reason);
        }
        done += n;
    }
    // The same holds for what is still buffered: a disk that fills up while
    // the buffer is flushed must not be reported as a saved file.
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(path, reason);
    }
    if (!file.commit())
        fail(path, file.errorString());
}

} // namespace plat
