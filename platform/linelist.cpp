#include "platform/linelist.h"

#include "platform/drivepath.h"
#include "platform/encoding.h"
#include "platform/failure.h"
#include "platform/fileio.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <limits>

namespace plat {

QStringList LineList::parseText(QStringView text)
{
    QStringList out;
    const qsizetype n = text.size();
    // One allocation for the list, not one growth step after another.
    out.reserve(text.count(u'\n') + 1);
    forEachLine(text.utf16(), n, [&](qsizetype start, qsizetype length, qsizetype) {
        out.append(text.mid(start, length).toString());
    });
    return out;
}

namespace {

// The lines of a decoded text as strings that share its memory: each line's
// end becomes the NUL that closes a string, and each line is a string over
// its part of the text's block, holding a reference to it. A file's lines
// cost that one block and an entry each, not a block per line; the block is
// freed with the last of them, and a line that is changed gets a block of
// its own as any shared string does.
QStringList sharedLines(QString text)
{
    const qsizetype n = text.size();
    if (n == 0)
        return {};
    char16_t *s = reinterpret_cast<char16_t *>(text.data());
    qsizetype count = 0;
    forEachLine(s, n, [&](qsizetype, qsizetype, qsizetype) { ++count; });
    QStringList out;
    out.reserve(count);
    if (count > std::numeric_limits<int>::max() / 2) {
        // More lines than a block can count references: a string each.
        forEachLine(s, n, [&](qsizetype start, qsizetype length, qsizetype) {
            out.append(QString(reinterpret_cast<const QChar *>(s + start), length));
        });
        return out;
    }
    // The references are taken at once, and the list has its room: nothing
    // below can fail with a line made and its reference missing.
    QString::DataPointer &block = text.data_ptr();
    block.d_ptr()->ref_.fetchAndAddRelaxed(int(count));
    forEachLine(s, n, [&](qsizetype start, qsizetype length, qsizetype) {
        // The line's end character has been read by now; a last line open
        // at the text's end has the string's own NUL after it.
        if (start + length < n)
            s[start + length] = u'\0';
        out.append(QString(QString::DataPointer(block.d_ptr(), s + start, length)));
    });
    return out;
}

} // namespace

QStringList LineList::parse(QByteArrayView bytes)
{
    // The text decoded whole at once is quicker than line by line, and its
    // lines are the same: CR and LF are line ends in every encoding read.
    return sharedLines(decodeFileText(bytes));
}

QString LineList::toText() const
{
    qsizetype size = 0;
    for (const QString &l : m_lines)
        size += l.size() + 2;
    QString out;
    out.reserve(size);
    for (const QString &l : m_lines) {
        out += l;
        out += QLatin1String("\r\n");
    }
    return out;
}

QByteArray LineList::toBytes() const
{
    // Most sheets are Windows-1252 throughout: their bytes are written
    // straight from the lines, without the whole text in between. Any other
    // text, or bytes that would read back as another text, go by the text.
    qsizetype size = 0;
    for (const QString &l : m_lines)
        size += l.size() + 2;
    QByteArray out(size, Qt::Uninitialized);
    char *d = out.data();
    for (const QString &l : m_lines) {
        if (!toWindows1252Bytes(l, d))
            return encodeText(toText());
        d += l.size();
        *d++ = '\r';
        *d++ = '\n';
    }
    if (isUtf8WithNonAscii(out) || isUtf16WithBom(out))
        return encodeText(toText());
    return out;
}

namespace {

// Opens a plain file for a whole read. Throws plat::Failure.
void openWhole(const QString &path, QFile &f)
{
    const QString host = hostPath(path);
    if (path.isEmpty())
        throw Failure(QStringLiteral("Impossible d'ouvrir le fichier « ». Nom de fichier vide."));
    QFileInfo info(host);
    if (info.isDir())
        throw Failure(QStringLiteral("Impossible d'ouvrir le fichier « %1 ». C'est un dossier.").arg(path));
    // A pipe would wait for a writer forever and a device such as /dev/zero
    // never ends: only plain files are read.
    if (info.exists() && !info.isFile())
        throw Failure(QStringLiteral("Impossible d'ouvrir le fichier « %1 ». Ce n'est pas un fichier ordinaire.")
                          .arg(path));
    f.setFileName(host);
    if (!f.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Impossible d'ouvrir le fichier « %1 ». %2")
                          .arg(path, frenchReason(f.errorString())));
}

[[noreturn]] void readFailed(const QString &path, const QFile &f)
{
    throw Failure(QStringLiteral("Impossible de lire le fichier « %1 ». %2")
                      .arg(path, frenchReason(f.errorString())));
}

} // namespace

QByteArray readFileBytes(const QString &path)
{
    QFile f;
    openWhole(path, f);
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        readFailed(path, f);
    return bytes;
}

void readFileChunks(const QString &path, const std::function<void(QByteArrayView)> &take)
{
    QFile f;
    openWhole(path, f);
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = f.read(chunk.data(), chunk.size());
        if (got < 0 || f.error() != QFileDevice::NoError)
            readFailed(path, f);
        if (got == 0)
            return;
        take(QByteArrayView(chunk.data(), got));
    }
}

QByteArray unreadTail(QByteArrayView bytes)
{
    if (isUtf16WithBom(bytes))
        return {};
    const qsizetype nul = bytes.indexOf('\0');
    return nul < 0 ? QByteArray() : bytes.sliced(nul).toByteArray();
}

void LineList::loadFromFile(const QString &path)
{
    m_lines = parse(readFileBytes(path));
}

void LineList::saveToFile(const QString &path) const
{
    writeFile(path, toBytes());
}

void saveTextToFile(const QString &path, QStringView text)
{
    writeFile(path, encodeText(text));
}

const QString &LineList::at(qsizetype i) const
{
    if (i < 0 || i >= m_lines.size())
        throw Failure(QStringLiteral("L'indice de liste dépasse les limites (%1)").arg(i));
    return m_lines.at(i);
}

void LineList::replaceLine(qsizetype i, const QString &text)
{
    if (i < 0 || i > m_lines.size())
        return;
    m_lines.insert(i, text);
    if (i + 1 < m_lines.size())
        m_lines.removeAt(i + 1);
}

void LineList::insert(qsizetype i, const QString &line)
{
    if (i < 0 || i > m_lines.size())
        throw Failure(QStringLiteral("L'indice de liste dépasse les limites (%1)").arg(i));
    m_lines.insert(i, line);
}

void LineList::removeAt(qsizetype i)
{
    if (i < 0 || i >= m_lines.size())
        throw Failure(QStringLiteral("L'indice de liste dépasse les limites (%1)").arg(i));
    m_lines.removeAt(i);
}

} // namespace plat
