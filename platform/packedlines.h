#pragma once
#include "platform/encoding.h"
#include "platform/progress.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <initializer_list>

namespace plat {

// Lines held in one text, each followed by CR LF, with where each one
// starts: a big sheet costs its text and one number per line, not one string
// per line. The lines read from bytes and the bytes written from lines are
// exactly a LineList's. Copies share the text until one of them changes.
class PackedLines {
public:
    PackedLines() = default;
    explicit PackedLines(const QStringList &lines);

    // The lines LineList::parse finds in the bytes.
    static PackedLines parse(QByteArrayView bytes, Progress &progress = Progress::none());
    // The lines LineList::parseText finds in a decoded text; the text's own
    // memory is reused whenever it can be.
    static PackedLines fromText(QString text, Progress &progress = Progress::none());

    qsizetype count() const { return m_starts.size(); }
    bool isEmpty() const { return m_starts.isEmpty(); }
    // Line i, for 0 <= i < count(); valid until the lines change.
    QStringView view(qsizetype i) const
    {
        const qsizetype start = m_starts.at(i);
        const qsizetype end = (i + 1 < m_starts.size() ? m_starts.at(i + 1) : m_text.size()) - 2;
        return QStringView(m_text).sliced(start, end - start);
    }
    // Asks the processor to fetch where line i starts, then line i itself,
    // ahead of a view of it: a pass over lines in an order of their own
    // (sorted rows) would otherwise wait on memory at every line.
    void prefetchStart(qsizetype i) const { __builtin_prefetch(m_starts.constData() + i); }
    void prefetchLine(qsizetype i) const { __builtin_prefetch(m_text.constData() + m_starts.at(i)); }
    // As a memo reads: past the end is the empty text.
    QString memoLine(qsizetype i) const { return i >= 0 && i < count() ? view(i).toString() : QString(); }
    QStringList lines() const;

    // Inserts the lines before line i, 0 <= i <= count(); removes n lines
    // from line i. Throws plat::Failure for lines outside the list.
    void insert(qsizetype i, std::initializer_list<QStringView> lines);
    void insert(qsizetype i, const QList<QStringView> &lines);
    void append(QStringView line) { insert(count(), {line}); }
    void remove(qsizetype i, qsizetype n);
    // As LineList::replaceLine.
    void replaceLine(qsizetype i, const QString &text);
    void clear();

    // Every line followed by CR LF.
    const QString &toText() const { return m_text; }
    QByteArray toBytes() const { return encodeText(m_text); }

    // Element by element: QList's own comparison hands a null pointer to
    // memcmp when one empty list has storage and the other none.
    bool operator==(const PackedLines &o) const
    {
        return m_starts.size() == o.m_starts.size() && m_text == o.m_text
            && std::equal(m_starts.cbegin(), m_starts.cend(), o.m_starts.cbegin());
    }

private:
    // The lines of bytes known to be Windows-1252, a NUL ending the text.
    static PackedLines parseWindows1252(QByteArrayView bytes, Progress &progress);
    void checkRange(qsizetype i, qsizetype last) const;
    template<typename Lines>
    void insertLines(qsizetype i, const Lines &lines);
    QString m_text;
    QList<qsizetype> m_starts;
};

} // namespace plat
