#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

// What a first run puts in place besides the windows it shows.
namespace firstrun {

inline const QString kUserListPath = QStringLiteral("C:\\windows\\TLusers.ini");
inline const QString kSampleFolder = QStringLiteral("C:\\Orsiva\\Tavilo !\\");

// The four lines of a fresh settings file.
QStringList defaultSettings(const QDateTime &moment);

// The sample sheets' paths as the catalogue stores them, in catalogue order.
QStringList sampleSheetPaths();

// The text of a sample sheet, by file name ("anglais-animaux.fic"); empty
// for a name that is not one of them.
QStringList sampleSheet(const QString &fileName);

// Puts the sample sheets in their folder. A sheet already there is left as
// it is (the user may have changed it); one that cannot be written is left
// out. Returns the paths of the sheets that are on disk afterwards.
QStringList installSampleSheets();

} // namespace firstrun
