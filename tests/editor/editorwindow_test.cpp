#include "tests/editor/editorfixture.h"

#include "editor/termcolumns.h"
#include "editor/termlistview.h"
#include "editor/titledialog.h"
#include "learning/learningwindow.h"
#include "platform/drivepath.h"
#include "platform/fileio.h"
#include "sheets/titledisplay.h"
#include "sheets/titlelistbox.h"
#include "testing/testwindow.h"
#include "tests/support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolButton>
#include <gtest/gtest.h>
#include <sys/stat.h>

using testing_support::crlf;

namespace {

const QString kFruitPath = QStringLiteral("C:\\fiches\\fruits.fic");
const QString kOtherPath = QStringLiteral("C:\\fiches\\autre.fic");

class Editor : public editor_tests::EditorFixture {
protected:
    void clickFirst(int row)
    {
        Form2->ListBox2->setItemIndex(row);
        Form2->boxclic();
    }
    void clickSecond(int row)
    {
        Form2->ListBox3->setItemIndex(row);
        Form2->ListBox3Click();
    }
    QStringList col1() const { return Form2->columns->firstColumn(); }
    QStringList col2() const { return Form2->columns->secondColumn(); }
    std::pair<int, int> selection() const
    {
        return {Form2->ListBox2->itemIndex(), Form2->ListBox3->itemIndex()};
    }
    static QStringList titles(QListWidget *list) { return sheets::listLines(list); }
};

const QByteArray kFruit = crlf({"Fruits //moi\\\\", "pear", "poire", "apple", "pomme", "Banana", "banane"});

} // namespace

TEST_F(Editor, ChoosingASheetShowsItsPairsInBothDirections)
{
    catalogue({{kFruitPath, kFruit}});
    choose(0);
    EXPECT_EQ(col1(), (QStringList{"apple", "Banana", "pear"}));
    EXPECT_EQ(col2(), (QStringList{"pomme", "banane", "poire"}));
    EXPECT_EQ(Form2->memo2Line(), "Fiche traitée : Fruits //moi\\\\");
    EXPECT_EQ(Form2->titleDisplay->caption(), "Fiche traitée : Fruits");
    EXPECT_EQ(Form2->Label6, kFruitPath);
    EXPECT_EQ(Form2->ListBox1->toolTip(), "Fruits //moi\\\\");

    Form2->Edit1->setText("pear");
    Form2->Edit2->setText("poire");
    Form2->BitBtn1Click();
    EXPECT_EQ(Form2->Label4->text(), "Vocabulaire français :");
    EXPECT_EQ(Form2->Label5->text(), "Vocabulaire étranger :");
    EXPECT_EQ(col1(), (QStringList{"banane", "poire", "pomme"}));
    EXPECT_EQ(col2(), (QStringList{"Banana", "pear", "apple"}));
    EXPECT_EQ(Form2->Edit1->text(), "poire");
    EXPECT_EQ(Form2->Edit2->text(), "pear");
    EXPECT_EQ(Form2->ListBox1->itemIndex(), 0);

    Form2->BitBtn1Click();
    EXPECT_EQ(Form2->Label4->text(), "Vocabulaire étranger :");
    EXPECT_EQ(col1(), (QStringList{"apple", "Banana", "pear"}));
    EXPECT_EQ(Form2->Edit1->text(), "pear");
    // The other windows' lists follow the editor's.
    EXPECT_EQ(titles(Form3->ListBox1), QStringList{"Fruits //moi\\\\"});
    EXPECT_EQ(titles(Form4->ListBox1), QStringList{"Fruits //moi\\\\"});
    EXPECT_EQ(box.get(kFruitPath), kFruit);
}

TEST_F(Editor, TypingSelectsTheFirstMatchingRowInBothColumns)
{
    catalogue({{kFruitPath, crlf({"t", "maison", "house", "Mars", "march", "mardi", "Tuesday"})}});
    choose(0);
    Form2->Edit1->setText("MAR");
    EXPECT_EQ(selection(), std::make_pair(1, 1));
    Form2->Edit1->setText("x");
    EXPECT_EQ(selection(), std::make_pair(-1, -1));
    Form2->Edit1->setText("house");
    Form2->Edit2->setText("maison");
    EXPECT_EQ(Form2->Label7->text(), "Terme étranger : house");
    EXPECT_EQ(Form2->Label8->text(), "Terme français : maison");
}

