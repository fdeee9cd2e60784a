#include "platform/encoding.h"
#include "platform/linelist.h"

#include <gtest/gtest.h>

using namespace plat;

TEST(Encoding, EveryWindows1252ByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = fromWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC)); // euro sign
    EXPECT_EQ(text.at(0x9C), QChar(0x0153)); // œ
    EXPECT_EQ(text.at(0xE9), QChar(0x00E9)); // é
    EXPECT_EQ(text.at(0x81), QChar(0x0081)); // undefined in the code page, kept
    EXPECT_TRUE(fitsWindows1252(text));
    EXPECT_EQ(encodeText(text), all);
    // The same bytes read as a file: not UTF-8, so Windows-1252 again.
    EXPECT_FALSE(isUtf8WithNonAscii(all));
    EXPECT_EQ(encodeText(decodeText(all)), all);
}

TEST(Encoding, LongTextsReadAndWrittenTheSameAtEveryOffset)
{
    // Runs of ASCII are taken eight bytes at a time: whatever stands before,
    // between or after them reads the same wherever the runs fall.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    for (int shift = 0; shift < 9; ++shift) {
        SCOPED_TRACE(shift);
        const QByteArray pad(shift, 'x');
        const QByteArray w1252 = pad + all + pad + "\x9C" + pad;
        const QString text = fromWindows1252(w1252);
        for (qsizetype k = 0; k < w1252.size(); ++k)
            ASSERT_EQ(text.at(k), fromWindows1252(w1252.mid(k, 1)).at(0)) << k;
        EXPECT_EQ(encodeText(text), w1252);

        const QByteArray utf8 = pad + "abcdefghij\xC3\xA9klmnopqrs\xE2\x82\xAC" + pad;
        EXPECT_TRUE(isUtf8WithNonAscii(utf8));
        EXPECT_EQ(decodeText(utf8), QString::fromLatin1(pad) + QStringLiteral("abcdefghijéklmnopqrs€") + QString::fromLatin1(pad));
        EXPECT_FALSE(isUtf8WithNonAscii(pad + "abcdefghijklmnop\xC3" + pad + "abcdefgh"));
    }
}

// Characters are judged eight at a time: one that has no byte in the code
// page (a Cyrillic letter, the control U+0080 whose byte is the euro's) is
// found wherever it falls in a block, and one with a byte of 0x80..0x9F is
// written as that byte.
TEST(Encoding, CharactersWithoutAByteAreFoundAtEveryOffset)
{
    const struct {
        QChar c;
        bool fits;
        char byte;
    } cases[] = {{QChar(0x0416), false, 0}, {QChar(0x0080), false, 0}, {QChar(0x20AC), true, '\x80'},
                 {QChar(0x0178), true, '\x9F'}, {QChar(0x00E9), true, '\xE9'}, {QChar(0x0081), true, '\x81'}};
    for (const auto &c : cases) {
        for (int at = 0; at < 20; ++at) {
            QString text(20, QLatin1Char('a'));
            text[at] = c.c;
            EXPECT_EQ(fitsWindows1252(text), c.fits) << at;
            QByteArray expected = c.fits ? QByteArray(20, 'a') : text.toUtf8();
            if (c.fits)
                expected[at] = c.byte;
            EXPECT_EQ(encodeText(text), expected) << at;
        }
    }
}

TEST(Encoding, ReadsUtf8OnlyWhenValidAndNotPlainAscii)
{
    struct Case {
        QByteArray bytes;
        bool utf8;
        QString text;
    };
    const Case cases[] = {
        {"plain ascii", false, QStringLiteral("plain ascii")},
        {"caf\xC3\xA9", true, QStringLiteral("café")},
        {"caf\xE9", false, QStringLiteral("café")},
        {"\xD0\x9C\xD0\xB8\xD1\x80", true, QStringLiteral("Мир")},
        {"\xE6\x97\xA5\xE6\x9C\xAC", true, QStringLiteral("日本")},
        {"\xF0\x9F\x98\x80", true, QString::fromUtf8("\xF0\x9F\x98\x80")},
        {"\xEF\xBB\xBF" "abc", true, QStringLiteral("abc")},  // the mark is dropped
        {"\xC3", false, QStringLiteral("Ã")},                 // cut sequence
        {"\xC0\xAF", false, QStringLiteral("À¯")},             // overlong
        {"\xE0\x80\xAF", false, QString::fromUtf8("\xC3\xA0\xE2\x82\xAC\xC2\xAF")},
        {"\xED\xA0\x80", false, QString::fromUtf8("\xC3\xAD\xC2\xA0\xE2\x82\xAC")}, // surrogate
        {"\xF4\x90\x80\x80", false, QString::fromUtf8("\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC")},
        {"\xC3\xA9\xE9", false, QStringLiteral("Ã©é")},        // valid then invalid
    };
    for (const Case &c : cases) {
        EXPECT_EQ(isUtf8WithNonAscii(c.bytes), c.utf8) << c.bytes.toHex(' ').constData();
        EXPECT_EQ(decodeText(c.bytes), c.text) << c.bytes.toHex(' ').constData();
    }
}

