#include "interchange/delimitedtext.h"
#include "interchange/kvtml.h"
#include "interchange/vocabularytable.h"
#include "platform/failure.h"
#include "platform/linelist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace interchange;

namespace {

struct Case {
    const char *what;
    QByteArray bytes;
    QStringList sheet; // title line, then the pairs
    qsizetype empty = 0, untranslated = 0;
};

ImportedSheet import(const QByteArray &bytes)
{
    const VocabularyTable table = readVocabulary(bytes);
    return buildSheet(table, defaultChoice(table), QStringLiteral("liste"));
}

void expectSheets(const std::vector<Case> &cases)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        try {
            const ImportedSheet sheet = import(c.bytes);
            EXPECT_EQ(plat::LineList::parseText(sheet.text), c.sheet);
            EXPECT_EQ(sheet.pairs, (c.sheet.size() - 1) / 2);
            EXPECT_EQ(sheet.empty, c.empty);
            EXPECT_EQ(sheet.untranslated, c.untranslated);
        } catch (const plat::Failure &f) {
            ADD_FAILURE() << f.message().toStdString();
        }
    }
}

const QByteArray kV2Head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
                           "<kvtml version=\"2.0\">\n";

QByteArray entry(int id, const char *a, const char *b)
{
    return "<entry id=\"" + QByteArray::number(id) + "\"><translation id=\"0\"><text>" + a
        + "</text></translation><translation id=\"1\"><text>" + b + "</text></translation></entry>\n";
}

} // namespace

TEST(VocabularyImport, KvtmlDocumentsGiveTheirPairs)
{
    const QByteArray identifiers = "<identifiers><identifier id=\"0\"><name>English</name><locale>en</locale>"
                                   "</identifier><identifier id=\"1\"><name>Français</name><locale>fr</locale>"
                                   "</identifier></identifiers>\n";
    expectSheets({
        {"version 2 with lessons, entities, comments and an incomplete entry",
         kV2Head + "<information><generator>x</generator><title>Animaux</title><comment>leçon 1</comment>"
             "</information>\n"
             + identifiers + "<entries>\n" + entry(0, "dog", "chien") + "<!-- a comment -->\n"
             + entry(1, "salt &amp; pepper", "sel &amp; poivre") + entry(2, "<![CDATA[a<b]]>", "a &lt; b")
             + entry(3, "cat", "") + "<entry id=\"4\"/>\n"
             + "<entry id=\"5\"><translation id=\"0\"><text>be</text><conjugation><tense>Present</tense>"
               "<singular><firstperson><text>am</text></firstperson></singular></conjugation></translation>"
               "<translation id=\"1\"><comment>verbe</comment><text>être</text></translation></entry>\n"
               "</entries>\n<lessons><container><name>L1</name><entry id=\"0\"/></container></lessons></kvtml>\n",
         {"Animaux //Anglais - leçon 1\\\\", "dog", "chien", "salt & pepper", "sel & poivre", "a<b", "a < b", "be", "être"},
         1, 1},
        {"version 2 with French first: the other language is the foreign one",
         kV2Head + "<identifiers><identifier id=\"0\"><name>Französisch</name><locale>fr</locale></identifier>"
                   "<identifier id=\"1\"><name>Deutsch</name><locale>de</locale></identifier></identifiers>"
                   "<entries>" + entry(0, "maison", "Haus") + "</entries></kvtml>",
         {"liste //Allemand\\\\", "Haus", "maison"}},
        {"version 2, translations in any order, a text spread over lines",
         kV2Head + identifiers + "<entries><entry id=\"0\"><translation id=\"1\"><text>la\n   maison</text>"
                   "</translation><translation id=\"0\"><text>  the house </text></translation></entry></entries>"
                   "</kvtml>",
         {"liste //Anglais\\\\", "  the house ", "la maison"}},
        {"version 1 with its attributes, a lesson and an old declaration",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!DOCTYPE kvtml SYSTEM \"kvoctrain.dtd\">\n"
         "<kvtml encoding=\"UTF-8\" generator=\"x\" cols=\"2\" lines=\"2\" title=\"Verbes //irr\\\\\" "
         "author=\"Moi\">\n<lesson width=\"1\"><desc no=\"1\" query=\"1\">L1</desc></lesson>\n"
         "<e m=\"1\"><o l=\"en\">to go</o><t l=\"fr\">aller</t></e>\n<e m=\"1\"><o>to be</o><t>\xeatre</t></e>\n"
         "<e><o>lonely</o></e>\n</kvtml>\n",
         {"Verbes /irr\\ //Anglais - Moi\\\\", "to go", "aller", "to be", "\u00eatre"}, 0, 1},
        {"version 1 with a UTF-8 mark and French as the original",
         "\xEF\xBB\xBF<kvtml><e><o l=\"fr\">chat</o><t l=\"es\">gato</t></e></kvtml>", {"liste //Espagnol\\\\", "gato", "chat"}},
    });
}

