#include "tests/editor/editorfixture.h"

#include "editor/namingdialog.h"
#include "editor/safeguards.h"
#include "editor/termcolumns.h"
#include "editor/termlistview.h"
#include "editor/titledialog.h"
#include "platform/drivepath.h"
#include "sheets/titlelistbox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

TEST(PairLayout, OnlyWhatTheTypingBroughtInIsWarnedOf)
{
    const struct {
        const char *before;
        const char *after;
        const char *warning; // how the warning begins; empty for none
        qsizetype line;
    } cases[] = {
        {"T\na\nb\n", "T\na\nb\nc\nd\n", "", -1},
        {"T\na\nb\nc\nd\n", "T\na\n\nb\nc\nd\n", "La ligne 3 est vide.", 2},
        {"T\na\nb\nc\nd\n", "T\n\na\nb\n\nc\nd\n", "Le texte contient des lignes vides, la première à la ligne 2.", 1},
        // Blank lines after the last term shift nothing; neither does a blank title.
        {"T\na\nb\n", "T\na\nb\n\n\n", "", -1},
        {"T\na\nb\n", "\na\nb\n", "", -1},
        // A line taken out: the last term is left alone.
        {"T\na\nb\nc\nd\n", "T\na\nc\nd\n", "Le dernier terme, ligne 4, n'a pas de traduction", 3},
        // What the sheet already held is not warned of again.
        {"T\n\nx\n", "T\n\nx\ny\nz\n", "", -1},
        {"T\na\nb\nc\n", "T\na\nb\nc\nd\ne\n", "", -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.after);
        const auto layout = [](const char *text) {
            return editor::pairLayout(plat::PackedLines::fromText(QString::fromUtf8(text)));
        };
        const std::optional<editor::ShiftWarning> w = editor::pairShiftWarning(layout(c.before), layout(c.after));
        ASSERT_EQ(w.has_value(), *c.warning != 0);
        if (!w)
            continue;
        EXPECT_TRUE(w->text.startsWith(QString::fromUtf8(c.warning))) << w->text.toStdString();
        EXPECT_TRUE(w->text.endsWith(QStringLiteral("Non : revenir au texte pour le corriger.")));
        EXPECT_EQ(w->line, c.line);
    }
}

const QString kSheet = QStringLiteral("C:\\fiches\\ecole.fic");
const QString kOther = QStringLiteral("C:\\fiches\\espagnol.fic");
const QString kNew = QStringLiteral("C:\\fiches\\neuve.fic");

class Safeguards : public editor_tests::EditorFixture {
protected:
    // Keys to whatever has the focus in the editor: text, or "Tab", "Return".
    void keys(std::initializer_list<const char *> strokes)
    {
        for (const char *stroke : strokes) {
            const QString s = QString::fromUtf8(stroke);
            const bool tab = s == QLatin1String("Tab");
            const bool enter = s == QLatin1String("Return");
            QKeyEvent press(QEvent::KeyPress, tab ? Qt::Key_Tab : enter ? Qt::Key_Return : Qt::Key_unknown,
                            Qt::NoModifier, tab ? QStringLiteral("\t") : enter ? QStringLiteral("\r") : s);
            QWidget *focus = Form2->focusWidget();
            ASSERT_NE(focus, nullptr);
            QApplication::sendEvent(focus, &press);
        }
    }
    void escape(QWidget *to)
    {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(to, &esc);
    }
    void startFullText(const QString &typed)
    {
        Form2->BitBtn10Click();
        Form2->memomodi->selectAll();
        Form2->memomodi->insertPlainText(typed);
    }
};

