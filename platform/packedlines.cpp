#include "platform/packedlines.h"

#include "platform/failure.h"
#include "platform/linelist.h"

#include <algorithm>

namespace plat {

namespace {

constexpr QStringView kLineEnd = u"\r\n";

// The LF characters of a text, counted in blocks small enough for a 16-bit
// count, which the compiler widens to many units at a time.
qsizetype countLineFeeds(const char16_t *s, qsizetype n)
{
    qsizetype total = 0;
    for (qsizetype at = 0; at < n;) {
        const qsizetype block = std::min<qsizetype>(n - at, 1 << 15);
        quint16 count = 0;
        for (qsizetype k = 0; k < block; ++k)
            count += s[at + k] == u'\n';
        total += count;
        at += block;
    }
    return total;
}

} // namespace

PackedLines::PackedLines(const QStringList &lines)
{
    qsizetype size = 0;
    for (const QString &l : lines)
        size += l.size() + 2;
    m_text.reserve(size);
    m_starts.reserve(lines.size());
    for (const QString &l : lines) {
        m_starts.append(m_text.size());
        m_text += l;
        m_text += kLineEnd;
    }
}

PackedLines PackedLines::parse(QByteArrayView bytes, Progress &progress)
{
    return fromText(decodeFileText(bytes), progress);
}

PackedLines PackedLines::fromText(QString text, Progress &progress)
{
    PackedLines out;
    QList<qsizetype> &starts = out.m_starts;
    const char16_t *s = reinterpret_cast<const char16_t *>(text.constData());
    qsizetype n = text.size();
    // The text is kept as the lines' text; what it lacks of that form are
    // the CR LF a lone CR or LF stands for and the end of an open last line.
    // One block for the line starts: growing it step by step would leave
    // the memory of each step behind, unusable for a big sheet's text.
    starts.reserve(countLineFeeds(s, n) + 1);
    qsizetype missing = 0;
    bool openLast = false;
    n = forEachLine(s, n, [&](qsizetype start, qsizetype, qsizetype end) {
        starts.append(start + missing);
        missing += 2 - end;
        openLast = end == 0;
        progress.step();
    });
    text.truncate(n);
    if (missing > 0) {
        // Widened in place from the end, so that even a big file with
        // other line ends is never held twice.
        text.resize(n + missing);
        char16_t *d = reinterpret_cast<char16_t *>(text.data());
        qsizetype to = n + missing;
        if (openLast) {
            d[--to] = u'\n';
            d[--to] = u'\r';
        }
        for (qsizetype from = n; from > 0;) {
            const char16_t c = d[--from];
            if (c == u'\r' || c == u'\n') {
                if (c == u'\n' && from > 0 && d[from - 1] == u'\r')
                    --from;
                d[--to] = u'\n';
                d[--to] = u'\r';
            } else {
                d[--to] = c;
            }
        }
    }
    out.m_text = std::move(text);
    return out;
}

QStringList PackedLines::lines() const
{
    QStringList out;
    out.reserve(count());
    for (qsizetype i = 0; i < count(); ++i)
        out.append(view(i).toString());
    return out;
}

void PackedLines::checkRange(qsizetype i, qsizetype last) const
{
    if (i < 0 || i > last)
        throw Failure(QStringLiteral("L'indice de liste dépasse les limites (%1)").arg(i));
}

template<typename Lines>
void PackedLines::insertLines(qsizetype i, const Lines &lines)
{
    checkRange(i, count());
    QString piece;
    qsizetype size = 0;
    for (QStringView l : lines)
        size += l.size() + 2;
    piece.reserve(size);
    const qsizetype at = i < count() ? m_starts.at(i) : m_text.size();
    m_starts.insert(i, qsizetype(lines.size()), 0);
    qsizetype *starts = m_starts.data();
    for (QStringView l : lines) {
        starts[i++] = at + piece.size();
        piece += l;
        piece += kLineEnd;
    }
    for (; i < m_starts.size(); ++i)
        starts[i] += size;
    // Room is made first: an insertion that has to grow the text copies it
    // whole into a new block, whereas growing it alone extends it where it
    // stands.
    if (m_text.capacity() - m_text.size() < size)
        m_text.reserve(m_text.size() + size + m_text.size() / 64);
    m_text.insert(at, piece);
}

void PackedLines::insert(qsizetype i, std::initializer_list<QStringView> lines)
{
    insertLines(i, lines);
}

void PackedLines::insert(qsizetype i, const QList<QStringView> &lines)
{
    insertLines(i, lines);
}

void PackedLines::remove(qsizetype i, qsizetype n)
{
    checkRange(i, count() - 1);
    checkRange(i + n, count());
    if (n <= 0)
        return;
    const qsizetype from = m_starts.at(i);
    const qsizetype to = i + n < count() ? m_starts.at(i + n) : m_text.size();
    m_text.remove(from, to - from);
    m_starts.remove(i, n);
    qsizetype *starts = m_starts.data();
    for (; i < m_starts.size(); ++i)
        starts[i] -= to - from;
}

void PackedLines::replaceLine(qsizetype i, const QString &text)
{
    if (i < 0 || i > count())
        return;
    insert(i, {text});
    if (i + 1 < count())
        remove(i + 1, 1);
}

void PackedLines::clear()
{
    // Let a big text go now, not at the next assignment.
    m_text = QString();
    m_starts = QList<qsizetype>();
}

} // namespace plat
