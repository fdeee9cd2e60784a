#include "sheets/sheet.h"
#include "tests/support.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using sheets::Sheet;
using testing_support::Sandbox;

namespace {

Sheet loadBytes(Sandbox &box, const QByteArray &bytes)
{
    box.put(QStringLiteral("C:\\fiches\\s.fic"), bytes);
    return Sheet::load(QStringLiteral("C:\\fiches\\s.fic"));
}

} // namespace

TEST(SheetFormat, ReadsEveryLineEndAndStopsAtNul)
{
    Sandbox box;
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const QStringList titleAndPair{"Verbes //note\\\\", "to go", "aller"};
    const Case cases[] = {
        {"Verbes //note\\\\\r\nto go\r\naller\r\n", titleAndPair},
        {"Verbes //note\\\\\nto go\naller\n", titleAndPair},
        {"Verbes //note\\\\\rto go\raller\r", titleAndPair},
        {"Verbes //note\\\\\r\nto go\naller", titleAndPair},
        {"a\n\rb", {"a", "", "b"}},
        {QByteArray("a\nb\0c\nd\n", 8), {"a", "b"}},
        {QByteArray("ti\0tle\nto go\naller\n", 19), {"ti"}},
        {QByteArray("\0", 1), {}},
        {"", {}},
        {"\r\n", {""}},
        {" \r\n", {" "}},
    };
    for (const Case &c : cases) {
        const Sheet sheet = loadBytes(box, c.bytes);
        EXPECT_EQ(sheet.lines().lines(), c.lines) << c.bytes.toStdString();
    }
    // A file cut short at a NUL in its title is an anonymous sheet when
    // nothing stands before the NUL.
    EXPECT_TRUE(loadBytes(box, QByteArray("\0title\nx\ny\n", 11)).isAnonymous());
}

TEST(SheetFormat, PairCountAndUnpairedLineForZeroToFiveLines)
{
    struct Case {
        QStringList lines;
        qsizetype pairs;
        bool unpaired;
    };
    const Case cases[] = {
        {{}, 0, false},
        {{"T"}, 0, false},
        {{"T", "seul"}, 0, true},
        {{"T", "to go", "aller"}, 1, false},
        {{"T", "to go", "aller", "seul"}, 1, true},
        {{"T", "to go", "aller", "dog", "chien"}, 2, false},
    };
    for (const Case &c : cases) {
        const Sheet sheet{plat::LineList(c.lines)};
        EXPECT_EQ(sheet.pairCount(), c.pairs) << c.lines.size();
        EXPECT_EQ(sheets::pairCount(c.lines.size()), c.pairs);
        EXPECT_EQ(sheet.hasUnpairedLine(), c.unpaired) << c.lines.size();
        EXPECT_EQ(sheet.unpairedLine(), c.unpaired ? c.lines.last() : QString());
    }
    const Sheet five{plat::LineList({"T", "to go", "aller", "dog", "chien"})};
    EXPECT_EQ(five.pair(1).foreign, "to go");
    EXPECT_EQ(five.pair(1).french, "aller");
    EXPECT_EQ(five.pair(2).foreign, "dog");
    EXPECT_EQ(five.pair(2).french, "chien");
    // An empty file: anonymous, no pairs, reads as empty text.
    const Sheet empty;
    EXPECT_TRUE(empty.isAnonymous());
    EXPECT_EQ(empty.titleLine(), QString());
    EXPECT_EQ(empty.pairCount(), 0);
}