TEST_F(Editor, AddingWritesThePairInFileOrderInEitherDirection)
{
    catalogue({{kFruitPath, crlf({"Fruits", "pear", "poire"})}});
    choose(0);
    add("apple", "pomme");
    EXPECT_EQ(col1(), (QStringList{"apple", "pear"}));
    EXPECT_EQ(col2(), (QStringList{"pomme", "poire"}));
    EXPECT_EQ(selection(), std::make_pair(0, 0));
    EXPECT_EQ(box.get(kFruitPath), crlf({"Fruits", "pear", "poire", "apple", "pomme"}));

    Form2->BitBtn1Click();
    add("chat", "cat");
    EXPECT_EQ(col1(), (QStringList{"chat", "poire", "pomme"}));
    EXPECT_EQ(col2(), (QStringList{"cat", "pear", "apple"}));
    EXPECT_EQ(selection(), std::make_pair(0, 0));
    EXPECT_EQ(box.get(kFruitPath), crlf({"Fruits", "pear", "poire", "apple", "pomme", "cat", "chat"}));

    // One entry empty: nothing happens.
    add("chien", "");
    add("", "dog");
    EXPECT_EQ(box.get(kFruitPath), crlf({"Fruits", "pear", "poire", "apple", "pomme", "cat", "chat"}));
    EXPECT_EQ(col1().size(), 3);
}

TEST_F(Editor, EnterAddsThePairTyped)
{
    catalogue({{kFruitPath, crlf({"Fruits"})}});
    choose(0);
    Form2->Edit1->setText("pear");
    Form2->Edit2->setText("poire");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(Form2->Edit2, &enter);
    EXPECT_EQ(box.get(kFruitPath), crlf({"Fruits", "pear", "poire"}));
}

TEST_F(Editor, DuplicateFirstTermsFollowTheClicks)
{
    catalogue({{kFruitPath, crlf({"t", "pear", "poire", "apple", "pomme"})}});
    choose(0);
    add("apple", "pomme verte");
    EXPECT_EQ(col1(), (QStringList{"apple", "apple", "pear"}));
    EXPECT_EQ(col2(), (QStringList{"pomme verte", "pomme", "poire"}));
    EXPECT_EQ(selection(), std::make_pair(0, 0));

    Form2->Edit1->setText("pe");
    // The entry holds another text: the search goes to the first "apple".
    clickFirst(1);
    EXPECT_EQ(selection(), std::make_pair(0, 0));
    EXPECT_EQ(Form2->Edit2->text(), "pomme verte");
    // Now the entry already holds it: the row clicked stays chosen.
    clickFirst(1);
    EXPECT_EQ(selection(), std::make_pair(1, 1));
    EXPECT_EQ(Form2->Edit2->text(), "pomme");
    // The second column behaves alike.
    Form2->Edit1->setText("x");
    clickSecond(1);
    EXPECT_EQ(selection(), std::make_pair(0, 0));
    EXPECT_EQ(Form2->Edit2->text(), "pomme verte");
    clickSecond(1);
    EXPECT_EQ(selection(), std::make_pair(1, 1));
    EXPECT_EQ(Form2->Edit2->text(), "pomme");

    deleteSelected();
    EXPECT_EQ(col1(), (QStringList{"apple", "pear"}));
    EXPECT_EQ(col2(), (QStringList{"pomme verte", "poire"}));
    EXPECT_EQ(selection(), std::make_pair(1, 1));
    EXPECT_EQ(box.get(kFruitPath), crlf({"t", "pear", "poire", "apple", "pomme verte"}));
}

