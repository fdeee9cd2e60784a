#include "platform/linelist.h"

#include "platform/drivepath.h"
#include "platform/encoding.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "platform/lineblocks.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

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

// Lines are decoded in pieces of about this many units, each piece one block
// that its lines share.
constexpr qsizetype kPiece = 4096;

// The lines of a decoded piece of text (whole lines with their ends, the
// last one possibly open) as strings that share its memory: each line's end
// becomes the NUL that closes a string, and each line is a string over its
// part of the piece, holding a reference to it. A file's lines cost a block
// per piece rather than one per line. A line kept after the others keeps no
// more than its piece, and a line that is changed gets a block of its own,
// as any shared string does.
void appendSharedLines(QString piece, int count, QStringList &out)
{
    const qsizetype n = piece.size();
    if (n == 0)
        return;
    char16_t *s = reinterpret_cast<char16_t *>(piece.data());
    // The references are taken at once, before any line is made.
    QString::DataPointer &block = piece.data_ptr();
    block.d_ptr()->ref_.fetchAndAddRelaxed(count);
    forEachLine(s, n, [&](qsizetype start, qsizetype length, qsizetype) {
        // The line's end has been read by now; a last line left open has
        // the string's own NUL after it.
        if (start + length < n)
            s[start + length] = u'\0';
        out.append(QString(QString::DataPointer(block.d_ptr(), s + start, length)));
        --count;
    });
    // The count of the bytes' lines is the decoded text's; should they ever
    // differ, the references still match the lines made.
    if (count != 0)
        block.d_ptr()->ref_.fetchAndAddRelaxed(-count);
}

// Where the piece of the bytes from p ends: at the end of the first line
// that ends kPiece bytes or more after p, or at n. A CR LF is never cut.
qsizetype pieceEnd(const char *s, qsizetype p, qsizetype n)
{
    if (n - p <= kPiece)
        return n;
    for (qsizetype i = p + kPiece; i < n; ++i) {
        if (s[i] == '\r')
            return i + 1 < n && s[i + 1] == '\n' ? i + 2 : i + 1;
        if (s[i] == '\n')
            return i + 1;
    }
    return n;
}

// The lines of Windows-1252 bytes, a NUL ending the text, decoded a piece of
// about kPiece bytes at a time straight into the block that the piece's
// lines share, as appendSharedLines makes them: no text of the whole file in
// between, and each line made as soon as its end is decoded.
QStringList windows1252Lines(QByteArrayView bytes)
{
    using namespace lineblocks;
    const char *s = bytes.data();
    const qsizetype n = bytes.size();
    // The list's own storage, filled without its checks at each line and
    // handed over at the end.
    QArrayDataPointer<QString> list;
    for (qsizetype p = 0; p < n;) {
        const qsizetype q = pieceEnd(s, p, n);
        const qsizetype size = q - p;
        const auto *b = reinterpret_cast<const uchar *>(s + p);
        QString piece(size, Qt::Uninitialized);
        char16_t *d = reinterpret_cast<char16_t *>(piece.data());
        // As many lines as the piece can hold: one a byte up to kPiece, then
        // the one that ends past it and, at the text's end, one left open.
        const qsizetype most = std::min(size + 1, kPiece + 2);
        // Room for them all, so that nothing can fail once the first line is
        // made: enough for the whole file at the density read so far, or at
        // least half as many again.
        if (list.freeSpaceAtEnd() < most) {
            const qsizetype least = list.size + most;
            const double density = double(n) / double(std::max<qsizetype>(p, 1));
            const qsizetype wanted = std::max(least + least / 2, qsizetype(double(list.size) * density * 1.125));
            list.reallocateAndGrow(QArrayData::GrowsAtEnd, wanted - list.size);
        }
        // References for every line the piece can hold, the unused ones
        // given back at the end.
        QString::DataPointer &block = piece.data_ptr();
        block.d_ptr()->ref_.fetchAndAddRelaxed(int(most));
        int made = 0;
        qsizetype start = 0;
        const auto line = [&](qsizetype from, qsizetype to) {
            d[to] = u'\0';
            new (list.data() + list.size) QString(QString::DataPointer(block.d_ptr(), d + from, to - from));
            ++list.size;
            ++made;
        };
        // The CR, LF or NUL at k; false for a NUL, which ends the text.
        bool ended = false;
        const auto lineEnd = [&](qsizetype k) {
            if (b[k] == 0) {
                ended = true;
                return false;
            }
            // The LF of a CR LF, taken with its CR.
            if (k < start)
                return true;
            const qsizetype from = start;
            start = b[k] == '\r' && k + 1 < size && b[k + 1] == '\n' ? k + 2 : k + 1;
            line(from, k);
            return true;
        };
        qsizetype k = 0;
        for (; !ended && k + kBlock <= size; k += kBlock) {
            unsigned marks = decodeWindows1252Block(b + k, d + k);
            for (; marks && lineEnd(k + qCountTrailingZeroBits(marks)); marks &= marks - 1) {
            }
        }
        for (; !ended && k < size; ++k) {
            const uchar c = b[k];
            d[k] = windows1252Char(c);
            if (isLineMark(c))
                lineEnd(k);
        }
        // A last line left open, cut by a NUL or not, has a NUL after it.
        qsizetype end = size;
        if (ended)
            end = std::find(b + start, b + size, 0) - b;
        if (start < end)
            line(start, end);
        block.d_ptr()->ref_.fetchAndAddRelaxed(made - int(most));
        if (ended)
            break;
        p = q;
    }
    return QStringList(std::move(list));
}

// Calls take(from, to, lines) for runs of whole lines of the text, line
// ends included, each at least kPiece units long but the last.
template<typename Char, typename Take>
void forEachPiece(const Char *s, qsizetype n, Take take)
{
    qsizetype from = 0;
    qsizetype to = 0;
    int lines = 0;
    forEachLine(s, n, [&](qsizetype start, qsizetype length, qsizetype end) {
        to = start + length + end;
        ++lines;
        if (to - from >= kPiece) {
            take(from, to, lines);
            from = to;
            lines = 0;
        }
    });
    if (to > from)
        take(from, to, lines);
}

} // namespace

QStringList LineList::parse(QByteArrayView bytes)
{
    QStringList out;
    if (isUtf16WithBom(bytes)) {
        const QString text = decodeFileText(bytes);
        const char16_t *s = reinterpret_cast<const char16_t *>(text.constData());
        out.reserve(text.count(u'\n') + 1);
        forEachPiece(s, text.size(), [&](qsizetype from, qsizetype to, int lines) {
            appendSharedLines(QString(reinterpret_cast<const QChar *>(s + from), to - from), lines, out);
        });
        return out;
    }
    // Single-byte and UTF-8 text is split on its bytes, where CR and LF can
    // only be line ends, and decoded a run of whole lines at a time: the same
    // lines as decoding the whole text first, without that text in between.
    if (!readsAsUtf8(bytes))
        return windows1252Lines(bytes);
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes = bytes.first(nul);
    // Only the text's first mark is dropped; a line of the text that starts
    // with one keeps it.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    out.reserve(std::count(bytes.begin(), bytes.end(), '\n') + 1);
    // A piece holds as many lines decoded as it held in bytes.
    forEachPiece(bytes.data(), bytes.size(), [&](qsizetype from, qsizetype to, int lines) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
        appendSharedLines(decoder(bytes.sliced(from, to - from)), lines, out);
    });
    return out;
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