TEST(VocabularyImport, SpreadsheetTextsGiveTheirPairs)
{
    expectSheets({
        {"semicolons, CR LF", "house;maison\r\ndog;chien\r\n", {"liste", "house", "maison", "dog", "chien"}},
        {"commas with quoted separators, quotes and line breaks, CR ends",
         "\"home, sweet home\",\"foyer\"\r\"say \"\"hi\"\"\",\"dire\nbonjour\"\r5\" disk,disquette",
         {"liste", "home, sweet home", "foyer", "say \"hi\"", "dire bonjour", "5\" disk", "disquette"}},
        {"tabs beat the semicolons and commas inside the terms",
         "a; b\tc, d\ne; f\tg, h\n", {"liste", "a; b", "c, d", "e; f", "g, h"}},
        {"a header line, empty and half-empty entries, blank lines",
         "English,French\n\nred,rouge\n,\ngreen,\n ,vert\n", {"liste //Anglais\\\\", "red", "rouge"}, 1, 2},
        {"a flash-card export: settings, HTML, deck name",
         "#separator:tab\n#html:true\n#deck:Verbes\n#tags column:3\n<b>to go</b>\taller<br>partir\tv\n"
         "to&nbsp;be\t&#234;tre &amp; co\t\n",
         {"Verbes", "to go", "aller partir", "to be", "\u00eatre & co"}},
        {"comments only at the top; a later # is a term", "# exported\n#x\tnothing\nhash\t#\n",
         {"liste", "hash", "#"}},
        {"flash-card identifiers and note types are not terms",
         "#separator:tab\n#guid column:1\n#notetype column:2\nq1\tBasic\tword\tmot\n",
         {"liste", "word", "mot"}},
        {"Windows-1252", "\xe9t\xe9;summer\r\n\x9c" "uf;egg\r\n", {"liste", "\u00e9t\u00e9", "summer", "\u0153uf", "egg"}},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" "\xc3\xa9t\xc3\xa9\tsummer\n", {"liste", "\u00e9t\u00e9", "summer"}},
        {"UTF-16 with its mark", QByteArray("\xFF\xFE" "a\0;\0b\0\n\0", 10), {"liste", "a", "b"}},
    });
}

TEST(VocabularyImport, TheChoiceFollowsTheColumnsAndTheHeader)
{
    const VocabularyTable three = readVocabulary("Deutsch;English;Français\nHaus;house;maison\n");
    EXPECT_TRUE(needsChoice(three));
    EXPECT_EQ(defaultChoice(three), (ColumnChoice{0, 2, true}));
    EXPECT_EQ(columnName(three, 1, true), "English");
    EXPECT_EQ(columnName(three, 1, false), "Colonne 2");
    const ImportedSheet sheet = buildSheet(three, {1, 0, true}, "x");
    EXPECT_EQ(plat::LineList::parseText(sheet.text), (QStringList{"x //Anglais\\\\", "house", "Haus"}));

    const VocabularyTable kvtml = readVocabulary(
        kV2Head + "<identifiers><identifier id=\"0\"><name>English</name><locale>en</locale></identifier>"
                  "<identifier id=\"1\"><locale>de</locale></identifier><identifier id=\"2\"><name>Français"
                  "</name></identifier></identifiers><entries>"
                  "<entry><translation id=\"0\"><text>house</text></translation></entry></entries></kvtml>");
    EXPECT_TRUE(needsChoice(kvtml));
    EXPECT_FALSE(kvtml.mayHaveHeader);
    EXPECT_EQ(defaultChoice(kvtml), (ColumnChoice{0, 2, false}));
    EXPECT_EQ(QStringList({columnName(kvtml, 0, false), columnName(kvtml, 1, false)}),
              QStringList({"English (en)", "de"}));

    EXPECT_FALSE(needsChoice(readVocabulary("house;maison\n")));
}