TEST_F(Editor, DeletingFirstAndLastRows)
{
    catalogue({{kFruitPath, kFruit}});
    choose(0);
    clickFirst(0); // apple
    deleteSelected();
    EXPECT_EQ(col1(), (QStringList{"Banana", "pear"}));
    EXPECT_EQ(col2(), (QStringList{"banane", "poire"}));
    EXPECT_EQ(selection(), std::make_pair(0, 0));
    EXPECT_EQ(box.get(kFruitPath), crlf({"Fruits //moi\\\\", "pear", "poire", "Banana", "banane"}));

    clickFirst(1); // pear, the last row
    deleteSelected();
    EXPECT_EQ(col1(), QStringList{"Banana"});
    EXPECT_EQ(selection(), std::make_pair(-1, -1));
    EXPECT_EQ(box.get(kFruitPath), crlf({"Fruits //moi\\\\", "Banana", "banane"}));

    // Nothing selected: the first row is selected and the sheet written as it is.
    // Emptying the file on disk is a change made outside: the user lets the
    // editor's version replace it.
    box.put(kFruitPath, QByteArray());
    box.desktop().messageAnswers = {plat::mrYes};
    Form2->BitBtn3Click();
    EXPECT_EQ(selection(), std::make_pair(0, 0));
    EXPECT_EQ(box.get(kFruitPath), crlf({"Fruits //moi\\\\", "Banana", "banane"}));
}

TEST_F(Editor, DeletingMatchesWholePairsOnly)
{
    // "poire" then "apple" are the French term of pair 1 and the foreign
    // term of pair 2; pair 3 is the pair (poire, apple) itself.
    catalogue({{kFruitPath, crlf({"t", "pear", "poire", "apple", "pomme", "poire", "apple"})}});
    choose(0);
    ASSERT_EQ(col1(), (QStringList{"apple", "pear", "poire"}));
    clickFirst(2);
    deleteSelected();
    EXPECT_EQ(box.get(kFruitPath), crlf({"t", "pear", "poire", "apple", "pomme"}));
    EXPECT_EQ(col1(), (QStringList{"apple", "pear"}));
    EXPECT_EQ(col2(), (QStringList{"pomme", "poire"}));
}

TEST_F(Editor, AnUnpairedLastLineStaysLast)
{
    catalogue({{kFruitPath, crlf({"t", "pear", "poire", "seul"})}});
    choose(0);
    EXPECT_EQ(col1(), QStringList{"pear"});
    add("apple", "pomme");
    EXPECT_EQ(box.get(kFruitPath), crlf({"t", "pear", "poire", "apple", "pomme", "seul"}));
    clickFirst(1);
    deleteSelected();
    EXPECT_EQ(box.get(kFruitPath), crlf({"t", "apple", "pomme", "seul"}));
}

TEST_F(Editor, AwkwardTermsAreKeptExactly)
{
    // Windows-1252 bytes: "é" is E9.
    const QByteArray sheet = crlf({"", " blanc ", "\"guillemets\"", "a;b", "tab\there", "caf\xe9", "x"});
    catalogue({{kFruitPath, sheet}});
    choose(0);
    EXPECT_EQ(col1(), (QStringList{" blanc ", "a;b", "caf\u00e9"}));
    add("a;b", "autre");
    clickFirst(0);
    deleteSelected();
    EXPECT_EQ(box.get(kFruitPath),
              crlf({"", "a;b", "tab\there", "caf\xe9", "x", "a;b", "autre"}));
    // A term outside the code page turns the file to UTF-8, nothing lost.
    add("собака", "chien");
    EXPECT_EQ(QString::fromUtf8(box.get(kFruitPath)),
              QString::fromUtf8(crlf({"", "a;b", "tab\there", "caf\xc3\xa9", "x", "a;b", "autre",
                                      "собака", "chien"})));
}

