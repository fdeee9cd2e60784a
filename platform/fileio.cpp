#include "platform/fileio.h"

#include "platform/drivepath.h"
#include "platform/failure.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace plat {
namespace {

WriteFailureHook &hookStorage()
{
    static WriteFailureHook hook;
    return hook;
}

WriteWatcher &watcherStorage()
{
    static WriteWatcher watcher;
    return watcher;
}

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    const QString cause = frenchReason(reason);
    throw Failure(QStringLiteral("Impossible d'écrire le fichier « %1 ». %2").arg(path, cause), cause);
}

struct Reason {
    int code;
    // Qt words a few codes itself, and translates them.
    const char *qtText;
    const char *french;
};

const Reason kReasons[] = {
    {ENOSPC, "No space left on device", "Il n'y a plus de place sur le disque."},
    {EDQUOT, nullptr, "Votre quota d'espace disque est atteint."},
    {EACCES, "Permission denied", "Vous n'avez pas l'autorisation d'accéder à ce fichier."},
    {EPERM, nullptr, "Vous n'avez pas l'autorisation d'accéder à ce fichier."},
    {EROFS, nullptr, "Le disque est en lecture seule."},
    {ENOENT, "No such file or directory", "Le fichier ou son dossier n'existe pas."},
    {ENOTDIR, nullptr, "Un fichier se trouve là où un dossier est attendu."},
    {EFBIG, nullptr, "Le fichier est trop gros."},
    {ENAMETOOLONG, nullptr, "Le nom du fichier est trop long."},
    {EIO, nullptr, "Erreur de lecture ou d'écriture sur le disque."},
};

} // namespace

QString frenchReason(int errnum)
{
    for (const Reason &r : kReasons)
        if (r.code == errnum)
            return QString::fromUtf8(r.french);
    return QString::fromLocal8Bit(std::strerror(errnum));
}

QString frenchReason(const QString &systemText)
{
    const QString text = systemText.trimmed();
    if (text.isEmpty())
        return text;
    for (const Reason &r : kReasons) {
        QStringList words{QString::fromLocal8Bit(std::strerror(r.code))};
        if (r.qtText)
            words << QString::fromLatin1(r.qtText) << QCoreApplication::translate("QIODevice", r.qtText);
        // Qt sometimes puts the system's words after its own ("Cannot
        // create ...: Permission denied").
        for (const QString &w : words)
            if (!w.isEmpty() && text.contains(w, Qt::CaseInsensitive))
                return QString::fromUtf8(r.french);
    }
    return text;
}

void setWriteFailureHook(WriteFailureHook hook)
{
    hookStorage() = std::move(hook);
}

void setWriteWatcher(WriteWatcher watcher)
{
    watcherStorage() = std::move(watcher);
}

bool setAttributesNormal(const QString &path)
{
    // Through POSIX rather than QFile::setPermissions: Qt adds what the
    // current user may do to the owner's bits, which would also make a file
    // of mode 000 readable.
    const QByteArray host = QFile::encodeName(hostPath(path));
    struct stat st;
    if (path.isEmpty() || ::stat(host.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if (st.st_mode & S_IWUSR)
        return true;
    return ::chmod(host.constData(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

bool deleteFile(const QString &path)
{
    return QFile::remove(hostPath(path));
}

bool fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(hostPath(path));
}

qint64 fileSize(const QString &path)
{
    return path.isEmpty() ? 0 : QFileInfo(hostPath(path)).size();
}

QString injectedWriteFailure(const QString &path)
{
    const QString host = hostPath(path);
    if (const auto &watcher = watcherStorage())
        watcher(host);
    if (const auto &hook = hookStorage())
        return frenchReason(hook(host));
    return QString();
}

bool renameFile(const QString &path, const QString &newPath)
{
    if (!injectedWriteFailure(newPath).isEmpty())
        return false;
    return QFile::rename(hostPath(path), hostPath(newPath));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    writeFilePieces(path, [&](const TakePiece &take) { take(bytes); });
}

void writeFilePieces(const QString &path, const std::function<void(const TakePiece &)> &produce)
{
    if (path.isEmpty())
        fail(path, QStringLiteral("Nom de fichier vide."));
    if (const auto &watcher = watcherStorage())
        watcher(hostPath(path));
    if (isDrivePath(path))
        makeParentFolders(path);
    const QString host = hostPath(path);
    const QFileInfo target(host); // follows a link to what it names
    if (target.isDir())
        fail(path, QStringLiteral("Un dossier porte ce nom."));
    // A device or a pipe would be replaced by a plain file: a system device
    // lost, when the program runs with the rights to do so.
    if (target.exists() && !target.isFile())
        fail(path, QStringLiteral("Ce n'est pas un fichier ordinaire : il ne peut pas être remplacé."));
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
    produce([&](QByteArrayView bytes) {
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
    });
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
