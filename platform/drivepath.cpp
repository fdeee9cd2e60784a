#include "platform/drivepath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace plat {
namespace {

QString &rootStorage()
{
    static QString root;
    return root;
}

// Finds the entry of a folder whose name equals `name` ignoring case; an exact
// match wins over a case-folded one.
QString matchComponent(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                              | QDir::NoDotAndDotDot);
    for (const QString &e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return name;
}

} // namespace

void setDriveRoot(const QString &root)
{
    rootStorage() = root;
}

QString driveRoot()
{
    QString &root = rootStorage();
    if (root.isEmpty())
        root = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
               + QStringLiteral("/drive");
    return root;
}

bool isDrivePath(QStringView path)
{
    return path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter()
           && path[0].unicode() < 128
           && (path.size() == 2 || path[2] == QLatin1Char('\\') || path[2] == QLatin1Char('/'));
}

namespace {

// The components of a drive path below its letter, "." and ".." resolved by
// name, as Windows does, never climbing above the drive letter: a typed or
// stored path cannot leave the root.
QStringList driveComponents(const QString &path)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    const QStringList parts = path.mid(2).split(separators, Qt::SkipEmptyParts);
    QStringList names;
    names.reserve(parts.size());
    for (const QString &part : parts) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!names.isEmpty())
                names.removeLast();
            continue;
        }
        names.append(part);
    }
    return names;
}

QString driveLetterFolder(const QString &path)
{
    return driveRoot() + QLatin1Char('/') + path.at(0).toLower();
}

} // namespace

QString hostPath(const QString &path)
{
    if (!isDrivePath(path))
        return path;
    QString current = driveLetterFolder(path);
    const QStringList names = driveComponents(path);
    bool exists = QFileInfo::exists(current);
    for (const QString &part : names) {
        const QString name = exists ? matchComponent(current, part) : part;
        current += QLatin1Char('/') + name;
        exists = exists && QFileInfo::exists(current);
    }
    return current;
}

QString exactHostPath(const QString &path)
{
    if (!isDrivePath(path))
        return path;
    const QStringList names = driveComponents(path);
    return names.isEmpty() ? driveLetterFolder(path)
                           : driveLetterFolder(path) + QLatin1Char('/') + names.join(QLatin1Char('/'));
}

bool makeParentFolders(const QString &path)
{
    const QFileInfo info(hostPath(path));
    return QDir().mkpath(info.absolutePath());
}

QString windowsDirectory()
{
    return QStringLiteral("C:\\windows");
}

QString systemDirectory()
{
    return QStringLiteral("C:\\windows\\system32");
}

} // namespace plat
