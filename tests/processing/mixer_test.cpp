#include "app/mainwindow.h"
#include "editor/editorwindow.h"
#include "platform/fileio.h"
#include "platform/linelist.h"
#include "processing/mixerwindow.h"
#include "processing/processingwindow.h"
#include "sheets/catalogue.h"
#include "tests/support.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using sheets::listLines;
using testing_support::crlf;

namespace {

QByteArray utf16(const char16_t *text)
{
    const QString s = QString::fromUtf16(text);
    return QByteArray(reinterpret_cast<const char *>(s.utf16()), s.size() * 2);
}

const QString kWarning =
    "Avertissement : cette opération peut prendre plusieurs minutes : veuillez être patient...";
const QString kListHint = "Cliquez sur une fiche pour en avoir un aperçu à droite.";

class Mixer : public testing_support::QuietWindowSet {
protected:
    // Catalogues sheets and lists their titles in the editor, as start-up does.
    QStringList catalogue(const QList<std::pair<QString, QByteArray>> &sheets)
    {
        QStringList paths;
        for (const auto &[name, bytes] : sheets) {
            const QString path = sandbox.root() + "/fiches/" + name;
            sandbox.put(path, bytes);
            Form1->ListBox1.append(path);
            Form2->ListBox1->addItem(plat::LineList(plat::LineList::parse(bytes)).memoLine(0));
            paths << path;
        }
        return paths;
    }
    // Opens the mixer from the processing window; the action runs while it is open.
    void open(std::function<void()> action)
    {
        sandbox.desktop().modalActions.push_back([action](plat::Form *) {
            action();
            return int(plat::mrNone);
        });
        Form15->BitBtn2Click();
    }
    QString out() const { return sandbox.root() + "/dico.fic"; }
    QStringList mix()
    {
        sandbox.desktop().records.clear();
        sandbox.desktop().fileAnswers = {out()};
        Form16->BitBtn3Click();
        return sandbox.desktop().messages();
    }
    void click(int i)
    {
        Form16->ListBox1->setItemIndex(i);
        Form16->ListBox1Click();
    }
};

} // namespace

