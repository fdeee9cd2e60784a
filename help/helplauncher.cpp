#include "help/helplauncher.h"

#include "platform/drivepath.h"
#include "platform/failure.h"
#include "platform/fileio.h"

#include <QCoreApplication>
#include <QFile>

// The help file and the licence are compiled into a static library: nothing
// refers to their resource object unless it is initialised by name.
static void initHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace helplauncher {

QString configurationPath()
{
    return plat::systemDirectory() + QStringLiteral("\\brn2001.ini");
}

QString viewerPath()
{
    return plat::windowsDirectory() + QStringLiteral("\\brn\\Brenmar\\Brenmar.exe");
}

void rewriteConfiguration(plat::LineList &buffer)
{
    const QString path = configurationPath();
    buffer.loadFromFile(path);
    // Delete, then insert: an empty file gains the line instead of staying empty.
    if (!buffer.isEmpty())
        buffer.removeAt(0);
    buffer.insert(0, kHelpFile);
    buffer.saveToFile(path);
}

helpfile::Parsed openConfiguredDocument()
{
    plat::LineList configuration;
    try {
        configuration.loadFromFile(configurationPath());
    } catch (const plat::Failure &) {
        return {{}, QStringLiteral("La configuration de l'aide « %1 » est introuvable ou illisible : "
                                   "c'est elle qui désigne le fichier d'aide à afficher.")
                        .arg(configurationPath())};
    }
    const QString document = configuration.memoLine(0).trimmed();
    if (document.isEmpty())
        return {{}, QStringLiteral("La configuration de l'aide « %1 » ne désigne aucun fichier "
                                   "d'aide : sa première ligne est vide.")
                        .arg(configurationPath())};
    return helpfile::readFile(document);
}

QByteArray viewerLauncherScript(const QString &viewerFolder)
{
    // Single quotes keep every character of the folder as it is, except a
    // single quote itself, which is closed, escaped and reopened.
    QString quoted = viewerFolder + QStringLiteral("/tavilo-aide");
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    const QString script = QStringLiteral(
        "#!/bin/sh\n"
        "# Lanceur du lecteur d'aide de Tavilo, écrit au premier démarrage.\n"
        "aide='%1'\n"
        "[ -x \"$aide\" ] || aide=tavilo-aide\n"
        "exec \"$aide\" \"$@\"\n").arg(quoted);
    return script.toUtf8();
}

QStringList suppliedText(const QString &name)
{
    static const bool ready = (initHelpResources(), true);
    Q_UNUSED(ready);
    QFile file(QStringLiteral(":/help/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return plat::LineList::parseText(QString::fromUtf8(file.readAll()));
}

QStringList suppliedHelpFile()
{
    // Held as UTF-8 in the sources; saving writes it in Windows-1252.
    return suppliedText(QStringLiteral("tl.aid"));
}

void installHelp()
{
    const auto placeMissing = [](const QString &path, const auto &write) {
        if (plat::fileExists(path))
            return;
        try {
            write(path);
        } catch (const plat::Failure &) {
        }
    };
    placeMissing(kHelpFile, [](const QString &path) {
        plat::LineList(suppliedHelpFile()).saveToFile(path);
    });
    placeMissing(configurationPath(), [](const QString &path) {
        plat::LineList({kHelpFile}).saveToFile(path);
    });
    placeMissing(viewerPath(), [](const QString &path) {
        plat::writeFile(path, viewerLauncherScript(QCoreApplication::applicationDirPath()));
        QFile::setPermissions(plat::hostPath(path),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                  | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                  | QFile::ExeOther);
    });
}

} // namespace helplauncher
