#include "platform/encoding.h"
#include "platform/failure.h"
#include "platform/linelist.h"
#include "tests/support.h"

#include <gtest/gtest.h>

using plat::LineList;
using testing_support::Sandbox;

namespace {

QStringList L(std::initializer_list<const char *> lines)
{
    QStringList out;
    for (const char *l : lines)
        out << QString::fromUtf8(l);
    return out;
}

} // namespace

TEST(LineListRead, LineEndsAndNul)
{
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {QByteArray(), {}},
        {"a", L({"a"})},
        {"a\r\nb\r\n", L({"a", "b"})},
        {"a\r\nb", L({"a", "b"})},
        {"a\nb\n", L({"a", "b"})},
        {"a\rb\r", L({"a", "b"})},
        {"a\n\rb", L({"a", "", "b"})},        // LF CR: two line ends
        {"a\r\r\nb", L({"a", "", "b"})},
        {"\r\n", L({""})},
        {"\r\n\r\n", L({"", ""})},
        {"\n", L({""})},
        {"a\r\n\r\n", L({"a", ""})},
        {QByteArray("a\r\nb\0c\r\nd", 10), L({"a", "b"})},  // NUL ends the text
        {QByteArray("a\r\n\0", 4), L({"a"})},
        {QByteArray("\0abc", 4), {}},
        {"  spaced  \r\n\tTab", L({"  spaced  ", "\tTab"})}, // never trimmed
    };
    for (const Case &c : cases) {
        EXPECT_EQ(LineList::parse(c.bytes), c.lines) << c.bytes.toHex(' ').constData();
        // Read as text, the same rules hold.
        if (!c.bytes.contains('\0')) {
            EXPECT_EQ(LineList::parseText(QString::fromLatin1(c.bytes)), c.lines);
        }
    }
}

