#include "platform/interruptedsaves.h"

#include "platform/drivepath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace plat {

bool isInterruptedSaveOf(QStringView fileName, QStringView target)
{
    // QTemporaryFile's pattern: six ASCII letters in place of "XXXXXX".
    constexpr qsizetype kRandom = 6;
    if (target.isEmpty() || fileName.size() != target.size() + 1 + kRandom)
        return false;
    if (fileName.first(target.size()).compare(target, Qt::CaseInsensitive) != 0
        || fileName.at(target.size()) != u'.')
        return false;
    for (QChar c : fileName.last(kRandom))
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    return true;
}

QStringList removeInterruptedSaves(const QStringList &paths)
{
    QStringList removed;
    for (const QString &path : paths) {
        const QFileInfo target(hostPath(path));
        const QDir folder = target.absoluteDir();
        if (!folder.exists())
            continue;
        // Links are left alone: what one names is not ours to judge.
        const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
        for (const QFileInfo &entry : entries) {
            if (!entry.isFile() || !isInterruptedSaveOf(entry.fileName(), target.fileName()))
                continue;
            if (QFile::remove(entry.absoluteFilePath()))
                removed << entry.absoluteFilePath();
        }
    }
    return removed;
}

} // namespace plat
