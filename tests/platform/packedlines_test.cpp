#include "platform/failure.h"
#include "platform/linelist.h"
#include "platform/packedlines.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

using plat::LineList;
using plat::PackedLines;

namespace {

// Byte strings of every kind a sheet file may hold: single-byte and UTF-8
// text with every line end, marks, NULs and open last lines; UTF-16 in both
// orders with NUL units and lone surrogates.
QList<QByteArray> sampleFiles()
{
    QList<QByteArray> files = {
        QByteArray(), "a", "a\r\nb\r\n", "a\nb", "a\rb\r", "a\n\rb", "a\r\r\nb", "\r\n", "\n\r", "\r",
        "fin sans ligne", "caf\xe9\r\nna\xefve", "\xef\xbb\xbf", "\xef\xbb\xbf" "a\r\n\xef\xbb\xbf" "b",
        "caf\xc3\xa9\nthe end\r", "\xff\xfe", QByteArray("a\r\nb\0c\r\nd", 10), QByteArray("\0x", 2),
        QByteArray("\xff\xfeT\0i\0\0\0\r\0\n\0A\0", 14), QByteArray("\xfe\xff\0T\0\n\xdc\0", 8),
    };
    // Random mixtures of the same pieces, always the same ones.
    QRandomGenerator random(16);
    const QByteArray pieces[] = {"ab", "\xe9", "\r", "\n", "\r\n", QByteArray(1, '\0'), "\xc3\xa9", "\xef\xbb\xbf", " "};
    const char16_t units[] = {u'a', u'\r', u'\n', 0, 0xDC00, 0xE9, 0xFEFF};
    for (int k = 0; k < 400; ++k) {
        QByteArray bytes;
        const int length = random.bounded(12);
        if (k % 4 == 3) {
            bytes = "\xff\xfe";
            for (int j = 0; j < length; ++j) {
                const char16_t u = units[random.bounded(int(std::size(units)))];
                bytes += char(u & 0xFF);
                bytes += char(u >> 8);
            }
        } else {
            for (int j = 0; j < length; ++j)
                bytes += pieces[random.bounded(int(std::size(pieces)))];
        }
        files.append(bytes);
    }
    return files;
}

} // namespace

// The packed lines are a line list's in all but their memory: the same
// lines from the same bytes, the same bytes written, after any edit.
TEST(PackedLines, ReadEditAndWriteAsALineList)
{
    for (const QByteArray &bytes : sampleFiles()) {
        SCOPED_TRACE(bytes.toHex(' ').toStdString());
        LineList list(LineList::parse(bytes));
        PackedLines packed = PackedLines::parse(bytes);
        ASSERT_EQ(packed.lines(), list.lines());
        EXPECT_EQ(packed.toBytes(), list.toBytes());
        EXPECT_EQ(packed.toText(), list.toText());
        EXPECT_EQ(PackedLines(list.lines()), packed);

        // A pair goes in before the last line, the first line is replaced,
        // the first two lines go, a line is appended.
        const qsizetype at = std::max<qsizetype>(list.count() - 1, 0);
        packed.insert(at, {u"new\u00e9", u""});
        list.insert(at, QStringLiteral("new\u00e9"));
        list.insert(at + 1, QString());
        packed.replaceLine(0, QStringLiteral("Titre"));
        list.replaceLine(0, QStringLiteral("Titre"));
        packed.remove(0, 2);
        list.removeAt(0);
        list.removeAt(0);
        packed.append(u"\u043c\u0438\u0440");
        list.append(QStringLiteral("\u043c\u0438\u0440"));
        ASSERT_EQ(packed.lines(), list.lines());
        EXPECT_EQ(packed.toBytes(), list.toBytes());
        for (qsizetype i = -1; i <= list.count(); ++i)
            EXPECT_EQ(packed.memoLine(i), list.memoLine(i));
    }
}

