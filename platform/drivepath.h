#pragma once
#include <QString>

namespace plat {

// The program names its files with Windows paths ("C:\windows\tavilo.ini").
// They live under a drive root on the host: "C:\dir\file" is <root>/c/dir/file,
// each component matched case-insensitively against what exists, so that
// "C:\windows" and "C:\Windows" are one folder. Host paths pass through.
void setDriveRoot(const QString &root);
QString driveRoot();

bool isDrivePath(QStringView path);
// The host path for a Windows or host path. Components that do not exist yet
// keep the spelling given; nothing is created.
QString hostPath(const QString &path);
// The host path spelt exactly as given, without asking the disk. When it
// names something that exists it is what hostPath gives too, since an exact
// match wins over a case-folded one.
QString exactHostPath(const QString &path);
// Creates the folders leading to the file named by a path.
bool makeParentFolders(const QString &path);

QString windowsDirectory(); // "C:\windows"
QString systemDirectory();  // "C:\windows\system32"

} // namespace plat
