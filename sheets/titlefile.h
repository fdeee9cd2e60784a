#pragma once
#include <QString>

namespace sheets {

// The title line (line 0) of a sheet file, decoded as the whole file would be.
// Only the title is kept in memory, so a catalogued file of any size is checked
// without loading it. Throws plat::Failure when the path is empty, names a
// folder, a dangling link or anything but a readable regular file.
// Reads only as far as the title line ends, unless the title holds a
// non-ASCII byte: then the rest is checked for UTF-8 block by block.
// MakeWritable also gives the owner write permission, as the start-up does
// to every catalogued sheet (also when the file cannot be read).
enum class TitleRead { Only, MakeWritable };
QString readTitleLine(const QString &path, TitleRead mode = TitleRead::Only);

} // namespace sheets
