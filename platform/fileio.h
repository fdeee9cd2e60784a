#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

namespace plat {

// The one way the program writes a whole file. The read-only state is cleared
// first, the folders leading to the file are made, and the bytes go through a
// QSaveFile, so a failed write leaves the old file in place. Throws
// plat::Failure with a French reason on any failure.
void writeFile(const QString &path, const QByteArray &bytes);

// Gives the owner write permission (the "normal" attribute). False when the
// file does not exist or cannot be changed; never throws.
bool setAttributesNormal(const QString &path);

bool deleteFile(const QString &path);
bool fileExists(const QString &path);

// Tests make chosen writes fail: the hook gets the host path and returns a
// reason to fail, or an empty text to let the write go on.
using WriteFailureHook = std::function<QString(const QString &hostPath)>;
void setWriteFailureHook(WriteFailureHook hook);

} // namespace plat
