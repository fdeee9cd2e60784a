#pragma once
#include <QString>
#include <QStringList>

namespace plat {

// A save cut short in the instant between QSaveFile's naming of the new file
// and its rename over the old one leaves that file behind, under the target's
// name followed by a dot and six random letters. For each file named (Windows
// or host paths), removes the plain files of its folder named so, and nothing
// else. Gives back the host paths removed.
QStringList removeInterruptedSaves(const QStringList &paths);
// Whether a file name is such a leftover of a save to `target` (a file name
// too); the case of the target's part does not matter, as on the drive.
bool isInterruptedSaveOf(QStringView fileName, QStringView target);

} // namespace plat