// A sheet whose file is not there is an empty sheet under its listed title,
// written afresh by the next change. One whose file is there but cannot be
// read shows nothing of the sheet chosen before, is never written, and every
// command that would write it says why instead of seeming to work.
TEST_F(Editor, ASheetThatFailsToLoadLeavesNothingToWrite)
{
    const struct {
        const char *name;
        void (*spoil)(const QString &host);
        QByteArray afterAdd; // empty: the file must stay as spoilt
        const char *notice;
    } cases[] = {
        {"deleted", [](const QString &host) { QFile::remove(host); }, crlf({"Autre", "apple", "pomme"}),
         "Le fichier de cette fiche n'existe plus"},
        {"a folder",
         [](const QString &host) {
             QFile::remove(host);
             QDir().mkpath(host);
         },
         {}, "Cette fiche ne peut pas être lue."},
        {"a pipe",
         [](const QString &host) {
             QFile::remove(host);
             ASSERT_EQ(::mkfifo(QFile::encodeName(host).constData(), 0600), 0);
         },
         {}, "Cette fiche ne peut pas être lue."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        box.desktop().records.clear();
        Form1->ListBox1.clear();
        Form2->ListBox1->clear();
        const QString path = QStringLiteral("C:\\fiches\\%1.fic").arg(QString::fromLatin1(c.name).remove(u' '));
        catalogue({{kFruitPath, kFruit}, {path, crlf({"Autre"})}});
        c.spoil(plat::hostPath(path));
        choose(0);
        choose(1);
        ASSERT_EQ(box.desktop().messages().size(), 1);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(box.desktop().messages().first().startsWith(QString::fromUtf8(c.notice)));
        EXPECT_TRUE(box.desktop().messages().first().contains(path)) << box.desktop().messages().first().toStdString();
        EXPECT_TRUE(col1().isEmpty());
        EXPECT_EQ(Form2->Label6, path);
        EXPECT_EQ(Form2->memo2Line(), "Fiche traitée : Autre");
        // Choosing it again after a change of direction says nothing new.
        Form2->BitBtn1Click();
        Form2->BitBtn1Click();
        EXPECT_EQ(box.desktop().messages().size(), 1);

        add("apple", "pomme");
        Form2->ListBox2->setItemIndex(-1);
        Form2->BitBtn3Click();
        Form2->BitBtn10Click();
        const bool recreated = !c.afterAdd.isEmpty();
        if (recreated) {
            EXPECT_EQ(box.desktop().messages().size(), 1);
            EXPECT_EQ(box.get(path), c.afterAdd);
            EXPECT_EQ(col1(), QStringList{"apple"});
            EXPECT_EQ(Form2->memomodi->toPlainText(), "Autre\napple\npomme\n");
        } else {
            // Add, delete and full text each said why, and showed nothing done.
            ASSERT_EQ(box.desktop().messages().size(), 4);
            for (int m = 1; m < 4; ++m)
                EXPECT_TRUE(box.desktop().messages().at(m).startsWith(
                    QStringLiteral("La fiche n'a pas été modifiée : son fichier ne peut pas être lu")));
            EXPECT_TRUE(col1().isEmpty());
            EXPECT_TRUE(Form2->memomodi->isHidden());
            EXPECT_TRUE(Form2->ListBox5.isEmpty());
            EXPECT_FALSE(QFileInfo(plat::hostPath(path)).isFile());
        }
        EXPECT_FALSE(box.desktop().terminated);
        EXPECT_EQ(box.get(kFruitPath), kFruit);
        Form2->StopmodiClick();
    }
}

TEST_F(Editor, FullTextSaveRenamesInEveryTitleList)
{
    catalogue({{kOtherPath, crlf({"Autre"})}, {kFruitPath, crlf({"Fruits", "pear", "poire"})}});
    choose(1);
    add("apple", "pomme");
    Form2->BitBtn10Click();
    EXPECT_FALSE(Form2->memomodi->isHidden());
    EXPECT_TRUE(Form2->Label4->isHidden());
    EXPECT_EQ(Form2->memomodi->toPlainText(), "Fruits\npear\npoire\napple\npomme\n");
    Form2->memomodi->setPlainText(QStringLiteral("Fruits d'été\npear\npoire\napple\npomme\nkiwi\nkiwi"));
    Form2->Stopmodi9Click();
    EXPECT_TRUE(Form2->memomodi->isHidden());
    EXPECT_FALSE(Form2->Label4->isHidden());
    // As typed: no line end after the last line.
    EXPECT_EQ(box.get(kFruitPath), QByteArray("Fruits d'\xe9t\xe9\r\npear\r\npoire\r\napple\r\npomme\r\nkiwi\r\nkiwi"));
    const QStringList expected{"Autre", "Fruits d'été"};
    EXPECT_EQ(titles(Form2->ListBox1), expected);
    EXPECT_EQ(titles(Form3->ListBox1), expected);
    EXPECT_EQ(titles(Form4->ListBox1), expected);
    EXPECT_EQ(Form2->ListBox1->itemIndex(), 1);
    EXPECT_EQ(Form2->memo2Line(), "Fiche traitée : Fruits d'été");
    EXPECT_EQ(col1(), (QStringList{"apple", "kiwi", "pear"}));
}

TEST_F(Editor, FullTextLeaveDropsTheEdits)
{
    catalogue({{kFruitPath, crlf({"Fruits", "pear", "poire"})}});
    Form2->BitBtn10Click();
    EXPECT_EQ(box.desktop().messages(), QStringList{"Veuillez sélectionner une fiche dans la liste."});
    choose(0);
    Form2->BitBtn10Click();
    Form2->memomodi->setPlainText("gone");
    Form2->StopmodiClick();
    EXPECT_TRUE(Form2->memomodi->isHidden());
    Form2->BitBtn10Click();
    EXPECT_EQ(Form2->memomodi->toPlainText(), "Fruits\npear\npoire\n");
    EXPECT_EQ(box.get(kFruitPath), crlf({"Fruits", "pear", "poire"}));
}

TEST_F(Editor, ExportWritesTheColumnsShown)
{
    catalogue({{kFruitPath, crlf({"Fruits //moi\\\\", "pear", "poire", "apple", "pomme"})}});
    choose(0);
    const QString csv = box.root() + QStringLiteral("/fruits.csv");
    box.desktop().fileAnswers.push_back(csv);
    Form2->BitBtn8Click();
    EXPECT_EQ(box.get(csv), crlf({"Fruits //moi\\\\;", "apple;pomme", "pear;poire"}));
    EXPECT_EQ(box.desktop().count("modal"), 1);
    EXPECT_EQ(box.desktop().records.back().text, "Form11");

    // A file that cannot be written says so, and no notice follows.
    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("disque plein"); });
    box.desktop().fileAnswers.push_back(csv);
    Form2->BitBtn8Click();
    plat::setWriteFailureHook({});
    EXPECT_EQ(box.desktop().count("modal"), 1);
    ASSERT_EQ(box.desktop().messages().size(), 1);
    EXPECT_TRUE(box.desktop().messages().first().startsWith("L'enregistrement a échoué..."));
}