TEST(SheetFormat, TitleSubFields)
{
    using std::nullopt;
    using OptS = std::optional<QString>;
    struct Case {
        QString line;
        QString name;
        OptS information;
        OptS picture;
    };
    const Case cases[] = {
        // As the naming dialog writes it, and the variants around it.
        {"Verbes // en classe\\\\", "Verbes", " en classe", nullopt},
        {"Verbes //en classe", "Verbes", "", nullopt},
        {"Verbes", "Verbes", nullopt, nullopt},
        {" //\\\\", "", "", nullopt},
        {"Verbes //\\\\", "Verbes", "", nullopt},
        {"", "", nullopt, nullopt},
        {" ", " ", nullopt, nullopt},
        {"  ", "  ", nullopt, nullopt},
        // First occurrences only; "\\" before " //" leaves no information.
        {"a //b\\\\c //d\\\\", "a", "b", nullopt},
        {"a\\\\b //c", "a\\\\b", "", nullopt},
        {"a\\\\b //c\\\\", "a\\\\b", "", nullopt},
        {"\\\\ //", "\\\\", "", nullopt},
        {" // //x\\\\", "", " //x", nullopt},
        {"a //\\", "a", "", nullopt},
        // The picture field, searched independently of the others.
        {"Animaux //CM1\\\\ /[C:\\images\\chat.jpg]\\", "Animaux", "CM1", "C:\\images\\chat.jpg"},
        {"Animaux /[chat.png]\\", "Animaux /[chat.png]\\", nullopt, "chat.png"},
        {"Animaux /[chat.png", "Animaux /[chat.png", nullopt, nullopt},
        {"Animaux chat.png]\\", "Animaux chat.png]\\", nullopt, nullopt},
        {"A]\\ /[chat.png]\\", "A]\\ /[chat.png]\\", nullopt, ""},
        {"A //x]\\y\\\\ /[p.png]\\", "A", "x]\\y", ""},
        {"A /[]\\", "A /[]\\", nullopt, ""},
    };
    for (const Case &c : cases) {
        const sheets::TitleFields f = sheets::splitTitle(c.line);
        EXPECT_EQ(f.name, c.name) << c.line.toStdString();
        EXPECT_EQ(f.information, c.information) << c.line.toStdString();
        EXPECT_EQ(f.picture, c.picture) << c.line.toStdString();
    }
    EXPECT_TRUE(sheets::isAnonymousTitle(u""));
    EXPECT_TRUE(sheets::isAnonymousTitle(u" "));
    EXPECT_FALSE(sheets::isAnonymousTitle(u"  "));
    EXPECT_FALSE(sheets::isAnonymousTitle(u" //\\\\"));
}

TEST(SheetFormat, PairKeys)
{
    const std::pair<qsizetype, const char *> cases[] = {
        {1, "0001"}, {7, "0007"}, {42, "0042"}, {100, "0100"}, {999, "0999"},
        {1000, "1000"}, {9999, "9999"}, {10000, "10000"}, {123456, "123456"}};
    for (const auto &[k, key] : cases)
        EXPECT_EQ(sheets::pairKey(k), QString::fromLatin1(key)) << k;
}

TEST(SheetFormat, LargeAndBinarySheets)
{
    Sandbox box;
    // Far past the 9999-pair and 50000-character limits of old.
    QByteArray bytes = "Grand //test\\\\\r\n";
    for (int k = 1; k <= 100000; ++k)
        bytes += "foreign" + QByteArray::number(k) + "\r\nfrancais" + QByteArray::number(k) + "\r\n";
    Sheet big = loadBytes(box, bytes);
    EXPECT_EQ(big.pairCount(), 100000);
    EXPECT_EQ(big.pair(100000).french, "francais100000");
    EXPECT_EQ(big.title().name, "Grand");

    // Arbitrary bytes read as some lines without failing; the text stops at
    // the first NUL.
    QByteArray noise(1 << 20, Qt::Uninitialized);
    QRandomGenerator gen(7);
    for (char &c : noise)
        c = char(gen.bounded(1, 256));
    noise[700000] = '\0';
    const Sheet binary = loadBytes(box, noise);
    EXPECT_GT(binary.lineCount(), 0);
    qsizetype chars = 0;
    for (const QString &l : binary.lines().lines())
        chars += l.size();
    EXPECT_LE(chars, 700000);
    (void)binary.title();

    // One line of a few MB with every marker repeated in both orders.
    QByteArray title;
    for (int i = 0; i < 200000; ++i)
        title += (i % 2) ? "\\\\ // /[ ]\\" : " //\\\\]\\ /[";
    const Sheet longTitle = loadBytes(box, title);
    const sheets::TitleFields f = longTitle.title();
    EXPECT_EQ(f.name, "");
    EXPECT_EQ(f.information, "");
    EXPECT_EQ(f.picture, "");
}
