#pragma once
#include <QByteArray>
#include <QString>

namespace plat {

// Files are Windows-1252. A file that is valid UTF-8 and holds at least one
// non-ASCII byte is read as UTF-8 instead. Every byte value survives a
// Windows-1252 round trip, including the five the code page leaves undefined.
QString decodeText(QByteArrayView bytes);

// Windows-1252 when every character fits, otherwise UTF-8 without a BOM, so a
// vocabulary in a script the code page lacks is kept rather than lost. Either
// way decodeText gives the same text back: Windows-1252 bytes that would read
// as UTF-8 are written as UTF-8 instead.
QByteArray encodeText(QStringView text);

// A byte-order mark of UTF-16, little or big endian, opens a file of whole
// 16-bit units. Such a file is read as UTF-16 (a "Unicode" text of Windows
// editors), and saved like any text, as Windows-1252 or UTF-8.
bool isUtf16WithBom(QByteArrayView bytes);

QString fromWindows1252(QByteArrayView bytes);
bool fitsWindows1252(QStringView text);
bool isUtf8WithNonAscii(QByteArrayView bytes);

} // namespace plat