TEST_F(Editor, AFailedSaveIsReported)
{
    catalogue({{kFruitPath, crlf({"Fruits"})}});
    choose(0);
    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("disque plein"); });
    add("apple", "pomme");
    plat::setWriteFailureHook({});
    EXPECT_EQ(box.desktop().count("message"), 1);
    EXPECT_EQ(col1(), QStringList{"apple"});
    EXPECT_EQ(box.get(kFruitPath), crlf({"Fruits"}));
}

TEST_F(Editor, BackgroundDoubleClickListsTheNumberedSheets)
{
    catalogue({{kFruitPath, kFruit}});
    Form2->FormActivate();
    EXPECT_TRUE(titles(Form2->ListBox1).isEmpty());
    EXPECT_TRUE(titles(Form3->ListBox1).isEmpty());
    EXPECT_EQ(Form2->Label3, "0");
    for (int i = 0; i < 5; ++i)
        box.put(QStringLiteral("C:\\Orsiva\\Tavilo !\\fich%1.fic").arg(i), crlf({qPrintable(QStringLiteral("N%1").arg(i))}));
    Form2->FormActivate();
    EXPECT_EQ(titles(Form2->ListBox1), (QStringList{"N0", "N1", "N2", "N3", "N4"}));
    EXPECT_EQ(titles(Form4->ListBox1), (QStringList{"N0", "N1", "N2", "N3", "N4"}));
    EXPECT_EQ(Form2->Label3, "5");
}

TEST_F(Editor, ClosingClearsTheChoiceAndKeepsTheDirection)
{
    catalogue({{kFruitPath, kFruit}});
    choose(0);
    Form2->BitBtn1Click();
    Form2->cl();
    EXPECT_EQ(Form2->ListBox1->itemIndex(), -1);
    EXPECT_TRUE(col1().isEmpty());
    EXPECT_EQ(Form2->Label4->text(), "Vocabulaire français :");
    EXPECT_EQ(Form2->memo2Line(), "Fiche traitée : Fruits //moi\\\\");
    // Terms typed with no sheet chosen touch no file.
    add("kiwi", "kiwi");
    EXPECT_EQ(box.get(kFruitPath), kFruit);
}

