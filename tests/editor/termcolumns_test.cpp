#include "editor/termcolumns.h"
#include "editor/collationranks.h"
#include "bench/realwords.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <algorithm>
#include <functional>

using editor::TermColumns;

namespace {

plat::PackedLines sheet(const QStringList &lines)
{
    return plat::PackedLines(lines);
}

const QStringList kFruit{"Fruits", "pear", "poire", "apple", "pomme", "Banana", "banane"};

// In each language, the columns built on the lines list the terms (the
// first terms, in pair order) as a stable sort with the collator does;
// then more checks them, and the working lines they read, further.
using MoreChecks = std::function<void(TermColumns &, plat::PackedLines &, const QCollator &, const char *)>;
void expectCollatorsOrder(const QStringList &lines, const QStringList &terms,
                          std::initializer_list<const char *> languages, const MoreChecks &more = {})
{
    const QLocale before;
    for (const char *name : languages) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        const QCollator collator = TermColumns::collator();
        QStringList expected = terms;
        std::stable_sort(expected.begin(), expected.end(),
                         [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
        TermColumns columns;
        plat::PackedLines working = sheet(lines);
        columns.build(working, false);
        EXPECT_EQ(columns.firstColumn(), expected) << name;
        if (more)
            more(columns, working, collator, name);
    }
    QLocale::setDefault(before);
}

} // namespace

TEST(TermColumns, SortsOnTheFirstColumnInBothDirections)
{
    struct Case {
        QStringList lines;
        bool reversed;
        QStringList first;
        QStringList second;
    };
    const Case cases[] = {
        {kFruit, true, {"banane", "poire", "pomme"}, {"Banana", "pear", "apple"}},
        // Equal terms, whatever their case, list in pair order.
        {{"t", "dog", "chien", "Dog", "Hund", "dog", "perro"}, false,
         {"dog", "Dog", "dog"}, {"chien", "Hund", "perro"}},
        // Accents sort beside their letter, not after z.
        {{"t", "zèbre", "z", "été", "e", "eux", "x", "abri", "a"}, false,
         {"abri", "été", "eux", "zèbre"}, {"a", "e", "x", "z"}},
        // Only a title, an unpaired last line, nothing at all.
        {{"Titre"}, false, {}, {}},
        {{"t", "a", "b", "lone"}, false, {"a"}, {"b"}},
        {{}, false, {}, {}},
        // Terms are kept as they are: blanks, separators, quotes, scripts.
        {{"t", " sp ", "x;y", "\"q\"", "\tz", "", "vide"}, false,
         {"", " sp ", "\"q\""}, {"vide", "x;y", "\tz"}},
    };
    for (const Case &c : cases) {
        TermColumns columns;
        const plat::PackedLines lines = sheet(c.lines);
        columns.build(lines, c.reversed);
        EXPECT_EQ(columns.firstColumn(), c.first) << c.lines.join('|').toStdString();
        EXPECT_EQ(columns.secondColumn(), c.second) << c.lines.join('|').toStdString();
    }
}

TEST(TermColumns, PrefixSearchFoldsOnlyAsciiLetters)
{
    TermColumns columns;
    const plat::PackedLines lines = sheet({"t", "maison", "house", "Mars", "march", "élan", "elk", "Zoo", "zoo"});
    columns.build(lines, false);
    ASSERT_EQ(columns.firstColumn(), (QStringList{"élan", "maison", "Mars", "Zoo"}));
    struct Case {
        QString typed;
        int row;
    };
    const Case cases[] = {
        {"ma", 1}, {"MA", 1}, {"mA", 1}, {"mar", 2}, {"MARS", 2}, {"marsx", -1},
        {"é", 0}, {"É", -1}, {"e", -1}, {"", -1}, {"z", 3}, {"q", -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(columns.searchPrefix(c.typed), c.row) << c.typed.toStdString();
}

TEST(TermColumns, InsertedPairsTakeTheirSortedPlace)
{
    TermColumns columns;
    plat::PackedLines lines = sheet(kFruit);
    columns.build(lines, false);
    EXPECT_EQ(editor::addTypedPair(lines, columns, "cherry", "cerise", false), 2);
    EXPECT_EQ(editor::addTypedPair(lines, columns, "Zebra", "zèbre", false), 4);
    EXPECT_EQ(editor::addTypedPair(lines, columns, "aa", "x", false), 0);
    // A pair the lines do not hold gets no row.
    EXPECT_EQ(columns.insertPair(7), -1);
    EXPECT_EQ(columns.rows(), 6);
    EXPECT_EQ(columns.firstColumn(),
              (QStringList{"aa", "apple", "Banana", "cherry", "pear", "Zebra"}));
    EXPECT_EQ(columns.secondColumn(),
              (QStringList{"x", "pomme", "banane", "cerise", "poire", "zèbre"}));
}

TEST(TermColumns, ANewPairOfAnExistingTermTakesItsFirstRow)
{
    TermColumns columns;
    plat::PackedLines lines = sheet({"t", "apple", "pomme", "Apple", "Pomme"});
    columns.build(lines, false);
    // An exact twin: the new pair shows in the first row of that term.
    EXPECT_EQ(editor::addTypedPair(lines, columns, "apple", "pomme verte", false), 0);
    EXPECT_EQ(columns.firstColumn(), (QStringList{"apple", "apple", "Apple"}));
    EXPECT_EQ(columns.secondColumn(), (QStringList{"pomme verte", "pomme", "Pomme"}));
    // Equal only without case: after the others, and no row loses its pair.
    EXPECT_EQ(editor::addTypedPair(lines, columns, "APPLE", "POMME", false), 3);
    EXPECT_EQ(columns.secondColumn(), (QStringList{"pomme verte", "pomme", "Pomme", "POMME"}));
    EXPECT_EQ(columns.pairOf(0), 3);
    EXPECT_EQ(columns.pairOf(3), 4);
}

TEST(SheetLines, AppendKeepsPairsOnPairLines)
{
    struct Case {
        QStringList before;
        QStringList after;
        qsizetype pair;
    };
    const Case cases[] = {
        {{"t"}, {"t", "f", "F"}, 1},
        {{"t", "a", "A"}, {"t", "a", "A", "f", "F"}, 2},
        {{"t", "a", "A", "lone"}, {"t", "a", "A", "f", "F", "lone"}, 2},
        {{"t", "lone"}, {"t", "f", "F", "lone"}, 1},
        {{}, {"", "f", "F"}, 1},
    };
    for (const Case &c : cases) {
        plat::PackedLines lines(c.before);
        EXPECT_EQ(editor::appendPair(lines, "f", "F"), c.pair);
        EXPECT_EQ(lines.lines(), c.after) << c.before.join('|').toStdString();
    }
}

TEST(SheetLines, FindsOnlyWholePairs)
{
    // "poire" then "apple" are consecutive lines of two pairs: never a match.
    const plat::PackedLines lines(QStringList{"t", "pear", "poire", "apple", "pomme", "poire", "apple",
                                              "pear", "poire"});
    EXPECT_EQ(editor::findPair(lines, "poire", "apple"), 3);
    EXPECT_EQ(editor::findPair(lines, "pear", "poire"), 1);
    EXPECT_EQ(editor::findPair(lines, "pear", "poire", 4), 4);
    EXPECT_EQ(editor::findPair(lines, "pear", "poire", 2), 1);
    EXPECT_EQ(editor::findPair(lines, "pomme", "poire"), 0);
    EXPECT_EQ(editor::findPair(sheet({"t", "a"}), "t", "a"), 0);

    plat::PackedLines removed = lines;
    editor::removePair(removed, 3);
    EXPECT_EQ(removed.lines(), (QStringList{"t", "pear", "poire", "apple", "pomme", "pear", "poire"}));
}

TEST(SheetLines, ExportAndDirectionWords)
{
    TermColumns columns;
    const plat::PackedLines lines = sheet({"Fruits //moi\\\\", "pear", "poire", "apple", "pomme"});
    columns.build(lines, false);
    EXPECT_EQ(editor::exportLines("Fruits //moi\\\\", columns),
              (QStringList{"Fruits //moi\\\\;", "apple;pomme", "pear;poire"}));
    EXPECT_EQ(editor::directionWord("Vocabulaire étranger :"), "étranger :");
    EXPECT_EQ(editor::directionWord("Vocabulaire français :"), "français :");
}

// Adding and deleting act on the working lines in file order (foreign term
// first) and on the rows in sorted order, in either direction; a delete
// whose pair the lines do not hold whole leaves the lines alone.
TEST(SheetLines, AddAndDeleteKeepLinesAndRowsTogether)
{
    const struct {
        bool reversed;
        int deleted; // row
        QStringList lines;
        QStringList firstColumn;
    } cases[] = {
        {false, 0, {"Fruits", "pear", "poire", "Banana", "banane", "cat", "chat"}, {"Banana", "cat", "pear"}},
        {true, 2, {"Fruits", "apple", "pomme", "Banana", "banane", "cat", "chat"}, {"banane", "chat", "pomme"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reversed);
        plat::PackedLines working = sheet(kFruit);
        TermColumns columns;
        columns.build(working, c.reversed);
        const QString first = c.reversed ? "chat" : "cat";
        const QString second = c.reversed ? "cat" : "chat";
        const int row = editor::addTypedPair(working, columns, first, second, c.reversed);
        EXPECT_EQ(columns.first(row), first);
        EXPECT_EQ(columns.second(row), second);
        editor::deleteRow(working, columns, c.deleted, c.reversed);
        EXPECT_EQ(working.lines(), c.lines);
        EXPECT_EQ(columns.firstColumn(), c.firstColumn);
        // The pairs after the deleted one moved up: deleting by row still
        // finds each pair whole.
        for (int r = columns.rows() - 1; r >= 0; --r)
            editor::deleteRow(working, columns, r, c.reversed);
        EXPECT_EQ(working.lines(), QStringList{"Fruits"});
    }
    plat::PackedLines other = sheet({"T", "x", "y"});
    TermColumns columns;
    const plat::PackedLines fruit = sheet(kFruit);
    columns.build(fruit, false);
    editor::deleteRow(other, columns, 0, false);
    EXPECT_EQ(other.lines(), (QStringList{"T", "x", "y"}));
    EXPECT_EQ(columns.rows(), 2);
    EXPECT_EQ(editor::termLabel(editor::kForeignHeading, "house"), "Terme étranger : house");
    EXPECT_EQ(editor::swappedHeading(editor::swappedHeading(editor::kForeignHeading)), editor::kForeignHeading);
}

// The rows must list in exactly the collator's order, equal terms in pair
// order, whatever the language: also where letters join ("ch" in Czech),
// sort after z (Swedish "å"), or the terms hold characters beyond Latin.
TEST(TermColumns, OrderIsTheCollatorsInEveryLanguage)
{
    const QStringList terms{
        "chata", "hrad", "cihla", "Ch", "h", "c", "ia", "iz", "zebra", "åka", "ära", "öga", "oeuf", "œuf",
        "Œuvre", "ovale", "æther", "aether", "cote", "côte", "coté", "côté", "Cote", "été", "ete", "Eté",
        "a-b", "a b", "ab", "a_b", "a.b", "1", "10", "2", "", " ", "!", "~x", "Ωmega", "мир", "Мир",
        "tab\there", "nul\x01x", "straße", "strasse", "ß", "døg", "dog", "日本", "Ÿ", "y", "ÿa",
        "xy", "x y", "x", "X", "ç", "C", "cz", "d",
        // Control characters only: the collator's keys take them as empty,
        // the collator itself puts an empty term first.
        "\x0e", "", "\x02",
        // Long terms that differ only late, or by a ligature across a boundary.
        "abcdefghijklmnopq", "abcdefghijklmnopR", "abcdefghijklmnop", "Abcdefghijklmnopq",
        "abcdefghijklmnœa", "abcdefghijklmnoea", "abcdefghijklmnoez", "abcdefghijklmnopqrstuvwxyzé",
        "abcdefghijklmnopqrstuvwxyze", "abcdefghijklmnopqrstuvwxyzf",
        // Ties past the first sixteen letters: joined letters, the sharp s,
        // accents, case and repeated terms decide there.
        "abcdefghijklmnopch", "abcdefghijklmnopci", "abcdefghijklmnoph", "abcdefghijklmnopd",
        "the housekeeper of the", "the housekeeper of thé", "The Housekeeper of the", "the housekeeper of the",
        "der Straßenbahnhaltestelle", "der Strassenbahnhaltestelle", "der Straßenbahn", "der Strassenbahnhalt",
        "der Straßenbahnhaltestelle", "l'été de la saison", "l'ete de la saison", "l'été de la saisons"};
    QStringList lines{"Titre"};
    for (const QString &t : terms)
        lines << t << QString::number(lines.size());
    const auto additions = [](TermColumns &columns, plat::PackedLines &working, const QCollator &collator,
                              const char *name) {
        // A new term goes after every term sorting equal or before it.
        for (const QString &t : {QString("ch"), QString("Été"), QString("zz"), QString("мир")}) {
            const int row = editor::addTypedPair(working, columns, t, "n", false);
            EXPECT_EQ(columns.first(row), t);
            EXPECT_TRUE(row == 0 || collator.compare(columns.first(row - 1), t) <= 0) << name;
            EXPECT_TRUE(row + 1 == columns.rows() || collator.compare(t, columns.first(row + 1)) < 0
                        || columns.first(row + 1) == t) << name;
        }
    };
    expectCollatorsOrder(lines, terms, {"fr_FR", "cs_CZ", "sv_SE", "en_US", "de_DE", "da_DK", "C"}, additions);
}

// The search reads each row's first characters from a key kept beside the
// row: whatever the terms, through additions and deletions, it finds the row
// a plain scan of the first column finds.
TEST(TermColumns, PrefixSearchFindsWhatAPlainScanFinds)
{
    const QStringList terms{"the housekeeper", "the housekeeping", "The House", "l'été", "L'ÉTÉ", "straße",
                            "Straße", "кошка", "кошки", "日本語", "日本", "a\u0100b", "a\u0101b", "ab", "a",
                            "οἶκος", "œuvre", "Œuvre", "x\u2019y", "x'y", "12345678901", "1234567890"};
    QStringList lines{"t"};
    for (const QString &t : terms)
        lines << t << QStringLiteral("fr");
    plat::PackedLines sheetLines = sheet(lines);
    TermColumns columns;
    columns.build(sheetLines, false);
    const QStringList typed{"the housek", "THE HOUSEKEEPI", "the houseX", "L'", "l'É", "l'é", "STRAS", "straß",
                            "кош", "кошки", "кошкиx", "日本", "日本語x", "A\u0100", "a\u0101", "A", "AB", "abc",
                            "οἶ", "Œ", "œu", "x\u2019", "X'", "123456789", "12345678901", "123456789012", "",
                            "zz", "the housekeepers"};
    const auto check = [&](const char *when) {
        const QStringList first = columns.firstColumn();
        for (const QString &t : typed) {
            int expected = -1;
            for (int row = 0; row < first.size() && expected < 0; ++row) {
                if (editor::startsWithAsciiCaseless(first[row], t))
                    expected = row;
            }
            EXPECT_EQ(columns.searchPrefix(t), expected) << when << ": " << t.toStdString();
        }
    };
    check("built");
    editor::addTypedPair(sheetLines, columns, "the housekeepers", "fr", false);
    editor::addTypedPair(sheetLines, columns, "Кошка", "fr", false);
    check("after additions");
    for (int i = 0; i < 6; ++i)
        editor::deleteRow(sheetLines, columns, (i * 5) % columns.rows(), false);
    check("after deletions");
}

// Thousands of terms as people type them (phrases, articles, accents, shared
// beginnings, repeated terms) list in exactly the collator's order.
TEST(TermColumns, OrderOfManyRealisticTermsIsTheCollators)
{
    const std::vector<bench::RealWords::Pair> pairs = bench::RealWords(7).pairs(4000);
    QStringList lines{"Titre"};
    QStringList terms;
    for (const auto &p : pairs) {
        lines << p.foreign << p.french;
        terms << p.foreign;
    }
    expectCollatorsOrder(lines, terms, {"fr_FR", "cs_CZ", "sv_SE"});
}

// Where the ranks foretell the collator's order, a big sheet is sorted
// without asking the collator about each row; a language that joins
// letters, or sorts an accented letter apart, must not be taken for one
// of them.
TEST(TermColumns, RanksForetellOnlyLanguagesThatSortLetterByLetter)
{
    const struct {
        const char *locale;
        bool foretell;
    } cases[] = {
        {"fr_FR", true},  {"en_US", true},  {"de_DE", true},  {"it_IT", true},  {"nl_NL", true},
        {"cs_CZ", false}, // "ch" after "h"
        {"sv_SE", false}, // "å", "ä", "ö" after "z"
        {"da_DK", false}, // "aa" is "å"
        {"es_ES", false}, // "ñ" after "n"
        {"hu_HU", false}, // "cs", "gy", "sz"
        {"tr_TR", false}, // "ç", "ö", "ü" letters of their own
    };
    for (const auto &c : cases) {
        QCollator collator{QLocale(QString::fromLatin1(c.locale))};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        EXPECT_EQ(editor::CollationRanks::foretell(collator), c.foretell) << c.locale;
    }
}

// Many terms sharing long beginnings, typed again and again in other cases
// and accents, some past the sixteen ranks a prefix holds: the rows still
// list in exactly the collator's order, equal terms in pair order.
TEST(TermColumns, LongRunsOfLookAlikeTermsListInTheCollatorsOrder)
{
    const QStringList stems{"the housekeeper", "The Housekeeper", "the housekeeper of the manor", "thé",
                            "l'été indien", "L'ÉTÉ INDIEN", "l'ete indien", "œuvre complète", "oeuvre complete",
                            "Straße", "strasse", "a", "A", "à"};
    QStringList lines{"Titre"};
    QStringList terms;
    for (int i = 0; i < 700; ++i) {
        QString t = stems[(i * 5) % stems.size()];
        if (i % 5 == 0)
            t += QStringLiteral(" ") + QString::number(i % 3);
        terms << t;
        lines << t << QString::number(i);
    }
    // Equal terms keep their pair order: their translations rise.
    expectCollatorsOrder(lines, terms, {"fr_FR", "cs_CZ"}, [](TermColumns &columns, plat::PackedLines &,
                                                              const QCollator &, const char *name) {
        for (int row = 1; row < columns.rows(); ++row) {
            if (columns.first(row) == columns.first(row - 1)) {
                EXPECT_LT(columns.second(row - 1).toInt(), columns.second(row).toInt()) << name;
            }
        }
    });
}
