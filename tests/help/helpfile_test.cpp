#include "help/helpfile.h"
#include "help/helplauncher.h"
#include "help/helpviewer.h"
#include "platform/encoding.h"
#include "platform/linelist.h"
#include "tests/support.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

helpfile::Document suppliedDocument()
{
    const helpfile::Parsed parsed = helpfile::parse(helplauncher::suppliedHelpFile());
    EXPECT_TRUE(parsed.ok()) << parsed.error.toStdString();
    return parsed.document;
}

QStringList titlesOf(const helpfile::Document &doc, const QList<int> &indexes)
{
    QStringList out;
    for (int i : indexes)
        out << doc.topics.at(i).title;
    return out;
}

} // namespace

TEST(HelpFile, OurHelpHasItsTopicsInOrderWithTheirKeywords)
{
    const helpfile::Document doc = suppliedDocument();
    EXPECT_EQ(doc.programName, QStringLiteral("Tavilo !"));
    QStringList titles;
    for (const helpfile::Topic &t : doc.topics) {
        titles << t.title;
        EXPECT_FALSE(t.keywords.isEmpty()) << t.title.toStdString();
        EXPECT_GT(t.text.size(), 200) << t.title.toStdString();
        EXPECT_FALSE(t.text.startsWith(QStringLiteral("/-\\")) || t.text.endsWith(QStringLiteral("\\-/")));
    }
    EXPECT_EQ(titles, (QStringList{
        "A propos d'Tavilo !", "Remerciements", "Création de fiche de vocabulaire",
        "Modification de fiche de vocabulaire", "A quoi sert Tavilo ! ?", "Efficacité d'Tavilo !",
        "Apprentissage d'une fiche de vocabulaire", "Révision espacée", "Prononciation des termes",
        "Ajout d'une fiche de vocabulaire", "Impression d'une fiche Tavilo !", "Exportation d'une fiche Tavilo !",
        "Importation d'une liste de vocabulaire", "Exportation vers d'autres logiciels de vocabulaire",
        "Format des fichiers",
        "Versions", "Collaborer au projet Orsiva Tavilo !", "Licence", "Fiches d'anglais", "Orsiva"}));
    EXPECT_EQ(doc.topics.at(0).keywords.mid(0, 3),
              (QStringList{"à propos", "about", "programmation"}));
    EXPECT_EQ(doc.topics.at(1).keywords.mid(0, 2), (QStringList{"merci", "remerciements"}));
    // The sheet example inside a text keeps its own backslashes.
    EXPECT_TRUE(doc.topics.at(titles.indexOf("Format des fichiers")).text.contains(QStringLiteral(" //Tapée par Marie, septembre\\\\\nred\n")));
}

TEST(HelpFile, BrokenDocumentsAreRefusedWithTheReasonAndSoundOnesRead)
{
    const QByteArray head = crlf({"Nom du programme :", "Essai", " ", " "});
    struct Case {
        const char *name;
        QByteArray bytes;
        const char *error; // part of the message; nullptr when the document reads
        QStringList titles = {};
        QStringList texts = {};
    } cases[] = {
        {"empty", "", "vide"},
        {"another text", "Bonjour\r\n<T>x\r\n", "première ligne"},
        {"header only", head, "aucune rubrique"},
        {"no keyword line", head + crlf({"<T>Un", "/-\\texte\\-/"}), "mots-clés"},
        {"text never opened", head + crlf({"<T>Un", "<K>a", "texte\\-/"}), "ne commence pas"},
        {"text never closed", head + crlf({"<T>Un", "<K>a", "/-\\texte", "suite"}), "jamais fermé"},
        {"closing marker not at the end", head + crlf({"<T>Un", "<K>a", "/-\\a \\-/ b"}), "jamais fermé"},
        {"stray line between topics",
         head + crlf({"<T>Un", "<K>a", "/-\\x\\-/", "perdu", "<T>Deux", "<K>b", "/-\\y\\-/"}), "ligne 8"},
        {"binary", head + QByteArray("<T>\x01\x02\x00\x7f\xff", 9), "binaires"},
        {"one-line text", head + crlf({"<T>Un", "<K>a:-:b", "/-\\seul\\-/"}), nullptr, {"Un"}, {"seul"}},
        {"text of several lines, markers kept inside",
         head + crlf({"<T> Un ", "<K>", "", "/-\\début", "", "<T>pas un titre", "fin\\-/", "", "<T>Deux",
                      "<K>z", "/-\\\\-/"}),
         nullptr, {"Un", "Deux"}, {"début\n\n<T>pas un titre\nfin", ""}},
        {"Windows-1252 and UTF-8 alike", head + "<T>Pr\xe9" "face\r\n<K>a\r\n/-\\\xe9t\xe9\\-/",
         nullptr, {"Préface"}, {"été"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const helpfile::Parsed parsed = helpfile::parseBytes(c.bytes);
        if (c.error) {
            EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(c.error))) << parsed.error.toStdString();
            EXPECT_TRUE(parsed.document.topics.isEmpty());
            continue;
        }
        ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
        QStringList titles, texts;
        for (const helpfile::Topic &t : parsed.document.topics)
            titles << t.title, texts << t.text;
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(texts, c.texts);
    }
}