// The road the window's hint gives: TAB between the terms, ENTER to add, the
// next pair typed at once; an ENTER too many adds nothing.
TEST_F(Safeguards, QuickEntryTypesPairAfterPair)
{
    const struct {
        const char *name;
        bool reversed;
        std::initializer_list<const char *> strokes;
        QByteArray file;
        const char *lastFirst; // the first-column term of the pair added last
    } cases[] = {
        {"ENTER in the second entry",
         false,
         {"the school", "Tab", "l'école", "Return", "summer", "Tab", "l'été", "Return", "Return"},
         crlf({"Ecole", "the school", "l'\xe9" "cole", "summer", "l'\xe9t\xe9"}), "summer"},
        {"ENTER on the add button",
         false,
         {"dog", "Tab", "chien", "Tab", "Return", "cat", "Tab", "chat", "Return"},
         crlf({"Ecole", "dog", "chien", "cat", "chat"}), "cat"},
        {"French first", true, {"chien", "Tab", "dog", "Return", "chat", "Tab", "cat", "Return"},
         crlf({"Ecole", "dog", "chien", "cat", "chat"}), "chat"},
    };
    Form2->show();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        box.put(kSheet, crlf({"Ecole"}));
        Form1->ListBox1.clear();
        Form2->ListBox1->clear();
        catalogue({{kSheet, crlf({"Ecole"})}});
        if (Form2->reversed() != c.reversed)
            Form2->BitBtn1Click();
        choose(0);
        Form2->Edit1->setFocus();
        keys(c.strokes);
        EXPECT_EQ(box.get(kSheet), c.file);
        EXPECT_TRUE(Form2->Edit1->text().isEmpty());
        EXPECT_TRUE(Form2->Edit2->text().isEmpty());
        EXPECT_EQ(Form2->focusWidget(), Form2->Edit1);
        // The pair last added is the one shown selected.
        const int row = Form2->ListBox2->itemIndex();
        ASSERT_GE(row, 0);
        EXPECT_EQ(Form2->columns->first(row), QString::fromUtf8(c.lastFirst));
        EXPECT_TRUE(box.desktop().messages().isEmpty());
    }
    Form2->hide();
}

// A pair picked in the columns fills the entries; ENTER then asks before the
// sheet holds it twice.
TEST_F(Safeguards, AddingAPairTheSheetHoldsAsksFirst)
{
    const struct {
        int answer;
        QByteArray file;
    } cases[] = {
        {plat::mrNo, crlf({"T", "dog", "chien"})},
        {plat::mrYes, crlf({"T", "dog", "chien", "dog", "chien"})},
    };
    for (const auto &c : cases) {
        box.put(kSheet, crlf({"T", "dog", "chien"}));
        Form1->ListBox1.clear();
        Form2->ListBox1->clear();
        catalogue({{kSheet, crlf({"T", "dog", "chien"})}});
        choose(0);
        box.desktop().records.clear();
        box.desktop().messageAnswers = {c.answer};
        Form2->ListBox2->setItemIndex(0);
        Form2->boxclic();
        Form2->ajout();
        ASSERT_EQ(box.desktop().messages().size(), 1);
        EXPECT_EQ(box.desktop().messages().first(), QStringLiteral("Cette paire est déjà dans la fiche :\n\n"
                                                                   "Terme étranger : dog\nTerme français : chien\n\n"
                                                                   "L'ajouter une deuxième fois ?"));
        EXPECT_EQ(box.get(kSheet), c.file) << c.answer;
    }
}

