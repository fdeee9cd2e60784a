#include "setup/firstrun.h"

#include "platform/failure.h"
#include "platform/fileio.h"
#include "platform/linelist.h"
#include "platform/system.h"

#include <QFile>

// The sample sheets are compiled into a static library: nothing refers to
// their resource object unless it is initialised by name.
static void initSampleResources()
{
    Q_INIT_RESOURCE(setup);
}

namespace firstrun {

namespace {
const QStringList kSampleFiles{QStringLiteral("anglais-animaux.fic"),
                               QStringLiteral("allemand-maison.fic"),
                               QStringLiteral("espagnol-restaurant.fic")};
}

QStringList defaultSettings(const QDateTime &moment)
{
    const plat::System &sys = plat::system();
    return {sys.shortDate(moment.date()) + QLatin1Char(' ') + sys.longTime(moment.time()),
            QStringLiteral("Anonyme"), QStringLiteral("Société Anonyme"), QStringLiteral("800")};
}

QStringList sampleSheetPaths()
{
    QStringList paths;
    for (const QString &name : kSampleFiles)
        paths << kSampleFolder + name;
    return paths;
}

QStringList sampleSheet(const QString &fileName)
{
    static const bool ready = (initSampleResources(), true);
    Q_UNUSED(ready);
    if (!kSampleFiles.contains(fileName))
        return {};
    QFile file(QStringLiteral(":/samples/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Held as UTF-8 in the sources; saving writes them in Windows-1252.
    return plat::LineList::parseText(QString::fromUtf8(file.readAll()));
}

QStringList installSampleSheets()
{
    QStringList installed;
    for (const QString &name : kSampleFiles) {
        const QString path = kSampleFolder + name;
        if (!plat::fileExists(path)) {
            const QStringList lines = sampleSheet(name);
            if (lines.isEmpty())
                continue;
            try {
                plat::LineList(lines).saveToFile(path);
            } catch (const plat::Failure &) {
                continue;
            }
        }
        installed << path;
    }
    return installed;
}

} // namespace firstrun
