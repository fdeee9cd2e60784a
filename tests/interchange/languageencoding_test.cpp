#include "interchange/vocabularytable.h"
#include "platform/failure.h"
#include "platform/linelist.h"
#include "sheets/sheetlanguage.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace interchange;

namespace {

QByteArray identifier(int id, const char *name, const char *locale)
{
    QByteArray s = "<identifier id=\"" + QByteArray::number(id) + "\">";
    if (*name)
        s += QByteArray("<name>") + name + "</name>";
    if (*locale)
        s += QByteArray("<locale>") + locale + "</locale>";
    return s + "</identifier>";
}

// Three languages, the first two foreign and the third French.
QByteArray threeLanguages(const char *title, const char *comment, const QByteArray &identifiers)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><information><title>")
        + title + "</title>" + (*comment ? QByteArray("<comment>") + comment + "</comment>" : QByteArray())
        + "</information><identifiers>" + identifiers
        + "</identifiers><entries><entry id=\"0\"><translation id=\"0\"><text>perro</text></translation>"
          "<translation id=\"1\"><text>cane</text></translation><translation id=\"2\"><text>chien</text>"
          "</translation></entry></entries></kvtml>\n";
}

QByteArray spanishItalianFrench(const char *second, const char *secondLocale)
{
    return identifier(0, "Espa\xc3\xb1ol", "es") + identifier(1, second, secondLocale)
        + identifier(2, "Fran\xc3\xa7" "ais", "fr");
}

} // namespace