namespace {

// Prints to a PDF file instead of a printer.
class PdfDesktop : public plat::ScriptedDesktop {
public:
    QString pdf;

protected:
    bool doChoosePrinter(QPrinter &printer) override
    {
        plat::ScriptedDesktop::doChoosePrinter(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
};

} // namespace

TEST_F(Editor, PrintingAndColumnFonts)
{
    catalogue({{kFruitPath, kFruit}});
    Form2->BitBtn9Click();
    EXPECT_TRUE(box.desktop().records.empty());
    choose(0);
    // A cancelled font still leads to the printer.
    Form2->BitBtn9Click();
    ASSERT_EQ(box.desktop().records.size(), 2u);
    EXPECT_EQ(box.desktop().records[0].kind, "font");
    EXPECT_EQ(box.desktop().records[1].kind, "printer");

    QFont big(QStringLiteral("DejaVu Serif"));
    big.setPixelSize(20);
    box.desktop().fontAnswers.push_back(big);
    Form2->SpeedButton2Click();
    EXPECT_EQ(Form2->ListBox3->font().pixelSize(), 20);
    EXPECT_EQ(Form2->ListBox2->font().pixelSize(), 13);

    auto desktop = std::make_unique<PdfDesktop>();
    desktop->pdf = box.root() + QStringLiteral("/fiche.pdf");
    const QString pdf = desktop->pdf;
    plat::setDesktop(std::move(desktop));
    Form2->BitBtn9Click();
    EXPECT_TRUE(box.get(pdf).startsWith("%PDF"));
}

TEST_F(Editor, NewSheetAsksForAFileThenForItsName)
{
    Form2->Crerunenouvellefiche1Click();
    EXPECT_EQ(box.desktop().count("modal"), 0);
    box.desktop().fileAnswers.push_back(QStringLiteral("C:\\fiches\\neuve.fic"));
    Form2->Crerunenouvellefiche1Click();
    EXPECT_EQ(Form2->SaveDialog1FileName, "C:\\fiches\\neuve.fic");
    ASSERT_EQ(box.desktop().records.size(), 3u);
    EXPECT_EQ(box.desktop().records[1].kind, "save");
    EXPECT_EQ(box.desktop().records[1].detail, "Fiche Tavilo|*.fic");
    EXPECT_EQ(box.desktop().records[2].kind, "modal");
    EXPECT_EQ(box.desktop().records[2].text, "Form9");
}

namespace {

// The controls TAB reaches from a start, in order, as the window's focus
// chain gives them, until it comes back to the start.
QStringList tabCycle(QWidget *start)
{
    QStringList names;
    for (QWidget *w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain()) {
        if (w->isWindow() || !Form2->isAncestorOf(w))
            continue;
        if (w->isVisibleTo(Form2) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            names.append(w->objectName());
    }
    names.append(start->objectName());
    return names;
}

} // namespace

TEST_F(Editor, TabOrderInBothInputModes)
{
    const struct {
        bool mouse;
        QStringList fromEdit1;
    } cases[] = {
        {true, {"Edit2", "BitBtn1", "Edit1"}},
        {false, {"Edit2", "BitBtn1", "BitBtn3", "BitBtn2", "BitBtn4", "BitBtn11", "BitBtn12", "BitBtn13", "ListBox1",
                 "BitBtn10", "BitBtn7", "BitBtn8", "BitBtn9", "BitBtn5", "BitBtn6", "ListBox2", "ListBox3",
                 "Edit1"}},
    };
    for (const auto &c : cases) {
        Form1->applyInputMode(c.mouse, false);
        EXPECT_EQ(tabCycle(Form2->Edit1), c.fromEdit1) << (c.mouse ? "mouse" : "keyboard");
        EXPECT_EQ(Form2->SpeedButton1->isVisibleTo(Form2), c.mouse);
        EXPECT_EQ(Form2->BitBtn12->isVisibleTo(Form2), !c.mouse);
    }
}

TEST_F(Editor, ATitleWithoutCatalogueLineLeavesTheSheetChosenBefore)
{
    // The background double-click lists more titles than the catalogue has
    // lines; choosing such a title reads no sheet and names none, so that a
    // rename or a printout cannot reach the sheet chosen before.
    catalogue({{kFruitPath, kFruit}});
    choose(0);
    for (int i = 0; i < 2; ++i)
        box.put(QStringLiteral("C:\\Orsiva\\Tavilo !\\fich%1.fic").arg(i), crlf({qPrintable(QStringLiteral("N%1").arg(i))}));
    Form2->FormActivate();
    choose(1);
    EXPECT_TRUE(Form2->Label6.isEmpty());
    EXPECT_TRUE(col1().isEmpty());
    EXPECT_FALSE(Form2->sheetLoaded());
    For9->Edit1->setText(QStringLiteral("Renommée"));
    For9->Edit2->clear();
    For9->BitBtn1Click();
    Form2->BitBtn9Click();
    EXPECT_EQ(box.get(kFruitPath), kFruit);
}

TEST_F(Editor, FullTextSaveTakesShiftEnterAsALineEnd)
{
    catalogue({{kFruitPath, crlf({"Fruits", "pear"})}});
    choose(0);
    Form2->BitBtn10Click();
    // At the end of the last line, before its line end.
    Form2->memomodi->moveCursor(QTextCursor::End);
    Form2->memomodi->moveCursor(QTextCursor::PreviousCharacter);
    QKeyEvent shiftEnter(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier, QStringLiteral("\r"));
    QApplication::sendEvent(Form2->memomodi, &shiftEnter);
    Form2->memomodi->insertPlainText(QStringLiteral("poire"));
    Form2->Stopmodi9Click();
    EXPECT_EQ(box.get(kFruitPath), crlf({"Fruits", "pear", "poire"}));
    EXPECT_EQ(col1(), QStringList{"pear"});
}

// A maximised editor on a screen of 800 x 600 shows every control whole: its
// layout never asks for more room than that screen leaves under a title bar.
TEST_F(Editor, FitsASmallScreen)
{
    for (bool mouse : {true, false}) {
        Form1->applyInputMode(mouse, false);
        for (bool fullText : {false, true}) {
            if (fullText) {
                catalogue({{kFruitPath, kFruit}});
                choose(0);
                Form2->BitBtn10Click();
            } else {
                Form2->StopmodiClick();
            }
            const QSize least = Form2->minimumSizeHint().expandedTo(Form2->minimumSize());
            EXPECT_LE(least.width(), 800) << mouse << fullText;
            EXPECT_LE(least.height(), 570) << mouse << fullText;
        }
    }
}

// The full-text area's scroll bars show a handle that stands out from their
// groove and from the white text beside them.
TEST_F(Editor, FullTextScrollBarsShowTheirHandle)
{
    catalogue({{kFruitPath, kFruit}});
    choose(0);
    Form2->resize(800, 570);
    Form2->show();
    const auto meanGrey = [](const QImage &image, const QRect &rect, const QRect &skip) {
        qint64 sum = 0, n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                if (!skip.contains(x, y) && image.rect().contains(x, y)) {
                    sum += qGray(image.pixel(x, y));
                    ++n;
                }
            }
        }
        return n ? int(sum / n) : 255;
    };
    for (int lines : {40, 4000}) {
        Form2->BitBtn10Click();
        Form2->memomodi->setPlainText(QStringLiteral("x\n").repeated(lines) + QString(600, u'w'));
        QApplication::processEvents();
        for (QScrollBar *bar : {Form2->memomodi->verticalScrollBar(), Form2->memomodi->horizontalScrollBar()}) {
            ASSERT_GT(bar->maximum(), 0);
            QStyleOptionSlider opt;
            opt.initFrom(bar);
            opt.subControls = QStyle::SC_All;
            opt.orientation = bar->orientation();
            if (bar->orientation() == Qt::Horizontal)
                opt.state |= QStyle::State_Horizontal;
            opt.minimum = bar->minimum();
            opt.maximum = bar->maximum();
            opt.sliderPosition = opt.sliderValue = bar->value();
            opt.singleStep = bar->singleStep();
            opt.pageStep = bar->pageStep();
            const QRect handle = bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt,
                                                              QStyle::SC_ScrollBarSlider, bar);
            const QRect groove = bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt,
                                                              QStyle::SC_ScrollBarGroove, bar);
            const QImage image = bar->grab().toImage();
            const int inHandle = meanGrey(image, handle.adjusted(4, 4, -4, -4), QRect());
            const int inGroove = meanGrey(image, groove.adjusted(4, 4, -4, -4), handle.adjusted(-2, -2, 2, 2));
            EXPECT_GT(std::min(inGroove, 255) - inHandle, 80)
                << lines << " lines, orientation " << int(bar->orientation()) << ": handle " << inHandle
                << ", groove " << inGroove;
        }
        Form2->StopmodiClick();
    }
    Form2->hide();
}