TEST(VocabularyImport, BadInputIsRefusedWithItsReason)
{
    const QByteArray longField(100000, 'a');
    QByteArray languages, translations;
    for (int id = 0; id <= kMaxColumns; ++id) {
        languages += "<identifier id=\"" + QByteArray::number(id) + "\"/>";
        translations += "<t>x</t>";
    }
    const struct {
        const char *what;
        QByteArray bytes;
        const char *reason;
    } cases[] = {
        {"not XML", "<<<>>>", "n'est pas un document XML lisible"},
        {"XML, not a vocabulary", "<html><body/></html>", "n'est pas une liste de vocabulaire kvtml"},
        {"truncated", kV2Head + "<entries>" + entry(0, "a", "b") + "<entry><translation id=\"0\"><te",
         "incomplet"},
        {"entity bomb",
         "<!DOCTYPE kvtml [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
         "<kvtml><e><o>&b;</o><t>x</t></e></kvtml>",
         "entités"},
        {"external entity", "<!DOCTYPE kvtml [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><kvtml><e><o>&e;</o>"
                            "<t>x</t></e></kvtml>",
         "entités"},
        {"undeclared entity", "<kvtml><e><o>&nbsp;</o><t>x</t></e></kvtml>", "mal formé"},
        {"a text too long in XML", "<kvtml><e><o>" + longField + "</o><t>x</t></e></kvtml>", "dépasse 65536"},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "données binaires"},
        {"control characters", QByteArray(64, '\x01') + ";x\n", "données binaires"},
        {"a field too long", "a;" + longField + "\n", "dépasse 65536"},
        {"a quote never closed", "a;\"b\nc;d\n", "jamais fermé"},
        {"a quote never closed in a long file", "a;\"b\n" + QByteArray(70000, 'c'), "pas fermé"},
        {"one column", "house\nmaison\n", "qu'une colonne"},
        {"one language", "<kvtml><e><o>house</o></e></kvtml>", "qu'une langue"},
        {"nothing", "\r\n\r\n", "aucune entrée"},
        {"an empty vocabulary", kV2Head + "<entries/></kvtml>", "aucune entrée"},
        {"bytes outside the encoding declared",
         "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<kvtml>\n<e><o>a</o>\n<t>\xff\xff</t></e>\n</kvtml>\n",
         "mal formé à la ligne 4, colonne 4. Il se déclare écrit en « Shift_JIS »."},
        {"an encoding nobody knows", "<?xml version=\"1.0\" encoding=\"x-inconnu\"?><kvtml/>",
         "« x-inconnu », un encodage que Tavilo ne sait pas lire"},
        // Columns named or held beyond what anyone chooses from, or beyond
        // what the file could hold: each would cost memory and a line in the
        // choice dialog.
        {"a flash-card column far away", "#separator:tab\n#html:false\n#tags column:2147483647\na\tb\n",
         "La ligne 3 désigne la colonne 2147483647, mais ce fichier ne peut pas en avoir plus de 55"},
        {"a column beyond an int", "#guid column:99999999999\n" + QByteArray(400, 'a') + "\tb\n",
         "ne peut pas en avoir plus de 256"},
        {"a column the short file cannot hold", "#deck column:40\na\tb\n",
         "La ligne 1 désigne la colonne 40, mais ce fichier ne peut pas en avoir plus de 20"},
        {"another one", "#notetype column:2000000\na\tb\n", "la colonne 2000000"},
        {"a million fields", "a" + QByteArray(1000000, ';') + "\nb;c\n", "La ligne 1 a plus de 256 colonnes"},
        {"a column line too long", "#separator:tab\n#columns:" + QByteArray(300, '\t') + "\na\tb\n",
         "La ligne 2 a plus de 256 colonnes"},
        {"too many kvtml languages", kV2Head + "<identifiers>" + languages + "</identifiers></kvtml>",
         "plus de 256 langues"},
        {"too many kvtml 1 translations", "<kvtml><e><o>a</o>" + translations + "</e></kvtml>",
         "plus de 256 langues"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        try {
            readVocabulary(c.bytes);
            ADD_FAILURE() << "accepted";
        } catch (const plat::Failure &f) {
            EXPECT_TRUE(f.message().contains(QString::fromUtf8(c.reason))) << f.message().toStdString();
        }
    }
    // As many columns as may be chosen from is still a list.
    EXPECT_EQ(readVocabulary("a" + QByteArray(kMaxColumns - 1, ';') + "\nb;c\n").columnCount(), kMaxColumns);
}

