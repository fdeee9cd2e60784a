#include "platform/packedlines.h"

#include "platform/failure.h"
#include "platform/lineblocks.h"
#include "platform/linelist.h"

#include <algorithm>
#include <cstring>

namespace plat {

namespace {

constexpr QStringView kLineEnd = u"\r\n";

using namespace lineblocks;

// A generous guess at the number of lines, from the first ones.
template<typename Char>
qsizetype guessLineCount(const Char *s, qsizetype n)
{
    const qsizetype sample = std::min<qsizetype>(n, 1 << 16);
    if (sample == 0)
        return 1;
    // CR LF, lone CR and lone LF files all end as many lines as the more
    // common of the two.
    const qsizetype ends =
        std::max(std::count(s, s + sample, Char('\n')), std::count(s, s + sample, Char('\r')));
    const qsizetype guess = ends * (n / sample) + ends * (n % sample) / sample;
    return guess + guess / 8 + 16;
}

// The starts of a text's lines written through a plain pointer, into one
// block reserved ahead: QList's own append checks for sharing and room, and
// stores the size, at every line. The room a guess leaves unused is never
// touched, so it costs no memory; a guess too small grows the block in
// place when the allocator can, as QList itself would.
class StartWriter {
public:
    explicit StartWriter(qsizetype room) : m_block(QTypedArrayData<qsizetype>::allocate(room))
    {
        // Out of memory fails as QList's own reserve would.
        Q_CHECK_PTR(m_block.data());
        take();
    }
    void append(qsizetype start)
    {
        if (m_at == m_end) [[unlikely]]
            grow();
        *m_at++ = start;
    }
    QList<qsizetype> list()
    {
        give();
        return QList<qsizetype>(std::move(m_block));
    }

private:
    void take()
    {
        m_at = m_block.data() + m_block.size;
        m_end = m_block.data() + m_block.constAllocatedCapacity();
    }
    void give() { m_block.size = m_at - m_block.data(); }
    void grow()
    {
        give();
        m_block.reallocateAndGrow(QArrayData::GrowsAtEnd, m_block.size + 16);
        take();
    }
    QArrayDataPointer<qsizetype> m_block;
    qsizetype *m_at;
    qsizetype *m_end;
};

// Where a text ends and what it lacks of the lines' text.
struct LineEnds {
    qsizetype end; // its NUL, or its size
    qsizetype missing; // the units of the CR LF that lone CRs and LFs and an open last line lack
    bool openLast;
};

// The lines of s[0, size) by LineList's reading rule, each appended to
// starts as where it will start once every line ends with CR LF.
// blockMarks(at) gives the marks of the sixteen units from at (decoding them
// on the way, if need be); unitMark(at) tells of a single unit, near the end.
// Everything the loop keeps is local, so that it stays in registers.
template<typename Char, typename BlockMarks, typename UnitMark>
LineEnds findLines(const Char *s, qsizetype size, QList<qsizetype> &starts, Progress &progress,
                   BlockMarks blockMarks, UnitMark unitMark)
{
    StartWriter out(guessLineCount(s, size));
    qsizetype start = 0;
    qsizetype missing = 0;
    qsizetype end = size;
    // The CR, LF or NUL at i; false for a NUL, which ends the text.
    const auto take = [&](qsizetype i) {
        const Char c = s[i];
        if (c == Char(0)) {
            end = i;
            return false;
        }
        // The LF of a CR LF, taken with its CR.
        if (i < start)
            return true;
        const qsizetype length = c == Char('\r') && i + 1 < size && s[i + 1] == Char('\n') ? 2 : 1;
        out.append(start + missing);
        missing += 2 - length;
        start = i + length;
        return true;
    };
    qsizetype at = 0;
    bool cut = false;
    for (; !cut && at + kBlock <= size; at += kBlock) {
        unsigned marks = blockMarks(at);
        if (!marks)
            continue;
        // A block with a line end stands for a line, near enough for a clock.
        progress.step();
        for (; marks && !cut; marks &= marks - 1)
            cut = !take(at + qCountTrailingZeroBits(marks));
    }
    for (; !cut && at < size; ++at)
        cut = unitMark(at) && !take(at);
    const bool openLast = end > start;
    if (openLast) {
        out.append(start + missing);
        missing += 2;
    }
    starts = out.list();
    return {end, missing, openLast};
}

// The text read becomes the lines' text: cut at its NUL, and each lone CR or
// LF and the open last line given the CR LF it stands for.
void completeLineEnds(QString &text, const QList<qsizetype> &starts, const LineEnds &ends)
{
    qsizetype from = ends.end;
    text.truncate(from);
    if (ends.missing == 0)
        return;
    // Moved in place a line at a time from the last, so that even a big file
    // with other line ends is never held twice. The lines before the first
    // that lacks anything are where they belong already.
    qsizetype to = from + ends.missing;
    text.resize(to);
    char16_t *d = reinterpret_cast<char16_t *>(text.data());
    bool open = ends.openLast;
    for (qsizetype k = starts.size() - 1; to > from; --k) {
        const qsizetype start = starts.at(k);
        const qsizetype length = to - 2 - start;
        // Inside a line there is no CR or LF, so its end is told by its last
        // units alone.
        if (!open)
            from -= d[from - 1] == u'\n' && from >= 2 && d[from - 2] == u'\r' ? 2 : 1;
        open = false;
        from -= length;
        if (start != from)
            std::memmove(d + start, d + from, length * sizeof(char16_t));
        d[start + length] = u'\r';
        d[start + length + 1] = u'\n';
        to = start;
    }
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
    if (isUtf16WithBom(bytes) || readsAsUtf8(bytes))
        return fromText(decodeFileText(bytes), progress);
    return parseWindows1252(bytes, progress);
}

PackedLines PackedLines::parseWindows1252(QByteArrayView bytes, Progress &progress)
{
    // The usual sheet: decoded straight into the lines' text, its line ends
    // found on the way, in one pass over the bytes.
    PackedLines out;
    const auto *s = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    // With room for the CR LF of a last line left open.
    out.m_text.reserve(size + 2);
    out.m_text.resize(size);
    char16_t *d = reinterpret_cast<char16_t *>(out.m_text.data());
    const LineEnds ends = findLines(
        s, size, out.m_starts, progress, [&](qsizetype at) { return decodeWindows1252Block(s + at, d + at); },
        [&](qsizetype at) {
            const uchar c = s[at];
            d[at] = windows1252Char(c);
            return isLineMark(c);
        });
    completeLineEnds(out.m_text, out.m_starts, ends);
    return out;
}

PackedLines PackedLines::fromText(QString text, Progress &progress)
{
    PackedLines out;
    const char16_t *s = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype size = text.size();
    // The text is kept as the lines' text; what it lacks of that form are
    // the CR LF a lone CR or LF stands for and the end of an open last line.
    const LineEnds ends = findLines(
        s, size, out.m_starts, progress, [&](qsizetype at) { return lineMarks(s + at); },
        [&](qsizetype at) { return isLineMark(s[at]); });
    completeLineEnds(text, out.m_starts, ends);
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
