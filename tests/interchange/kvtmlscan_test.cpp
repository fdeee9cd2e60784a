// The quick scanner of kvtml documents against QXmlStreamReader: whatever
// the scanner reads must give the very table Qt gives, and whatever it
// leaves must reach Qt, with Qt's message.
#include "bench/realwords.h"
#include "interchange/kvtml.h"
#include "platform/failure.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace interchange;

namespace {

// The table, or the message of the failure.
struct Outcome {
    std::optional<VocabularyTable> table;
    QString failure;
    bool operator==(const Outcome &) const = default;
};

template <class Read>
Outcome outcome(Read read)
{
    try {
        return {read(), {}};
    } catch (const plat::Failure &f) {
        return {std::nullopt, f.message()};
    }
}

// Both ways agree; returns whether the scanner read the document.
bool agree(const QByteArray &bytes)
{
    const std::optional<VocabularyTable> quick = readKvtmlQuickly(bytes);
    const Outcome qt = outcome([&] { return readKvtmlWithQt(bytes); });
    if (quick) {
        EXPECT_TRUE(qt.table) << "Qt refuses what the scanner read: " << qt.failure.toStdString() << "\n"
                              << bytes.toStdString();
        EXPECT_TRUE(qt.table == quick) << bytes.left(300).toStdString();
    }
    const Outcome both = outcome([&] { return readKvtml(bytes); });
    EXPECT_TRUE(both == qt) << both.failure.toStdString() << " / " << qt.failure.toStdString() << "\n"
                            << bytes.toStdString();
    return quick.has_value();
}

const QByteArray kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n";

QByteArray v2(const QByteArray &entries)
{
    return kHead + "<kvtml version=\"2.0\" title=\"a &amp; b\">\n<information><title>Verbes</title>"
                   "<author> Moi </author><comment>c&#233;</comment></information>\n"
                   "<identifiers><identifier id=\"0\"><name>English</name><locale>en</locale></identifier>"
                   "<identifier id='1'><name>Fran\xc3\xa7" "ais</name><locale>fr</locale></identifier></identifiers>\n"
                   "<entries>\n"
        + entries + "</entries>\n<lessons><container><name>L</name><entry id=\"0\"/></container></lessons>\n</kvtml>\n";
}

QByteArray entry(const QByteArray &a, const QByteArray &b)
{
    return "<entry id=\"0\"><translation id=\"0\"><text>" + a + "</text></translation><translation id=\"1\"><text>"
        + b + "</text><grade><currentgrade>2</currentgrade></grade></translation></entry>\n";
}

} // namespace

// Every construct the scanner reads, in documents it must read itself.
TEST(KvtmlScan, ReadsPlainDocumentsAsQtDoes)
{
    const QByteArray cases[] = {
        v2(entry("house", "maison")),
        v2(entry("\xc3\xa4lg \xf0\x9f\x90\x98", "\xc3\xa9lan")),
        v2(entry("a &lt;b&gt; &amp; &quot;c&quot; &apos;d&apos;", "&#233;t&#xE9; &#x1F418; &#9;&#10;&#13;x")),
        v2(entry("two\r\nlines\rand\none", "  blanks  ")),
        v2(entry("<![CDATA[<b>&amp;</b>]]>", "a<!-- note -->b<!---->c")),
        v2(entry("with <b>bold</b> inside", "")),
        v2(entry("", "<sub/>")),
        v2("<entry><translation id=\"0\"><text>a</text><text>b</text></translation>"
           "<translation id=\"5\"><text>c</text></translation><translation id=\"0\"><text>d</text>"
           "</translation></entry>\n<entry/>\n<other>x<entry/></other>"),
        v2(entry("]", "]]") + entry("a]b", "x]]y")),
        v2(entry("x", "y")).replace("?>\n<!DOCTYPE", "?>\n<!-- made by hand -->\n<!DOCTYPE")
            + "<!-- after -->\n",
        "\xEF\xBB\xBF<kvtml><e><o l=\"fr\">chat</o><t l=\"es\">gato</t><t>gatto</t></e>"
        "<lesson><e><o>chien</o><t>perro</t></e></lesson></kvtml>",
        "<?xml version='1.0' encoding='utf-8' standalone='yes' ?><!DOCTYPE kvtml SYSTEM \"kvoctrain.dtd\">"
        "<KVTML title=\"T\" author=\"A\" remark=\"R\" comment=\"C\"><e><o>a</o><t>b</t></e></KVTML>",
        "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml>\n<kvtml\n  title = \"x\"\t/>",
        "<kvtml><e  ><o >a</o\n><t\tl = 'x' >b</t ></e></kvtml>  \n\n",
        "<kvtml title=\"&lt;&#x41;&gt;\"/>",
    };
    for (const QByteArray &c : cases) {
        SCOPED_TRACE(c.toStdString());
        EXPECT_TRUE(agree(c));
    }
}

