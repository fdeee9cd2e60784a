#pragma once
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace statistics {

// A user statistics file held as one text and the place where each of its
// lines starts. A file of a hundred thousand tests holds over a million lines:
// reading it is one decoding and one pass, and a record appended is written
// without the lines before it being split or encoded one by one.
//
// Reading follows the rule of every text file of the program: CR LF, CR and
// LF each end a line (LF CR is two ends), a final line end adds no empty line,
// and the text ends where the reading of the file stops (its first NUL, or a
// NUL character of a UTF-16 file). The text then holds every line followed by
// CR LF, which is how the file is written back, so writing it is one encoding.
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
    QByteArray toBytes() const;

    // Every line followed by its line end.
    const QString &text() const { return m_text; }

    qsizetype count() const { return m_starts.size() - 1; }
    bool isEmpty() const { return count() == 0; }
    // 0 <= i < count().
    QStringView line(qsizetype i) const;
    // Past either end, as a memo reads it: empty text.
    QString memoLine(qsizetype i) const;
    QStringList lines() const;
    // The first of the longest lines in characters, -1 for no line.
    qsizetype longestLine() const { return m_longest; }

    // Each line is written as given, followed by CR LF, so the file gets the
    // same bytes as ever; a line end inside a line counts as one, as it will
    // when the file is read again.
    void append(const QString &line) { append(QStringList{line}); }
    void append(const QStringList &lines);
    // Keeps the first lines only.
    void truncate(qsizetype lines);

    bool operator==(const UserFileText &o) const { return m_text == o.m_text; }

private:
    // Indexes the lines of the text from a line start on.
    void indexFrom(qsizetype from);
    // Takes a line as the longest if it is longer than the longest so far.
    void measureLine(qsizetype line, qsizetype length);

    QString m_text;
    // Where each line starts, then the end of the text.
    QList<qsizetype> m_starts{0};
    qsizetype m_longest = -1;
    qsizetype m_longestLength = -1;
};

} // namespace statistics