TEST(Encoding, WritesWindows1252WhenItFitsElseUtf8)
{
    struct Case {
        QString text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {QStringLiteral("abc"), "abc"},
        {QStringLiteral("été €‰Ÿ"), "\xE9t\xE9 \x80\x89\x9F"},
        {QStringLiteral("été Мир"), "\xC3\xA9t\xC3\xA9 \xD0\x9C\xD0\xB8\xD1\x80"}, // no BOM
        {QString::fromUtf8("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80"},
        {QString(QChar(0x0080)), "\xC2\x80"}, // a C1 control the code page lacks
        // Code-page bytes that would read back as UTF-8 "é": written as UTF-8.
        {QStringLiteral("Ã©"), "\xC3\x83\xC2\xA9"},
        {QString(QChar(0xFEFF)) + QStringLiteral("x"), "\xEF\xBB\xBF\xEF\xBB\xBFx"},
        // A lone surrogate from a damaged UTF-16 file has no UTF-8 form: it
        // is kept by writing UTF-16 again.
        {QStringLiteral("a") + QChar(0xDF0D), QByteArray("\xFF\xFE" "a\0\x0D\xDF", 6)},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(encodeText(c.text), c.bytes) << c.text.toStdString();
        EXPECT_EQ(decodeText(encodeText(c.text)), c.text) << c.text.toStdString();
    }

    // A whole list goes one way: one Cyrillic line makes every line UTF-8.
    const plat::LineList list(QStringList{QStringLiteral("é"), QStringLiteral("ж")});
    EXPECT_EQ(list.toBytes(), QByteArray("\xC3\xA9\r\n\xD0\xB6\r\n"));
    EXPECT_EQ(plat::LineList::parse(list.toBytes()), list.lines());
}

// A big text is written piece by piece: whatever the cuts, the pieces make
// exactly the bytes of the whole text, which are judged on the whole text.
TEST(Encoding, PiecesMakeTheBytesOfTheWholeText)
{
    const QString texts[] = {
        QString(), QStringLiteral("abc\r\n"), QStringLiteral("été €‰Ÿ"), QStringLiteral("été Мир"),
        QStringLiteral("xxxxxxxxÃ©"), QStringLiteral("ÿþab"), QStringLiteral("ÿþa"), QStringLiteral("þÿ"),
        QString(QChar(0xFEFF)) + QStringLiteral("x"), QStringLiteral("a") + QChar(0xDF0D) + QStringLiteral("bc"),
        QString::fromUtf8("a\xF0\x9F\x98\x80" "b\xF0\x9F\x98\x80"), QStringLiteral("caf\u00e9 Ã"),
    };
    for (const QString &text : texts) {
        for (const qsizetype piece : {1, 2, 3, 5, 1 << 20}) {
            QByteArray joined;
            encodeTextPieces(text, [&](QByteArrayView part) { joined += part; }, piece);
            EXPECT_EQ(joined, encodeText(text)) << text.toStdString() << " " << piece;
        }
    }
}

// A file's text ends at its first NUL: only the bytes before it say whether
// it reads as UTF-8, however the bytes after it look.
TEST(Encoding, ReadsAsUtf8OnTheBytesBeforeTheNul)
{
    const QByteArray nul(1, '\0');
    const QByteArray pad(20, 'a');
    struct Case {
        QByteArray bytes;
        bool utf8;
    };
    const Case cases[] = {
        {"caf\xC3\xA9", true},
        {"caf\xE9", false},
        {"plain", false},
        {"caf\xC3\xA9" + nul + "\xE9", true},
        {"caf\xE9" + nul + "\xC3\xA9", false},
        {"plain" + nul + "\xC3\xA9", false},
        {"plain" + nul + "\xE9", false},
        {"caf\xC3" + nul + "\xA9", false},
        {nul + "\xC3\xA9", false},
        {pad + "\xC3\xA9" + pad + nul + pad + "\xFF", true},
        {pad + nul + pad + "\xE9" + pad, false},
        {pad + "\xE2\x82" + nul + "\xAC", false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(readsAsUtf8(c.bytes), c.utf8) << c.bytes.toHex(' ').constData();
        const qsizetype cut = c.bytes.indexOf('\0');
        EXPECT_EQ(readsAsUtf8(c.bytes), isUtf8WithNonAscii(cut < 0 ? c.bytes : c.bytes.first(cut)));
    }
}