// Outside what the scanner reads, or not well formed: Qt reads it, with its
// message.
TEST(KvtmlScan, LeavesEverythingElseToQt)
{
    const QByteArray body = "<kvtml><e><o>a</o><t>b</t></e></kvtml>";
    const QByteArray cases[] = {
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + body,
        "<?xml version=\"1.0\" encoding=\"UTF8\"?>" + body,
        "<?xml version=\"1.1\"?>" + body,
        "<kvtml><e><o>\xe9t\xe9</o><t>b</t></e></kvtml>",
        "<!DOCTYPE kvtml [<!ENTITY a \"x\">]><kvtml><e><o>&a;</o><t>b</t></e></kvtml>",
        "<kvtml><e><o>&nbsp;</o><t>b</t></e></kvtml>",
        "<kvtml><e><o>&#0;</o><t>b</t></e></kvtml>",
        "<kvtml><e><o>&#xFFFE;</o><t>b</t></e></kvtml>",
        "<kvtml><e><o>\xef\xbf\xbf</o><t>b</t></e></kvtml>",
        "<kvtml><e><o>\x01</o><t>b</t></e></kvtml>",
        "<kvtml><e><o>a]]>b</o><t>b</t></e></kvtml>",
        "<kvtml><e><o>a</t><t>b</t></e></kvtml>",
        "<kvtml><e><o>a</o><t>b</t></e>",
        "<kvtml><e><o a=\"1\" a=\"2\">a</o><t>b</t></e></kvtml>",
        "<kvtml><e><o a=\"1\"b=\"2\">a</o><t>b</t></e></kvtml>",
        "<kvtml><e><o l=\"a\nb\">a</o><t>b</t></e></kvtml>",
        "<kvtml><e><o l=\"a<b\">a</o><t>b</t></e></kvtml>",
        "<kvtml xmlns:x=\"u\"><e><x:o>a</x:o><t>b</t></e></kvtml>",
        "<kvtml><e><o>a<?pi x?></o><t>b</t></e></kvtml>",
        "<kvtml><e><o>a<!-- a -- b --></o><t>b</t></e></kvtml>",
        body + "<kvtml/>",
        body + "junk",
        "junk" + body,
        " <?xml version=\"1.0\"?>" + body,
        "<html><body/></html>",
        "<kvtml><e><o>" + QByteArray(70000, 'a') + "</o><t>b</t></e></kvtml>",
        "<kvtml><e>" + QByteArray(300, 'x').replace("x", "<t>") + "</e></kvtml>",
        "<kvtml>" + QByteArray(2000, 'x').replace("x", "<a>") + QByteArray(2000, 'x').replace("x", "</a>")
            + "</kvtml>",
    };
    for (const QByteArray &c : cases) {
        SCOPED_TRACE(c.left(200).toStdString());
        EXPECT_FALSE(agree(c));
    }
}

// Realistic documents, the fuzzer's seeds, and every cut and one-byte change
// of a small document: whatever the scanner reads, it reads as Qt does.
TEST(KvtmlScan, AgreesWithQtOnManyDocuments)
{
    const std::vector<bench::RealWords::Pair> words = bench::RealWords().pairs(300);
    QByteArray entries;
    for (const bench::RealWords::Pair &p : words)
        entries += entry(p.foreign.toHtmlEscaped().toUtf8(), p.french.toHtmlEscaped().toUtf8());
    EXPECT_TRUE(agree(v2(entries)));

    for (const QFileInfo &f : QDir(QStringLiteral(TAVILO_KVTML_CORPUS)).entryInfoList(QDir::Files)) {
        QFile file(f.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        SCOPED_TRACE(f.fileName().toStdString());
        agree(file.readAll());
    }

    const QByteArray small = v2(entry("a&amp;<![CDATA[c]]>", "\xc3\xa9<!--x-->")).replace("entry id=\"0\"/", "e/");
    int read = 0;
    const char replacements[] = {'<', '>', '&', ';', '/', '"', '\'', '=', ' ', '\r', ']', '-', '!', '?', 'x', '\0'};
    for (qsizetype i = 0; i < small.size(); ++i) {
        read += agree(small.first(i));
        for (const char r : replacements) {
            QByteArray changed = small;
            changed[i] = r;
            read += agree(changed);
        }
        read += agree(QByteArray(small).remove(i, 1));
    }
    // Most single changes fall in text or names and stay readable.
    EXPECT_GT(read, small.size());
}