TEST(PackedLines, EditsOutsideTheListFailAndChangeNothing)
{
    PackedLines packed(QStringList{"t", "a", "b"});
    const PackedLines before = packed;
    EXPECT_THROW(packed.insert(4, {u"x"}), plat::Failure);
    EXPECT_THROW(packed.insert(-1, {u"x"}), plat::Failure);
    EXPECT_THROW(packed.remove(2, 2), plat::Failure);
    EXPECT_THROW(packed.remove(3, 0), plat::Failure);
    packed.replaceLine(4, "x");
    EXPECT_EQ(packed, before);
    // A copy changes alone.
    PackedLines copy = packed;
    copy.remove(1, 2);
    EXPECT_EQ(packed.lines(), (QStringList{"t", "a", "b"}));
    EXPECT_EQ(copy.lines(), QStringList{"t"});
}

// Long files are read sixteen units at a time: a line end, a NUL or a
// character of 0x80..0x9F reads the same wherever it falls against those
// blocks, a CR LF cut between two of them included, in every encoding.
TEST(PackedLines, LongFilesReadAsALineListAtEveryOffset)
{
    const QByteArray pieces[] = {
        "\r\n", "\r", "\n", "\n\r", "\r\r\n", "\x80\x9f\xa0", "\xe9", QByteArray(1, '\0'), "x\r\ny",
    };
    for (const QByteArray &piece : pieces) {
        for (int shift = 0; shift < 36; ++shift) {
            const QByteArray pad(shift, 'a');
            const QByteArray body = pad + piece + QByteArray(20, 'b') + piece + pad;
            QByteArray ascii = body;
            for (const char high : {'\xe9', '\x80', '\x9f', '\xa0'})
                ascii.replace(high, 'h');
            QByteArray utf16 = "\xff\xfe";
            for (const char c : ascii) {
                utf16 += c;
                utf16 += '\0';
            }
            // Windows-1252, UTF-8, UTF-16, and each with an open last line.
            for (const QByteArray &bytes : {body, body + "\xc3\xa9", utf16, body + "z", utf16 + QByteArray("z\0", 2)}) {
                SCOPED_TRACE(bytes.toHex(' ').toStdString());
                const LineList list(LineList::parse(bytes));
                // A view with a line end just past its end, which is no part of it.
                const QByteArray withMore = bytes + "\n";
                const PackedLines packed = PackedLines::parse(QByteArrayView(withMore).first(bytes.size()));
                ASSERT_EQ(packed.lines(), list.lines());
                EXPECT_EQ(packed.toText(), list.toText());
                const QString text = plat::decodeFileText(bytes);
                EXPECT_EQ(PackedLines::fromText(text), PackedLines(LineList::parseText(text)));
            }
        }
    }
}

// The room for the lines is guessed from the first of them: a file whose
// lines get shorter further on, or whose lines end in lone CRs or LFs, or
// that ends without one, still reads whole; a text passed in is left alone.
TEST(PackedLines, BigFilesReadWholeWhateverTheirLines)
{
    struct Case {
        QByteArray head;
        QByteArray line;
        int lines;
    };
    const Case cases[] = {
        {QByteArray(70000, 'a') + "\r\n", "\xe9t\xe9\r\n", 40000},
        {"titre\n", "\x9cuvre\n", 30000},
        {"titre\r", "mot\r", 30000},
        {"titre\r\n", "un\r\ndeux\nTrois\r", 20000},
        {QByteArray(100000, 'x'), "", 0},
        {"t\xc3\xa9\n", "caf\xc3\xa9\r\nna\xc3\xafve\n", 20000},
    };
    for (const Case &c : cases) {
        QByteArray bytes = c.head;
        for (int i = 0; i < c.lines; ++i)
            bytes += c.line;
        for (const QByteArray &file : {bytes, bytes + "sans fin"}) {
            SCOPED_TRACE(file.left(40).toHex(' ').toStdString());
            const QStringList lines = LineList::parse(file);
            const PackedLines packed = PackedLines::parse(file);
            ASSERT_EQ(packed.lines(), lines);
            EXPECT_EQ(packed, PackedLines(lines));
            const QString text = plat::decodeFileText(file);
            const QString kept = text;
            EXPECT_EQ(PackedLines::fromText(text), PackedLines(lines));
            EXPECT_EQ(text, kept);
        }
    }
}