TEST(LineListWrite, EveryLineEndsWithCrLf)
{
    struct Case {
        QStringList lines;
        QByteArray bytes;
    };
    const Case cases[] = {
        {{}, QByteArray()},
        {L({""}), "\r\n"},
        {L({"a"}), "a\r\n"},
        {L({"a", "", "b"}), "a\r\n\r\nb\r\n"},
        {L({"é€"}), "\xE9\x80\r\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LineList(c.lines).toBytes(), c.bytes);
}

TEST(LineListFile, SaveThenLoadGivesTheSameBytesAndLines)
{
    Sandbox box;
    const QString path = QStringLiteral("C:\\Orsiva\\liste.txt");
    // Mixed endings come back as CR LF; the lines are kept.
    box.put(path, QByteArray("un\rdeux\nTrois \xE9t\xE9\r\n\r\nfin"));
    LineList list;
    list.loadFromFile(path);
    EXPECT_EQ(list.lines(), L({"un", "deux", "Trois été", "", "fin"}));
    list.saveToFile(path);
    EXPECT_EQ(box.get(path), QByteArray("un\r\ndeux\r\nTrois \xE9t\xE9\r\n\r\nfin\r\n"));

    // The exact mode writes the text as typed: no end added, none changed.
    plat::saveTextToFile(path, u"a\nb\r\nc\xE9");
    EXPECT_EQ(box.get(path), QByteArray("a\nb\r\nc\xE9"));
}

TEST(LineListAccess, MemoAndListReadsPastTheEnd)
{
    const LineList list(L({"a", "b"}));
    EXPECT_EQ(list.memoLine(1), QStringLiteral("b"));
    EXPECT_EQ(list.memoLine(2), QString());
    EXPECT_EQ(list.memoLine(-1), QString());
    EXPECT_EQ(list.at(0), QStringLiteral("a"));
    EXPECT_THROW(list.at(2), plat::Failure);
    EXPECT_THROW(list.at(-1), plat::Failure);
}

TEST(LineListAccess, ReplaceLineReplacesAppendsOrLeavesAlone)
{
    struct Case {
        QStringList before;
        int index;
        QStringList after;
    };
    const Case cases[] = {
        {L({"a", "b", "c"}), 1, L({"a", "X", "c"})},
        {L({"a", "b", "c"}), 2, L({"a", "b", "X"})},
        {L({"a", "b", "c"}), 3, L({"a", "b", "c", "X"})}, // exactly i lines: appended
        {L({"a", "b", "c"}), 4, L({"a", "b", "c"})},      // fewer: unchanged
        {{}, 0, L({"X"})},
        {{}, 1, {}},
        {L({"a"}), -1, L({"a"})},
    };
    for (const Case &c : cases) {
        LineList list(c.before);
        list.replaceLine(c.index, QStringLiteral("X"));
        EXPECT_EQ(list.lines(), c.after) << c.index;
    }
}

TEST(LineListFile, BadFilesGiveLinesOrAClearFailure)
{
    Sandbox box;
    // Binary junk: every byte but NUL, then NUL and more.
    QByteArray junk;
    for (int round = 0; round < 3; ++round)
        for (int b = 255; b >= 1; --b)
            junk += char(b);
    junk += '\0';
    junk += "after";
    box.put(QStringLiteral("C:\\junk.ini"), junk);
    LineList list;
    list.loadFromFile(QStringLiteral("C:\\junk.ini"));
    EXPECT_EQ(list.count(), 7); // a CR and an LF in each of three rounds
    EXPECT_FALSE(list.lines().join(QString()).contains(QStringLiteral("after")));

    // Many lines, a very long line, CR-only ends.
    QByteArray many;
    for (int i = 0; i < 10000; ++i)
        many += QByteArray::number(i) + '\r';
    box.put(QStringLiteral("C:\\many.ini"), many);
    list.loadFromFile(QStringLiteral("C:\\many.ini"));
    ASSERT_EQ(list.count(), 10000);
    EXPECT_EQ(list.at(9999), QStringLiteral("9999"));

    const QByteArray longLine(1 << 20, 'x');
    box.put(QStringLiteral("C:\\long.ini"), "a\r\n" + longLine + "\r\nb");
    list.loadFromFile(QStringLiteral("C:\\long.ini"));
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.at(1).size(), longLine.size());

    // A folder or a dangling link where the file should be: a failure, and
    // the list keeps what it held.
    list.setLines(L({"kept"}));
    box.put(QStringLiteral("C:\\dir\\inside.txt"), "x");
    EXPECT_THROW(list.loadFromFile(QStringLiteral("C:\\dir")), plat::Failure);
    ASSERT_TRUE(QFile::link(box.root() + QStringLiteral("/nowhere"),
                            box.root() + QStringLiteral("/drive/c/link.ini")));
    EXPECT_THROW(list.loadFromFile(QStringLiteral("C:\\link.ini")), plat::Failure);
    EXPECT_THROW(list.loadFromFile(QStringLiteral("C:\\missing.ini")), plat::Failure);
    EXPECT_THROW(list.loadFromFile(QString()), plat::Failure);
    EXPECT_EQ(list.lines(), L({"kept"}));
}

// Reading splits the bytes before decoding each line, and writing encodes
// each line straight to bytes: both must give exactly what decoding or
// encoding the whole text gives, marks, NULs and mixed line ends included.
TEST(LineListRead, LineByLineEqualsTheWholeText)
{
    const QByteArray inputs[] = {
        "", "\r\n", "a\rb\nc\r\n\r\nd", "\n\r", "x\r", "caf\xe9\r\nna\xefve",
        "caf\xc3\xa9\r\n\xef\xbb\xbfmark\r\n\xef\xbb\xbf\xef\xbb\xbftwo", "\xef\xbb\xbf" "first\r\nsecond",
        "\xef\xbb\xbf", "ab\0cd\r\nef", "\xc3\xa9\0\xff", "\xff\xfeT\0i\0\r\0\n\0A\0", "\xfe\xff\0T\0\n",
        "\x80\x81\x9f\xa0 \xc3", "fin sans ligne"};
    for (const QByteArray &bytes : inputs) {
        const QByteArray b = bytes.size() ? bytes : QByteArray();
        EXPECT_EQ(LineList::parse(b), LineList::parseText(plat::decodeFileText(b))) << b.toHex().toStdString();
    }
    const QStringList lists[] = {
        {}, {""}, {"caf\u00e9", "\u20ac 5"}, {"\u00c3\u00a9t\u00e9"}, {"\u00ff\u00fe", "x"},
        {"\u043c\u0438\u0440", "a"}, {QString(QChar(0xDC00))}, {"\u0081\u008d", "plain"}};
    for (const QStringList &lines : lists) {
        const LineList list(lines);
        EXPECT_EQ(list.toBytes(), plat::encodeText(list.toText())) << lines.join('|').toStdString();
    }
}

// Lines are decoded a few thousand bytes at a time and share each piece's
// memory: line ends, characters and marks on either side of a piece's end
// read as in the whole text, and each line is a string of its own, closed
// by a NUL, that outlives the list and changes alone.
TEST(LineListRead, LinesAcrossPiecesAreThoseOfTheWholeText)
{
    QString text;
    const char16_t *ends[] = {u"\r\n", u"\r", u"\n", u"\n\r"};
    const char16_t *words[] = {u"caf\u00e9", u"\u20ac", u"na\u00efve \u0153uvre", u"\ufeffmarque", u"x", u""};
    for (int k = 0; text.size() < 30000; ++k) {
        // Lengths from nothing to beyond a piece.
        const int repeat = (k * 37) % 23 == 0 ? 1200 : (k * 7) % 13;
        for (int r = 0; r < repeat; ++r)
            text += QString::fromUtf16(words[(k + r) % 6]);
        text += QString::fromUtf16(ends[k % 4]);
    }
    const QString open = text + QStringLiteral("fin ouverte");
    const QByteArray utf16 = QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char *>(open.utf16()),
                                                                  open.size() * 2);
    QString latin = open;
    latin.remove(QChar(0xFEFF));
    const QByteArray inputs[] = {open.toUtf8(), QByteArray("\xef\xbb\xbf") + text.toUtf8(),
                                 plat::encodeText(latin), utf16, plat::encodeText(latin) + QByteArray(1, '\0') + "z"};
    for (const QByteArray &bytes : inputs) {
        const QStringList expected = LineList::parseText(plat::decodeFileText(bytes));
        ASSERT_GT(expected.size(), 100);
        QStringList lines = LineList::parse(bytes);
        ASSERT_EQ(lines, expected) << bytes.left(40).toHex().toStdString();
        for (const QString &l : lines)
            ASSERT_EQ(l.utf16()[l.size()], u'\0');
        // One line kept, one changed: the others and the kept one stay.
        const QString kept = lines.at(5);
        lines[6] += QStringLiteral("ajout");
        lines[4].resize(0);
        EXPECT_EQ(lines.at(5), expected.at(5));
        EXPECT_EQ(lines.at(7), expected.at(7));
        EXPECT_EQ(lines.at(6), expected.at(6) + QStringLiteral("ajout"));
        lines.clear();
        EXPECT_EQ(kept, expected.at(5));
    }
    // A NUL ends the text wherever it falls: in a block, at a block's or a
    // piece's edge, just after a CR.
    const QByteArray single = plat::encodeText(latin);
    for (const qsizetype at : {qsizetype(1), qsizetype(15), qsizetype(16), qsizetype(4095), qsizetype(4096),
                               qsizetype(4097), qsizetype(9001), qsizetype(9002), single.size() - 1}) {
        QByteArray bytes = single;
        bytes[at] = '\0';
        EXPECT_EQ(LineList::parse(bytes), LineList::parseText(plat::decodeFileText(bytes))) << at;
        if (const qsizetype cr = single.indexOf('\r', at); cr >= 0) {
            bytes = single;
            bytes.insert(cr + 1, '\0');
            EXPECT_EQ(LineList::parse(bytes), LineList::parseText(plat::decodeFileText(bytes))) << cr;
        }
    }
    // The last line of a piece left grows where the others were.
    QString solo = LineList::parse("ab\r\ncd\r\n").at(0);
    solo += QStringLiteral("xyz");
    EXPECT_EQ(solo, QStringLiteral("abxyz"));
}