TEST(VocabularyImport, ExportedSheetsComeBackWithTheirPairs)
{
    const QStringList lines = {
        "Anglais //leçon 3\\\\", "English", "French", "a\ttab", "\"quoted\" start", "#hash", "<&> ]]>",
        "  spaced  ", "\u0434\u043e\u043c", "say \"hi\"", "x", "Tag #1", "\u00e9t\u00e9"};
    const plat::PackedLines sheet(lines);
    for (const auto &[what, bytes] : {std::pair{"kvtml", kvtmlDocument(sheet)},
                                      std::pair{"tab-separated", tabSeparatedText(sheet)}}) {
        SCOPED_TRACE(what);
        const VocabularyTable table = readVocabulary(bytes);
        EXPECT_FALSE(needsChoice(table));
        const ImportedSheet back = buildSheet(table, defaultChoice(table), "autre");
        QStringList expected = lines;
        if (QByteArray(what) != "kvtml")
            expected[0] = "Anglais"; // the deck keeps the name only
        EXPECT_EQ(plat::LineList::parseText(back.text), expected);
    }

    // Well-formed, with both languages named; characters XML cannot carry
    // are replaced rather than written.
    const QByteArray doc = kvtmlDocument(plat::PackedLines({"Allemand", "a\x01" "b", "c"}));
    QXmlStreamReader xml(doc);
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(doc.contains("<name>Allemand</name>"));
    EXPECT_TRUE(doc.contains("<locale>de</locale>"));
    EXPECT_TRUE(doc.contains("<text>a\xef\xbf\xbd" "b</text>"));
}

// What a sheet holds must read back as written: a NUL carried by a document
// (an entity left undeclared in a byte run read as Windows-1252) would end
// the sheet's text at the next reading, and every pair after it with it.
TEST(VocabularyImport, EveryCorpusDocumentReadsBackWhole)
{
    for (const QFileInfo &f : QDir(QStringLiteral(TAVILO_KVTML_CORPUS)).entryInfoList(QDir::Files)) {
        SCOPED_TRACE(f.fileName().toStdString());
        QFile file(f.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        try {
            const VocabularyTable table = readKvtmlWithQt(file.readAll());
            const ImportedSheet sheet = buildSheet(table, defaultChoice(table), QStringLiteral("liste"));
            const QStringList lines = plat::LineList::parseText(sheet.text);
            ASSERT_FALSE(lines.isEmpty());
            EXPECT_EQ(lines.first(), sheet.titleLine);
            EXPECT_EQ(lines.size(), 1 + 2 * sheet.pairs);
        } catch (const plat::Failure &) {
            // A document refused says why; nothing is written.
        }
    }
}