// The sheet just created is the one chosen: its title in the banner, the
// next pairs in its file. A creation given up changes no choice.
TEST_F(Safeguards, ANewSheetBecomesTheChosenSheet)
{
    for (const bool saved : {true, false}) {
        SCOPED_TRACE(saved);
        Form1->ListBox1.clear();
        Form2->ListBox1->clear();
        catalogue({{kSheet, crlf({"Ecole"})}, {kOther, crlf({"Espagnol", "perro", "chien"})}});
        choose(1);
        box.desktop().fileAnswers = {kNew};
        box.desktop().modalActions.push_back([&](plat::Form *) {
            Form9->Edit1->setText(QStringLiteral("Saisons"));
            Form9->Edit2->clear();
            if (saved)
                Form9->BitBtn1->click();
            else
                escape(Form9->Edit1);
            return Form9->result();
        });
        Form2->Crerunenouvellefiche1Click();
        if (saved) {
            EXPECT_EQ(Form2->focusWidget(), Form2->Edit1);
        }
        add("summer", "l'été");
        if (saved) {
            EXPECT_EQ(Form2->ListBox1->itemIndex(), 2);
            EXPECT_EQ(Form2->memo2Line(), "Fiche traitée : Saisons //\\\\");
            EXPECT_EQ(Form2->Label6, kNew);
            EXPECT_EQ(box.get(kNew), crlf({"Saisons //\\\\", "summer", "l'\xe9t\xe9"}));
            EXPECT_EQ(box.get(kOther), crlf({"Espagnol", "perro", "chien"}));
        } else {
            EXPECT_EQ(Form2->ListBox1->itemIndex(), 1);
            EXPECT_FALSE(box.exists(kNew));
            EXPECT_EQ(Form1->ListBox1.count(), 2);
            EXPECT_EQ(box.get(kOther), crlf({"Espagnol", "perro", "chien", "summer", "l'\xe9t\xe9"}));
        }
        QFile::remove(plat::hostPath(kNew));
    }
}

// Every way of closing the editor in full-text mode asks about typed text;
// the editor never opens again in full-text mode, so no text left from
// before can be saved into the sheet chosen then. (Escape leaves full-text
// mode only.)
TEST_F(Safeguards, ClosingInFullTextModeSavesOrDropsTheText)
{
    const struct {
        const char *way;
        std::function<void()> close;
    } ways[] = {
        {"quit button", [] { Form2->BitBtn4->click(); }},
        {"close box", [] { Form2->close(); }},
    };
    const struct {
        int answer; // 0: the text was not changed
        bool closed;
        QByteArray file;
    } answers[] = {
        {0, true, crlf({"Ecole", "dog", "chien"})},
        {plat::mrYes, true, "Ecole\r\ndog\r\nchien\r\ncat\r\nchat"},
        {plat::mrNo, true, crlf({"Ecole", "dog", "chien"})},
        {plat::mrCancel, false, crlf({"Ecole", "dog", "chien"})},
    };
    for (const auto &way : ways) {
        for (const auto &a : answers) {
            SCOPED_TRACE(std::string(way.way) + " " + std::to_string(a.answer));
            Form1->ListBox1.clear();
            Form2->ListBox1->clear();
            box.desktop().records.clear();
            catalogue({{kSheet, crlf({"Ecole", "dog", "chien"})}, {kOther, crlf({"Espagnol", "perro", "chien"})}});
            Form2->show();
            choose(0);
            if (a.answer) {
                startFullText(QStringLiteral("Ecole\ndog\nchien\ncat\nchat"));
                box.desktop().messageAnswers = {a.answer};
            } else {
                Form2->BitBtn10Click();
            }
            way.close();
            EXPECT_EQ(box.desktop().messages().size(), a.answer ? 1 : 0);
            EXPECT_EQ(Form2->isVisible(), !a.closed);
            EXPECT_EQ(Form2->inFullText(), !a.closed);
            EXPECT_EQ(box.get(kSheet), a.file);
            if (!a.closed) {
                EXPECT_EQ(Form2->memomodi->toPlainText(), "Ecole\ndog\nchien\ncat\nchat");
                EXPECT_EQ(Form2->ListBox1->itemIndex(), 0);
                Form2->StopmodiClick();
                Form2->hide();
            }
            // Opened again on another sheet, a save has no text to write.
            choose(1);
            Form2->Stopmodi9Click();
            EXPECT_EQ(box.get(kOther), crlf({"Espagnol", "perro", "chien"}));
        }
    }
}

