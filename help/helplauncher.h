#pragma once
#include "help/helpfile.h"
#include "platform/linelist.h"

#include <QString>

// The help is read by a separate viewer. The program tells it which document
// to open through the first line of the viewer's configuration file, then
// starts it; the viewer reads that line back.
namespace helplauncher {

inline const QString kHelpFile = QStringLiteral("C:\\windows\\tl.aid");
inline const QString kMissingViewer =
    QStringLiteral("Le programme Brenmar! est introuvable. Veuillez l'installer sur votre "
                   "ordinateur pour pouvoir lire le fichier d'aide.");

QString configurationPath(); // the system directory's "brn2001.ini"
QString viewerPath();        // the viewer under the Windows directory

// Loads the configuration into the buffer, puts the help file in its first
// line (the other lines stay as they are) and saves it. Throws plat::Failure
// when the file cannot be read or written; a missing file is never created.
void rewriteConfiguration(plat::LineList &buffer);

// What the viewer shows: the document named in the configuration's first
// line, or a French explanation of why there is none to show.
helpfile::Parsed openConfiguredDocument();

// The shell script placed at the viewer's path: it runs the viewer built with
// the program, found in the given folder, else by name on the search path.
QByteArray viewerLauncherScript(const QString &viewerFolder);

// Puts in place what reading the help needs, each piece only where it is
// missing: the help file, a configuration naming it, and the launcher of the
// viewer that sits next to this program. A piece that cannot be written is
// left out; the launcher then says the viewer is missing.
void installHelp();

// The help file supplied with the program.
QStringList suppliedHelpFile();
// A text compiled into the program next to the help file, by its name there
// ("licence.txt"); empty when there is none.
QStringList suppliedText(const QString &name);

} // namespace helplauncher