// The foreign column's language, from its kvtml identifier's locale or name
// or from a spreadsheet's header, opens the sheet's information, unless its
// title already names it first; the speech then finds it in the title.
TEST(ImportedLanguage, TheForeignColumnGivesTheSheetItsLanguage)
{
    const struct {
        const char *what;
        QByteArray bytes;
        ColumnChoice choice;
        const char *titleLine, *code;
    } cases[] = {
        {"Italian chosen in a title naming Spanish first",
         threeLanguages("Espagnol et italien", "", spanishItalianFrench("Italiano", "it")), {1, 2, false},
         "Espagnol et italien //Italien\\\\", "it"},
        {"with the document's own comment", threeLanguages("Animaux", "Le\xc3\xa7on 2", spanishItalianFrench("", "it")),
         {1, 2, false}, "Animaux //Italien - Le\xc3\xa7on 2\\\\", "it"},
        {"a locale with its country", threeLanguages("Animaux", "", spanishItalianFrench("", "pt_BR")), {1, 2, false},
         "Animaux //Portugais\\\\", "pt"},
        {"Norwegian's other written form", threeLanguages("Ord", "", spanishItalianFrench("", "nn")), {1, 2, false},
         "Ord //Norv\xc3\xa9gien\\\\", "nb"},
        {"a name in English, no locale", threeLanguages("Animaux", "", spanishItalianFrench("Italian", "")),
         {1, 2, false}, "Animaux //Italien\\\\", "it"},
        {"a title that already names it", threeLanguages("Vocabulaire italien", "", spanishItalianFrench("", "it")),
         {1, 2, false}, "Vocabulaire italien", "it"},
        {"a language the speech does not know", threeLanguages("Animaux", "", spanishItalianFrench("Klingon", "tlh")),
         {1, 2, false}, "Animaux", "-"},
        {"a spreadsheet's header", "Anglais;Fran\xc3\xa7" "ais\ndog;chien\n", {0, 1, true}, "liste //Anglais\\\\",
         "en"},
        {"a header that names no language", "Terme;Traduction\ndog;chien\n", {0, 1, true}, "liste", "-"},
        {"no header", "Anglais;Fran\xc3\xa7" "ais\ndog;chien\n", {0, 1, false}, "liste", "-"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const ImportedSheet sheet = buildSheet(readVocabulary(c.bytes), c.choice, QStringLiteral("liste"));
        EXPECT_EQ(sheet.titleLine, QString::fromUtf8(c.titleLine));
        EXPECT_EQ(sheet.language ? sheet.language->code : QStringLiteral("-"), QString::fromLatin1(c.code));
    }
}

// Documents that declare UTF-8 and hold Latin-1 bytes, as files typed in an
// old editor do, are read with those bytes as Windows-1252 and the mended
// lines counted; UTF-16 documents with their mark are read whatever their
// declaration says.
TEST(KvtmlEncoding, MisencodedAndUtf16DocumentsAreRead)
{
    const QString v2 = QStringLiteral("<kvtml version=\"2.0\">\n<identifiers>%1%2</identifiers>\n<entries>\n"
                                      "<entry><translation id=\"0\"><text>%3</text></translation>"
                                      "<translation id=\"1\"><text>%4</text></translation></entry>\n"
                                      "</entries></kvtml>\n")
                           .arg(QString::fromLatin1(identifier(0, "Svenska", "sv")),
                                QString::fromLatin1(identifier(1, "Fran\xc3\xa7" "ais", "fr")));
    const QString swedish = v2.arg(QStringLiteral("\u00e4lg"), QStringLiteral("\u00e9lan"));
    const auto utf16 = [](const QString &text, QStringConverter::Encoding e) {
        return QByteArray(QStringEncoder(e, QStringConverter::Flag::WriteBom).encode(text));
    };
    const QByteArray declared = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    const struct {
        const char *what;
        QByteArray bytes;
        QStringList sheet;
        qsizetype misencoded;
    } cases[] = {
        {"declared UTF-8, Latin-1 bytes on two lines",
         declared + "<kvtml version=\"2.0\">\n<entries>\n"
                    "<entry><translation id=\"0\"><text>\xe4lg</text></translation>"
                    "<translation id=\"1\"><text>\xe9lan</text></translation></entry>\n"
                    "<entry><translation id=\"0\"><text>r\xe5" "djur</text></translation>"
                    "<translation id=\"1\"><text>renne</text></translation></entry>\n"
                    "<entry><translation id=\"0\"><text>\xc3\xa5sna</text></translation>"
                    "<translation id=\"1\"><text>\xc3\xa2ne</text></translation></entry>\n</entries></kvtml>\n",
         {"liste", "\u00e4lg", "\u00e9lan", "r\u00e5djur", "renne", "\u00e5sna", "\u00e2ne"}, 2},
        {"no declaration, a Windows-1252 byte", "<kvtml><e><o>\x9c" "uf</o><t>egg</t></e></kvtml>",
         {"liste", "\u0153uf", "egg"}, 1},
        {"valid UTF-8", declared + swedish.toUtf8(), {"liste //Su\u00e9dois\\\\", "\u00e4lg", "\u00e9lan"}, 0},
        {"UTF-16 little-endian declared so",
         utf16("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n" + swedish, QStringConverter::Utf16LE),
         {"liste //Su\u00e9dois\\\\", "\u00e4lg", "\u00e9lan"}, 0},
        {"UTF-16 big-endian still declared UTF-8", utf16(QString::fromLatin1(declared) + swedish,
                                                         QStringConverter::Utf16BE),
         {"liste //Su\u00e9dois\\\\", "\u00e4lg", "\u00e9lan"}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        try {
            const VocabularyTable table = readVocabulary(c.bytes);
            const ImportedSheet sheet = buildSheet(table, defaultChoice(table), QStringLiteral("liste"));
            EXPECT_EQ(plat::LineList::parseText(sheet.text), c.sheet);
            EXPECT_EQ(sheet.misencodedLines, c.misencoded);
            EXPECT_EQ(importSummary(sheet).contains(QStringLiteral("Windows-1252")), c.misencoded != 0);
        } catch (const plat::Failure &f) {
            ADD_FAILURE() << f.message().toStdString();
        }
    }

    ImportedSheet two;
    two.pairs = 3;
    two.misencodedLines = 2;
    EXPECT_EQ(importSummary(two), "3 paires importées.\n2 lignes du document n'étaient pas en UTF-8, comme il le "
                                  "déclare : elles ont été lues en Windows-1252.");
}
