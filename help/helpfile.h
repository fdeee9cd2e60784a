#pragma once
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// The layout of a help document: a two-line header naming the program, then
// topics. A topic is a "<T>" line with its title, a "<K>" line with its
// keywords separated by ":-:", and its text, opened by "/-\" at the start of
// its first line and closed by "\-/" at the end of its last.
namespace helpfile {

struct Topic {
    QString title;
    QStringList keywords;
    QString text; // lines joined by '\n', markers removed
};

struct Document {
    QString programName;
    QList<Topic> topics;
};

struct Parsed {
    Document document;
    QString error; // a French explanation; empty when the document was read
    bool ok() const { return error.isEmpty(); }
};

// Larger files are refused before they are read: no help text comes near it.
inline constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

Parsed parse(const QStringList &lines);
// Decodes the bytes as the program reads every text file; control bytes other
// than line ends and tabs mean a binary file, not a help document.
Parsed parseBytes(QByteArrayView bytes);
// Reads the document at a Windows or host path.
Parsed readFile(const QString &path);

// Whether a topic's title or one of its keywords holds the query, ignoring
// case and accents; an empty query matches every topic.
bool matches(const Topic &topic, const QString &query);
// The text compared by matches(): lower case, accents removed.
QString searchKey(const QString &text);

} // namespace helpfile
