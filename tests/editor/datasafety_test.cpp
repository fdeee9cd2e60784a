#include "tests/editor/editorfixture.h"

#include "editor/termcolumns.h"
#include "editor/titledialog.h"
#include "learning/learningwindow.h"
#include "platform/form.h"
#include "sheets/titlelistbox.h"
#include "testing/testwindow.h"
#include "tests/support.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

class EditorSafety : public editor_tests::EditorFixture {
protected:
    void rename(const QString &name)
    {
        For9->Edit1->setText(name);
        For9->Edit2->clear();
        For9->BitBtn1Click();
    }
    // Line i of every title list is the title line of catalogue line i.
    void expectAligned()
    {
        const plat::LineList &paths = Form1->ListBox1;
        for (QListWidget *list : {static_cast<QListWidget *>(Form2->ListBox1),
                                  static_cast<QListWidget *>(Form3->ListBox1),
                                  static_cast<QListWidget *>(Form4->ListBox1)}) {
            ASSERT_EQ(list->count(), paths.count());
            for (int i = 0; i < list->count(); ++i)
                EXPECT_EQ(list->item(i)->text(),
                          plat::LineList(plat::LineList::parse(box.get(paths.at(i)))).memoLine(0))
                    << i;
        }
    }
};

const QString kA = QStringLiteral("C:\\fiches\\a.fic");
const QString kB = QStringLiteral("C:\\fiches\\b.fic");
const QString kC = QStringLiteral("C:\\fiches\\c.fic");

} // namespace

// Whatever follows a NUL byte is not shown, but it is the user's: every way
// the editor writes the sheet keeps it.
TEST_F(EditorSafety, BytesAfterANulSurviveEveryWrite)
{
    const QByteArray tail("\0notes \xE9\r\nmore", 14);
    const struct {
        const char *name;
        std::function<void()> edit;
        QByteArray text; // what the sheet reads as afterwards
    } cases[] = {
        {"add", [this] { add("cat", "chat"); }, crlf({"T", "dog", "chien", "cat", "chat"})},
        {"delete",
         [this] {
             Form2->ListBox2->setItemIndex(0);
             deleteSelected();
         },
         crlf({"T"})},
        {"full text",
         [] {
             Form2->BitBtn10Click();
             Form2->memomodi->setPlainText(QStringLiteral("T2\ndog\nchien"));
             Form2->Stopmodi9Click();
         },
         "T2\r\ndog\r\nchien"},
        {"title", [this] { rename(QStringLiteral("Nouveau")); }, crlf({"Nouveau", "dog", "chien"})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Form1->ListBox1.clear();
        Form2->ListBox1->clear();
        catalogue({{kA, crlf({"T", "dog", "chien"}) + tail}});
        choose(0);
        c.edit();
        EXPECT_EQ(box.get(kA), c.text + tail);
    }
}

// Once the chosen sheet is removed from the list no sheet is chosen: no
// command writes the removed file, and each title stays with its sheet.
TEST_F(EditorSafety, AfterARemovalNothingReachesTheRemovedSheet)
{
    catalogue({{kA, crlf({"A", "a1", "a2"})}, {kB, crlf({"B", "b1", "b2"})}, {kC, crlf({"C"})}});
    choose(1);
    box.desktop().messageAnswers = {plat::mrYes};
    Form2->BitBtn6Click(); // B leaves the catalogue; no sheet is chosen
    ASSERT_EQ(Form2->ListBox1->itemIndex(), -1);
    box.desktop().records.clear();
    Form2->BitBtn10Click();
    EXPECT_EQ(box.desktop().messages(), QStringList{"Veuillez sélectionner une fiche dans la liste."});
    EXPECT_FALSE(Form2->inFullText());
    Form2->Edit1->setText(QStringLiteral("b3"));
    Form2->Edit2->setText(QStringLiteral("b4"));
    Form2->ajout();
    EXPECT_EQ(box.get(kB), crlf({"B", "b1", "b2"}));
    expectAligned();

    // The sheet chosen next takes the full text and the new title.
    choose(0);
    Form2->BitBtn10Click();
    Form2->memomodi->setPlainText(QStringLiteral("A2\na1\na2"));
    Form2->Stopmodi9Click();
    EXPECT_EQ(box.get(kA), QByteArray("A2\r\na1\r\na2"));
    rename(QStringLiteral("A3"));
    EXPECT_EQ(box.get(kA), crlf({"A3", "a1", "a2"}));
    EXPECT_EQ(box.get(kB), crlf({"B", "b1", "b2"}));
    expectAligned();
}

// A sheet changed by another program while the editor holds it is not
// overwritten without the user's word.
TEST_F(EditorSafety, ASheetChangedOutsideIsNotOverwrittenUnasked)
{
    const QByteArray outside = crlf({"T", "dog", "chien", "written", "elsewhere"});
    const struct {
        const char *name;
        int answer;
        QByteArray file;
        QStringList column;
    } cases[] = {
        {"keep the outside version", plat::mrNo, outside, {"dog", "written"}},
        {"replace it", plat::mrYes, crlf({"T", "dog", "chien", "cat", "chat"}), {"cat", "dog"}},
        {"Enter alone keeps it", 0, outside, {"dog", "written"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Form1->ListBox1.clear();
        Form2->ListBox1->clear();
        catalogue({{kA, crlf({"T", "dog", "chien"})}});
        choose(0);
        box.put(kA, outside);
        box.desktop().messageAnswers.clear();
        if (c.answer)
            box.desktop().messageAnswers = {c.answer};
        const qsizetype before = box.desktop().messages().size();
        add("cat", "chat");
        ASSERT_EQ(box.desktop().messages().size(), before + 1);
        EXPECT_TRUE(box.desktop().messages().last().contains(QStringLiteral("modifiée en dehors de Tavilo")));
        EXPECT_EQ(box.get(kA), c.file);
        EXPECT_EQ(Form2->columns->firstColumn(), c.column);
        // Once settled, the next change is written without a question.
        add("bird", "oiseau");
        EXPECT_EQ(box.desktop().messages().size(), before + 1);
    }
}

// Entering full-text mode and saving without a change writes the file's own
// bytes again: its last line end, its characters and what a NUL hid.
TEST_F(EditorSafety, AnUnchangedFullTextSaveKeepsTheBytes)
{
    const QByteArray sheets[] = {
        crlf({"T", "pear", "poire"}),
        QByteArray(),
        crlf({"T"}),
        crlf({"Fruits //moi\\\\", "caf\xe9", "\xa0non-breaking"}),
        crlf({"Russe", "\xd1\x81\xd0\xbe\xd0\xb1\xd0\xb0\xd0\xba\xd0\xb0", "chien"}),
        crlf({"T", "dog", "chien"}) + QByteArray("\0rest", 5),
    };
    for (const QByteArray &bytes : sheets) {
        SCOPED_TRACE(bytes.toStdString());
        Form1->ListBox1.clear();
        Form2->ListBox1->clear();
        catalogue({{kA, bytes}});
        choose(0);
        Form2->BitBtn10Click();
        Form2->Stopmodi9Click();
        EXPECT_EQ(box.get(kA), bytes);
        EXPECT_TRUE(box.desktop().messages().isEmpty());
    }
}