TEST(HelpFile, TheViewerOpensTheConfiguredDocumentOrSaysWhyNot)
{
    const QString config = QStringLiteral("C:\\windows\\system32\\brn2001.ini");
    struct Case {
        const char *name;
        QByteArray config;
        const char *error;
    } cases[] = {
        {"no configuration", QByteArray(), "introuvable ou illisible"},
        {"empty first line", crlf({"", "x"}), "aucun fichier"},
        {"document missing", crlf({"C:\\windows\\absent.aid"}), "absent.aid » est introuvable"},
        {"document is a folder", crlf({"C:\\windows"}), "n'a pas pu être lu"},
        {"our help", crlf({"C:\\WINDOWS\\TL.AID"}), nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::Sandbox box;
        if (!c.config.isEmpty())
            box.put(config, c.config);
        box.put(helplauncher::kHelpFile, plat::LineList(helplauncher::suppliedHelpFile()).toBytes());
        const helpfile::Parsed parsed = helplauncher::openConfiguredDocument();
        if (c.error)
            EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(c.error))) << parsed.error.toStdString();
        else
            EXPECT_EQ(parsed.document.topics.size(), 20);
    }
}

// The search keeps the topics whose title or keywords hold the words typed,
// whatever their case and accents; the topic shown follows.
TEST(HelpViewerWindow, SearchFiltersTheTitlesAndTheArrowsWalkThroughWhatIsLeft)
{
    const helpfile::Document doc = suppliedDocument();
    HelpViewer viewer(doc);
    EXPECT_EQ(viewer.visibleTopics().size(), 20);
    EXPECT_EQ(viewer.topicTitle->text(), QStringLiteral("A propos d'Tavilo !"));
    struct Case {
        const char *query;
        QStringList titles;
    } cases[] = {
        {"IMPRIM", {"Impression d'une fiche Tavilo !"}},
        {"clavier", {"Modification de fiche de vocabulaire", "Apprentissage d'une fiche de vocabulaire"}},
        {"efficacite", {"Efficacité d'Tavilo !"}},
        {"revision", {"Révision espacée"}},
        {"  csv ", {"Exportation d'une fiche Tavilo !", "Importation d'une liste de vocabulaire"}},
        {"zzz", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.query);
        viewer.search->setText(QString::fromUtf8(c.query));
        EXPECT_EQ(titlesOf(doc, viewer.visibleTopics()), c.titles);
        if (!c.titles.isEmpty())
            EXPECT_EQ(viewer.topicTitle->text(), c.titles.front());
        else {
            EXPECT_TRUE(viewer.found->text().contains(QStringLiteral("Aucune rubrique")));
            EXPECT_TRUE(viewer.text->toPlainText().isEmpty());
        }
    }
    viewer.search->setText(QStringLiteral("fiche"));
    const QList<int> left = viewer.visibleTopics();
    ASSERT_GE(left.size(), 3);
    EXPECT_EQ(viewer.topicTitle->text(), doc.topics.at(left.at(0)).title);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(viewer.search, &down);
    EXPECT_EQ(viewer.topicTitle->text(), doc.topics.at(left.at(1)).title);
    // Plain text reads non-breaking spaces back as spaces.
    EXPECT_EQ(viewer.text->toPlainText(),
              QString(doc.topics.at(left.at(1)).text).replace(QChar(0xA0), QLatin1Char(' ')));
    viewer.search->clear();
    EXPECT_EQ(viewer.visibleTopics().size(), 20);
    EXPECT_EQ(viewer.topicTitle->text(), doc.topics.at(left.at(1)).title);
}

// The import, the exports for other trainers and the pronunciation have their
// topics, found from the list by their words; the file stays one a Windows
// viewer reads, every character in Windows-1252.
TEST(HelpViewerWindow, TheImportExportAndPronunciationTopicsAreFoundBySearch)
{
    const QStringList help = helplauncher::suppliedHelpFile();
    EXPECT_TRUE(plat::fitsWindows1252(help.join(QLatin1Char('\n'))));
    const QByteArray installed = plat::LineList(help).toBytes();
    EXPECT_FALSE(plat::isUtf8WithNonAscii(installed));
    EXPECT_EQ(helpfile::parseBytes(installed).document.topics.size(), 20);

    const helpfile::Document doc = suppliedDocument();
    HelpViewer viewer(doc);
    const QString import = QStringLiteral("Importation d'une liste de vocabulaire");
    const QString exports = QStringLiteral("Exportation vers d'autres logiciels de vocabulaire");
    const QString speech = QStringLiteral("Prononciation des termes");
    struct Case {
        const char *query;
        QStringList titles;
    } cases[] = {
        {"kvtml", {import, exports}},
        {"KVTML", {import, exports}},
        {"prononcer", {speech}},
        {"ecouter", {speech}},
        {"importer", {import}},
        {"texte tabulé", {import, exports}},
        {"exporter", {"Exportation d'une fiche Tavilo !", exports}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.query);
        viewer.search->setText(QString::fromUtf8(c.query));
        EXPECT_EQ(titlesOf(doc, viewer.visibleTopics()), c.titles);
        EXPECT_EQ(viewer.topicTitle->text(), c.titles.front());
    }
    // What each topic says the user does, in the program's own words.
    viewer.search->setText(QStringLiteral("importer"));
    EXPECT_TRUE(viewer.text->toPlainText().contains(QStringLiteral("Importer une liste de vocabulaire (kvtml, csv, tsv)")));
    viewer.search->setText(QStringLiteral("prononcer"));
    for (const char *control : {"Prononcer chaque terme étranger", "Écouter la question", "Langue des termes étrangers"})
        EXPECT_TRUE(viewer.text->toPlainText().contains(QString::fromUtf8(control))) << control;
    viewer.search->setText(QStringLiteral("kvtml"));
    viewer.titles->setCurrentRow(viewer.visibleTopics().at(1)); // one row a topic, in order
    for (const char *item : {"Exporter au format kvtml", "Exporter en texte tabulé"})
        EXPECT_TRUE(viewer.text->toPlainText().contains(QString::fromUtf8(item))) << item;
}
