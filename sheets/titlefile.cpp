#include "sheets/titlefile.h"

#include "platform/drivepath.h"
#include "platform/encoding.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "platform/linelist.h"

#include <QFile>
#include <QFileInfo>

namespace sheets {
namespace {

[[noreturn]] void cannotRead(const QString &path, const QString &reason)
{
    throw plat::Failure(QStringLiteral("Impossible d'ouvrir le fichier « %1 ». %2").arg(path, reason));
}

qsizetype firstOf(QByteArrayView bytes, std::initializer_list<char> stops)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        for (char c : stops)
            if (bytes[i] == c)
                return i;
    return bytes.size();
}

} // namespace

QString readTitleLine(const QString &path)
{
    if (path.isEmpty())
        cannotRead(path, QStringLiteral("Nom de fichier vide."));
    const QString host = plat::hostPath(path);
    const QFileInfo info(host);
    if (info.isDir())
        cannotRead(path, QStringLiteral("C'est un dossier."));
    // A pipe or a device would block the start-up or never end.
    if (!info.exists() || !info.isFile())
        cannotRead(path, QStringLiteral("Le fichier n'existe pas."));
    QFile file(host);
    if (!file.open(QIODevice::ReadOnly))
        cannotRead(path, plat::frenchReason(file.errorString()));
    if (file.size() == 0)
        return QString();

    // Mapped rather than read: the page cache holds a big file, not the heap.
    uchar *mapped = file.map(0, file.size());
    QByteArray readCopy;
    QByteArrayView bytes;
    if (mapped) {
        bytes = QByteArrayView(reinterpret_cast<const char *>(mapped), file.size());
    } else {
        readCopy = file.readAll();
        if (file.error() != QFileDevice::NoError)
            cannotRead(path, plat::frenchReason(file.errorString()));
        bytes = readCopy;
    }

    // UTF-16 holds NUL bytes in its text: it is decoded whole.
    if (plat::isUtf16WithBom(bytes))
        return plat::LineList::parse(bytes).value(0);

    // A NUL byte ends the text; the encoding is that of the text before it.
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);
    const QByteArrayView title = bytes.first(firstOf(bytes, {'\r', '\n'}));

    bool ascii = true;
    for (char c : title)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    // Plain ASCII reads the same in both encodings: no need to scan the rest.
    if (ascii)
        return QString::fromLatin1(title);
    if (plat::isUtf8WithNonAscii(bytes))
        return QString::fromUtf8(title);
    return plat::fromWindows1252(title);
}

} // namespace sheets
