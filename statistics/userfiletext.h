#pragma once
#include "platform/packedlines.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace statistics {

// A user statistics file, read and written as every text file of the
// program, held as packed lines: a file of a hundred thousand tests holds
// over a million lines, and a record appended is written without the lines
// before it being split or encoded one by one. The view of the file also
// needs its longest line, which is kept as lines come and go.
class UserFileText {
public:
    UserFileText() = default;
    explicit UserFileText(const QStringList &lines) { append(lines); }

    static UserFileText fromBytes(QByteArrayView bytes);
    // Throws plat::Failure when the file cannot be read; nothing changes then.
    void loadFromFile(const QString &path);
    // Throws plat::Failure; the file on disk is then the old one or absent,
    // never half-written.
    void saveToFile(const QString &path) const;
    QByteArray toBytes() const { return m_lines.toBytes(); }

    // Every line followed by CR LF.
    const QString &text() const { return m_lines.toText(); }

    qsizetype count() const { return m_lines.count(); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // 0 <= i < count().
    QStringView line(qsizetype i) const { return m_lines.view(i); }
    // Past either end, as a memo reads it: empty text.
    QString memoLine(qsizetype i) const { return m_lines.memoLine(i); }
    QStringList lines() const { return m_lines.lines(); }
    // The first of the longest lines in characters, -1 for no line.
    qsizetype longestLine() const { return m_longest; }

    // A line end inside a line given ends a line there and is written as CR
    // LF, so the lines held are those the file reads as when opened again.
    void append(const QString &line) { append(QStringList{line}); }
    void append(const QStringList &lines);
    // Keeps the first lines only.
    void truncate(qsizetype lines);

    bool operator==(const UserFileText &o) const { return m_lines == o.m_lines; }

private:
    // Takes a line from the given one on as the longest if it is longer than
    // the longest so far: the first of equals stays.
    void measureFrom(qsizetype line);

    plat::PackedLines m_lines;
    qsizetype m_longest = -1;
};

} // namespace statistics
