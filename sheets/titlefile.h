#pragma once
#include <QString>

namespace sheets {

// The title line (line 0) of a sheet file, decoded as the whole file would be.
// Only the title is kept in memory, so a catalogued file of any size is checked
// without loading it. Throws plat::Failure when the path is empty, names a
// folder, a dangling link or anything but a readable regular file.
QString readTitleLine(const QString &path);

} // namespace sheets
