#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

namespace plat {

// The one way the program writes a whole file. The read-only state is cleared
// first, the folders leading to the file are made, and the bytes go through a
// QSaveFile, so a failed write leaves the old file in place. Something that
// exists at the path and is not a plain file (a device, a pipe, a folder,
// also at the end of a link) is never replaced. Throws plat::Failure with a
// French reason on any failure.
void writeFile(const QString &path, const QByteArray &bytes);
// The same write with the bytes made as they go, so that a big file is never
// held whole: `produce` hands each piece, in order, to the function it gets.
// Whatever `produce` throws leaves the old file in place too.
using TakePiece = std::function<void(QByteArrayView)>;
void writeFilePieces(const QString &path, const std::function<void(const TakePiece &)> &produce);

// Gives a plain file its owner's write permission (the "normal" attribute),
// and changes no other permission. False when there is no plain file there or
// it cannot be changed; never throws.
bool setAttributesNormal(const QString &path);

bool deleteFile(const QString &path);
bool fileExists(const QString &path);
// The size in bytes of the file at the path; 0 when nothing is there.
qint64 fileSize(const QString &path);

// The French words for what the system or Qt said about a failed file access
// (no space, no permission, read-only file system, missing folder, file too
// big...); any other text is given back as it is.
QString frenchReason(const QString &systemText);
// The same for a system error number (errno).
QString frenchReason(int errnum);

// For a file the program writes by other means than writeFile (a database
// engine writes its own file): tells the write watcher, and gives what the
// failure hook says of the path, in French, or an empty text. The writer
// calls it at each of its writes, so that tests reach its failure paths.
QString injectedWriteFailure(const QString &path);
// Renames a file, keeping it whole: a damaged file the program cannot use is
// set aside under another name, never deleted. The failure hook and the
// watcher see the new name. False when nothing was renamed.
bool renameFile(const QString &path, const QString &newPath);

// Tests make chosen writes fail: the hook gets the host path and returns a
// reason to fail, or an empty text to let the write go on.
using WriteFailureHook = std::function<QString(const QString &hostPath)>;
void setWriteFailureHook(WriteFailureHook hook);
// Tests see where the program writes: the watcher gets the host path of
// every file about to be written, whatever the failure hook does.
using WriteWatcher = std::function<void(const QString &hostPath)>;
void setWriteWatcher(WriteWatcher watcher);

} // namespace plat
