#pragma once
#include <QString>
#include <QStringList>

#include <QtEndian>

#include <cstring>
#include <functional>

namespace plat {

// The units of the eight bytes at s below 14 (a line end, a NUL, or another
// control character) marked by their top bit. The lowest mark is always a
// true one; marks above it may be false.
template <typename Char>
inline quint64 lowUnits(const Char *s)
{
    constexpr quint64 ones = sizeof(Char) == 1 ? 0x0101010101010101ULL : 0x0001000100010001ULL;
    constexpr quint64 highs = ones << (8 * sizeof(Char) - 1);
    quint64 w;
    std::memcpy(&w, s, sizeof w);
    return (w - ones * 14) & ~w & highs;
}

// The reading rule of every text file, on bytes of a single-byte text or on
// UTF-16 units (line ends are ASCII in both): CR LF, CR and LF each end a
// line, a final line end adds no empty line, and a NUL ends the text. Calls
// take(start, length, endLength) for each line in order, endLength being 2
// for CR LF, 1 for a lone CR or LF and 0 for a last line left open; returns
// where the text ends (its NUL, or n).
template <typename Char, typename Take>
qsizetype forEachLine(const Char *s, qsizetype n, Take take)
{
    qsizetype start = 0;
    qsizetype i = 0;
    constexpr qsizetype perWord = 8 / sizeof(Char);
    while (i < n) {
        // Most text goes by sixteen bytes at a time, straight to the first
        // unit that may end a line or the text.
        if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
            if (i + 2 * perWord <= n) {
                const quint64 low = lowUnits(s + i);
                const quint64 high = lowUnits(s + i + perWord);
                if (!(low | high)) {
                    i += 2 * perWord;
                    continue;
                }
                constexpr int bits = 8 * sizeof(Char);
                i += low ? qCountTrailingZeroBits(low) / bits : perWord + qCountTrailingZeroBits(high) / bits;
            }
        }
        const Char c = s[i];
        if (c == Char('\r') || c == Char('\n')) {
            const qsizetype end = (c == Char('\r') && i + 1 < n && s[i + 1] == Char('\n')) ? 2 : 1;
            take(start, i - start, end);
            i += end;
            start = i;
        } else if (c == Char(0)) {
            break;
        } else {
            ++i;
        }
    }
    if (i > start)
        take(start, i - start, qsizetype(0));
    return i;
}

// An ordered list of whole lines, loaded from and saved to a file whole.
// Reading: CR LF, CR and LF each end a line (LF CR is two ends), a final line
// end adds no empty line, and a NUL byte ends the text. Saving: CR LF after
// every line. Paths may be drive paths ("C:\windows\x.ini") or host paths.
class LineList {
public:
    LineList() = default;
    explicit LineList(QStringList lines) : m_lines(std::move(lines)) {}

    // Throws plat::Failure when the file cannot be read; the list is left
    // unchanged then.
    void loadFromFile(const QString &path);
    // Throws plat::Failure when the file cannot be written; the file on disk
    // is then either the old one or absent, never half-written.
    void saveToFile(const QString &path) const;

    static QStringList parse(QByteArrayView bytes);
    static QStringList parseText(QStringView text);
    QByteArray toBytes() const;
    QString toText() const; // every line followed by CR LF

    qsizetype count() const { return m_lines.size(); }
    bool isEmpty() const { return m_lines.isEmpty(); }

    // A list the program holds in a memo reads past its end as empty text.
    QString memoLine(qsizetype i) const
    {
        return (i >= 0 && i < m_lines.size()) ? m_lines.at(i) : QString();
    }
    // A list the program holds in a list box fails on such a read.
    const QString &at(qsizetype i) const;

    // Insert at i, then delete the line now at i + 1: replaces line i when the
    // list is longer than i, appends when it holds exactly i lines, and leaves
    // a shorter list unchanged.
    void replaceLine(qsizetype i, const QString &text);

    void append(const QString &line) { m_lines.append(line); }
    void insert(qsizetype i, const QString &line);
    void removeAt(qsizetype i);
    void clear() { m_lines.clear(); }

    const QStringList &lines() const { return m_lines; }
    QStringList &lines() { return m_lines; }
    void setLines(QStringList lines) { m_lines = std::move(lines); }

    bool operator==(const LineList &o) const { return m_lines == o.m_lines; }

private:
    QStringList m_lines;
};

// Reads a whole file through the drive mapping. Throws plat::Failure, also
// for what is not a plain file (a folder, a pipe, a device).
QByteArray readFileBytes(const QString &path);

// Reads a whole file as readFileBytes does, handing it over in pieces, so
// that a big file is never held whole. Throws plat::Failure likewise.
void readFileChunks(const QString &path, const std::function<void(QByteArrayView)> &take);

// The bytes that a reading leaves out: from the first NUL byte to the end,
// empty when there is none (or for UTF-16, where NUL bytes are part of the
// text). A writer that appends them to the lines it saves loses nothing of a
// file it did not show whole.
QByteArray unreadTail(QByteArrayView bytes);

// The exact mode of the full-text editor: the text is written as it stands,
// encoded like a line list, with no line end added or changed. Throws
// plat::Failure like LineList::saveToFile.
void saveTextToFile(const QString &path, QStringView text);

} // namespace plat
