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

QString hostPath(const QString &path)
{
    if (!isDrivePath(path))
        return path;
    QString current = driveRoot() + QLatin1Char('/') + path.at(0).toLower();
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    const QStringList parts = path.mid(2).split(separators, Qt::SkipEmptyParts);
    // "." and ".." are resolved by name, as Windows does, and never climb
    // above the drive letter: a typed or stored path cannot leave the root.
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
    bool exists = QFileInfo::exists(current);
    for (const QString &part : std::as_const(names)) {
        const QString name = exists ? matchComponent(current, part) : part;
        current += QLatin1Char('/') + name;
        exists = exists && QFileInfo::exists(current);
    }
    return current;
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