TEST_F(Mixer, DictionariesHoldTheCompletePairsOfTheListInOrder)
{
    const struct {
        const char *what;
        QList<std::pair<QString, QByteArray>> sheets;
        const char *title;
        QByteArray dictionary;
    } cases[] = {
        {"A then B", {{"a.fic", crlf({"A", "a1", "A1"})}, {"b.fic", crlf({"B", "b1", "B1"})}}, "Tout",
         crlf({"Tout", "a1", "A1", "b1", "B1"})},
        {"empty list", {}, "Mon dictionnaire", crlf({"Mon dictionnaire"})},
        // An unpaired last line stays out, so the next sheet's pairs keep
        // their foreign term first.
        {"unpaired line left out",
         {{"a.fic", crlf({"A", "a1", "A1", "seul"})}, {"b.fic", crlf({"B", "b1", "B1"})}}, "Tout",
         crlf({"Tout", "a1", "A1", "b1", "B1"})},
        {"title only, two lines, empty file",
         {{"t.fic", crlf({"T"})}, {"u.fic", crlf({"U", "x"})}, {"v.txt", ""}, {"w.fic", crlf({"W", "w", "W"})}},
         "", crlf({"", "w", "W"})},
        // Sheets read as line lists read them: any line end, LF CR being two.
        {"line ends of every kind", {{"m.txt", "M\na1\rA1\r\nb1\n\rB1"}}, "Tout",
         crlf({"Tout", "a1", "A1", "b1", ""})},
        {"NUL ends a sheet", {{"n.fic", QByteArray("N\r\na1\r\nA1\r\nb1") + '\0' + "\r\nB1\r\n"}}, "Tout",
         crlf({"Tout", "a1", "A1"})},
        // A word the code page lacks makes the whole dictionary UTF-8,
        // whether it comes first, later, or in the title.
        {"Windows-1252 then UTF-8", {{"a.fic", "A\r\n\xe9t\xe9\r\nsummer\r\n"}, {"b.txt", "B\r\n\xd1\x8f\r\nI\r\n"}},
         "Tout", crlf({"Tout", "\xc3\xa9t\xc3\xa9", "summer", "\xd1\x8f", "I"})},
        {"title beyond the code page", {{"a.fic", "A\r\n\xe9\r\nx\r\n"}}, "\xd0\xaf",
         crlf({"\xd0\xaf", "\xc3\xa9", "x"})},
        // Windows-1252 pairs whose bytes read as UTF-8 once their title is
        // left behind: written as UTF-8, so they read back as they were.
        {"pairs that would read as UTF-8", {{"c.fic", "\xe9\r\n\xc3\xa9\r\nx\r\n"}}, "Tout",
         crlf({"Tout", "\xc3\x83\xc2\xa9", "x"})},
        {"UTF-16 sheet", {{"u.txt", QByteArray("\xff\xfe") + utf16(u"U\r\n\u044f\r\n\u00e9\r\n")}}, "Tout",
         crlf({"Tout", "\xd1\x8f", "\xc3\xa9"})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Form1->ListBox1.clear();
        Form2->ListBox1->clear();
        catalogue(c.sheets);
        QStringList messages;
        open([&] {
            Form16->Edit1->setText(c.title);
            messages = mix();
        });
        // The user is told where the dictionary went, as nothing lists it.
        EXPECT_EQ(messages, (QStringList{kWarning, "Le dictionnaire a bien été créé dans le fichier :\n" + out()}));
        EXPECT_EQ(sandbox.get(out()), c.dictionary);
    }
    // The dictionary is a file only: the catalogue does not grow.
    EXPECT_EQ(Form1->ListBox1.count(), 1);
    EXPECT_FALSE(sandbox.exists(sheets::catalogueFile()));
}

TEST_F(Mixer, RemovingAndAddingSurviveTheDialogsAndTheMix)
{
    const QStringList paths = catalogue({{"a.fic", crlf({"A", "a1", "A1"})},
                                         {"b.fic", crlf({"B", "b1", "B1"})},
                                         {"c.fic", crlf({"C", "c1", "C1"})}});
    const QString extra = sandbox.root() + "/en plus.txt";
    sandbox.put(extra, crlf({"X", "x1", "X1"}));
    open([&] {
        EXPECT_EQ(listLines(Form16->ListBox1), (QStringList{"A", "B", "C"}));
        EXPECT_EQ(Form16->ListBox2.lines(), paths);
        EXPECT_EQ(Form16->Edit1->text(), "Mon dictionnaire");

        // Nothing chosen: a message, the list as it was.
        Form16->BitBtn1Click();
        EXPECT_EQ(sandbox.desktop().messages(),
                  QStringList{"Vous devez d'abord sélectionner une fiche à supprimer dans la liste de gauche."});
        EXPECT_EQ(Form16->ListBox1->count(), 3);

        // A middle entry: the one that moved up is chosen.
        click(1);
        EXPECT_EQ(Form16->ListBox1->toolTip(), "B");
        EXPECT_EQ(Form16->Memo3->toPlainText(), "B\nb1\nB1");
        Form16->BitBtn1Click();
        EXPECT_EQ(listLines(Form16->ListBox1), (QStringList{"A", "C"}));
        EXPECT_EQ(Form16->ListBox2.lines(), (QStringList{paths[0], paths[2]}));
        EXPECT_EQ(Form16->ListBox1->itemIndex(), 1);
        EXPECT_EQ(Form16->ListBox1->toolTip(), kListHint);
        EXPECT_TRUE(Form16->Memo3->toPlainText().isEmpty());

        // The last entry: nothing chosen after it.
        Form16->BitBtn1Click();
        EXPECT_EQ(Form16->ListBox1->itemIndex(), -1);

        // Added twice, previewed, chosen; an unreadable file is not added.
        for (int k = 0; k < 2; ++k) {
            sandbox.desktop().fileAnswers = {extra};
            Form16->BitBtn2Click();
        }
        EXPECT_EQ(Form16->Memo3->toPlainText(), "X\nx1\nX1");
        EXPECT_EQ(Form16->ListBox1->itemIndex(), 2);
        sandbox.desktop().records.clear();
        sandbox.desktop().fileAnswers = {sandbox.root() + "/absente.fic"};
        Form16->BitBtn2Click();
        EXPECT_EQ(sandbox.desktop().messages(), QStringList{"Erreur : impossible d'ouvrir le fichier demandé."});
        EXPECT_TRUE(Form16->Memo3->toPlainText().isEmpty());
        Form16->BitBtn2Click(); // cancelled
        EXPECT_EQ(listLines(Form16->ListBox1), (QStringList{"A", "X", "X"}));
        EXPECT_EQ(Form16->ListBox2.lines(), (QStringList{paths[0], extra, extra}));

        mix();
    });
    EXPECT_EQ(sandbox.get(out()), crlf({"Mon dictionnaire", "a1", "A1", "x1", "X1", "x1", "X1"}));

    // Opened again: the whole catalogue, the preview empty.
    open([&] {
        EXPECT_EQ(Form16->ListBox2.lines(), paths);
        EXPECT_EQ(listLines(Form16->ListBox1), (QStringList{"A", "B", "C"}));
        EXPECT_TRUE(Form16->Memo3->toPlainText().isEmpty());
    });
}

TEST_F(Mixer, FailuresKeepTheListAndWriteNothing)
{
    const QStringList paths = catalogue({{"a.fic", crlf({"A", "a1", "A1"})}, {"b.fic", crlf({"B", "b1", "B1"})}});
    open([&] {
        // The save dialog cancelled.
        sandbox.desktop().fileAnswers = {std::nullopt};
        Form16->BitBtn3Click();
        EXPECT_EQ(sandbox.desktop().messages(), QStringList{"Erreur : le dictionnaire n'a pas pu être créé."});

        // A listed sheet deleted since: the error names it, nothing is written.
        plat::deleteFile(paths[1]);
        sandbox.put(out(), "ancien");
        QStringList messages = mix();
        ASSERT_EQ(messages.size(), 2);
        EXPECT_EQ(messages[0], kWarning);
        EXPECT_TRUE(messages[1].contains(paths[1])) << messages[1].toStdString();
        EXPECT_EQ(sandbox.desktop().records.back().detail, "Erreur");
        EXPECT_EQ(sandbox.get(out()), "ancien");
        EXPECT_EQ(Form16->ListBox2.lines(), paths);

        // A dictionary in a folder that does not exist.
        sandbox.put(paths[1], crlf({"B"}));
        const QString nowhere = sandbox.root() + "/absent/dico.fic";
        sandbox.desktop().records.clear();
        sandbox.desktop().fileAnswers = {nowhere};
        Form16->BitBtn3Click();
        messages = sandbox.desktop().messages();
        ASSERT_EQ(messages.size(), 2);
        EXPECT_TRUE(messages[1].contains(nowhere)) << messages[1].toStdString();
        EXPECT_FALSE(sandbox.exists(nowhere));
        EXPECT_EQ(Form16->ListBox2.lines(), paths);

        // Previewing a sheet that has gone: a message, and out of the list.
        plat::deleteFile(paths[0]);
        sandbox.desktop().records.clear();
        click(0);
        EXPECT_EQ(sandbox.desktop().messages(),
                  QStringList{"Erreur : la fiche sélectionnée n'est pas disponible."});
        EXPECT_EQ(listLines(Form16->ListBox1), QStringList{"B"});
        EXPECT_EQ(Form16->ListBox2.lines(), QStringList{paths[1]});
        EXPECT_EQ(Form16->ListBox1->toolTip(), kListHint);
    });
}