// A blank line typed in the full text would shift the pairs after it: the
// save says so and, unless told to go on, goes back to the text at that line.
TEST_F(Safeguards, SavingAFullTextWithShiftedPairsWarnsFirst)
{
    for (const int answer : {int(plat::mrNo), int(plat::mrYes)}) {
        SCOPED_TRACE(answer);
        Form1->ListBox1.clear();
        Form2->ListBox1->clear();
        box.desktop().records.clear();
        catalogue({{kSheet, crlf({"Ecole", "dog", "chien", "cat", "chat"})}});
        choose(0);
        startFullText(QStringLiteral("Ecole\ndog\n\nchien\ncat\nchat\n"));
        box.desktop().messageAnswers = {answer};
        Form2->Stopmodi9Click();
        ASSERT_EQ(box.desktop().messages().size(), 1);
        EXPECT_TRUE(box.desktop().messages().first().startsWith(QStringLiteral("La ligne 3 est vide.")));
        if (answer == plat::mrYes) {
            EXPECT_FALSE(Form2->inFullText());
            EXPECT_EQ(box.get(kSheet), crlf({"Ecole", "dog", "", "chien", "cat", "chat"}));
        } else {
            EXPECT_TRUE(Form2->inFullText());
            EXPECT_EQ(Form2->memomodi->textCursor().blockNumber(), 2);
            EXPECT_EQ(box.get(kSheet), crlf({"Ecole", "dog", "chien", "cat", "chat"}));
            Form2->StopmodiClick();
        }
    }
}

// Escape does what the window's cancel or quit button does.
TEST_F(Safeguards, EscapeCancelsOrQuits)
{
    catalogue({{kSheet, crlf({"Ecole", "dog", "chien"})}});
    const struct {
        const char *window;
        std::function<void()> run;
    } cases[] = {
        {"editor",
         [this] {
             Form2->show();
             choose(0);
             escape(Form2->Edit1);
             EXPECT_FALSE(Form2->isVisible());
             EXPECT_EQ(Form2->ListBox1->itemIndex(), -1);
             EXPECT_EQ(Form2->columns->rows(), 0);
         }},
        {"title dialog",
         [this] {
             choose(0);
             box.desktop().modalActions.push_back([this](plat::Form *) {
                 For9->Edit1->setText(QStringLiteral("Autre"));
                 escape(For9->Edit1);
                 return For9->result();
             });
             EXPECT_EQ(plat::desktop().showModal(For9), plat::mrCancel);
             EXPECT_EQ(Form2->ListBox1->item(0)->text(), "Ecole");
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.window);
        c.run();
        EXPECT_EQ(box.get(kSheet), crlf({"Ecole", "dog", "chien"}));
        EXPECT_TRUE(box.desktop().messages().isEmpty());
    }
}

// Deleting a pair asks first, naming both its terms; ENTER keeps it.
TEST_F(Safeguards, DeletingAPairAsksFirst)
{
    const struct {
        int answer;
        QByteArray file;
        QStringList column;
    } cases[] = {
        {0, crlf({"T", "dog", "chien", "cat", "chat"}), {"cat", "dog"}},
        {plat::mrYes, crlf({"T", "cat", "chat"}), {"cat"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer);
        Form1->ListBox1.clear();
        Form2->ListBox1->clear();
        box.desktop().records.clear();
        catalogue({{kSheet, crlf({"T", "dog", "chien", "cat", "chat"})}});
        choose(0);
        Form2->BitBtn1Click(); // French first: the question still names the foreign term first
        Form2->ListBox2->setItemIndex(1);
        Form2->boxclic();
        if (c.answer)
            box.desktop().messageAnswers = {c.answer};
        Form2->BitBtn3Click();
        EXPECT_EQ(box.desktop().messages(),
                  QStringList{"Supprimer cette paire de la fiche ?\n\nTerme étranger : dog\nTerme français : chien"});
        EXPECT_EQ(box.get(kSheet), c.file);
        Form2->BitBtn1Click();
        EXPECT_EQ(Form2->columns->firstColumn(), c.column);
    }
}

} // namespace
