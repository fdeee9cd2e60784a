#include "tests/editor/editorfixture.h"

#include "editor/paircorrection.h"
#include "editor/termcolumns.h"
#include "editor/termlistview.h"
#include "platform/drivepath.h"
#include "platform/fileio.h"
#include "sheets/titledisplay.h"
#include "sheets/titlelistbox.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

TEST(PairCorrection, APairGoesBackOrChangesInItsPlace)
{
    const struct {
        QStringList lines;
        editor::PlacedPair pair;
        QStringList restored;
        qsizetype at;
    } cases[] = {
        {{"T", "a", "1", "c", "3"}, {2, "b", "2"}, {"T", "a", "1", "b", "2", "c", "3"}, 2},
        {{"T", "a", "1"}, {1, "z", "0"}, {"T", "z", "0", "a", "1"}, 1},
        // Fewer pairs than before: last, before a line without its partner.
        {{"T", "a", "1"}, {5, "b", "2"}, {"T", "a", "1", "b", "2"}, 2},
        {{"T", "a", "1", "lone"}, {4, "b", "2"}, {"T", "a", "1", "b", "2", "lone"}, 2},
        {{"T", "lone"}, {1, "b", "2"}, {"T", "b", "2", "lone"}, 1},
        {{}, {3, "b", "2"}, {"", "b", "2"}, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.restored.join(u' ').toStdString());
        plat::PackedLines lines(c.lines);
        EXPECT_EQ(editor::restorePair(lines, c.pair), c.at);
        EXPECT_EQ(lines.lines(), c.restored);
    }

    plat::PackedLines lines(QStringList{"T", "ovne", "four", "dog", "chien", "lone"});
    editor::replacePair(lines, 1, "oven", "four");
    editor::replacePair(lines, 3, "x", "y"); // no such pair
    EXPECT_EQ(lines.lines(), (QStringList{"T", "oven", "four", "dog", "chien", "lone"}));
    // A pair is found again by its place while it holds its terms, else by its terms.
    EXPECT_EQ(editor::locatePair(lines, {2, "dog", "chien"}), 2);
    EXPECT_EQ(editor::locatePair(lines, {1, "dog", "chien"}), 2);
    EXPECT_EQ(editor::locatePair(lines, {1, "ovne", "four"}), 0);
}

const QString kEnglish = QStringLiteral("C:\\fiches\\anglais.fic");
const QString kGerman = QStringLiteral("C:\\fiches\\allemand.fic");
const QByteArray kEnglishBytes = crlf({"Anglais", "cheese", "fromage", "ovne", "four", "dog", "chien"});
const QByteArray kGermanBytes = crlf({"Allemand", "Hund", "chien"});

class Corrections : public editor_tests::EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        catalogue({{kEnglish, kEnglishBytes}, {kGerman, kGermanBytes}});
    }
    void pick(int row)
    {
        Form2->ListBox2->setItemIndex(row);
        Form2->boxclic();
    }
    int rowOf(const QString &first) const { return int(Form2->columns->firstColumn().indexOf(first)); }
    void enterIn(QWidget *w)
    {
        w->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(Form2->focusWidget(), &enter);
    }
    QStringList entries() const { return {Form2->Edit1->text(), Form2->Edit2->text()}; }
};

// ENTER, wherever the focus is, never puts a pair deleted, replaced or
// typed for another sheet into a sheet: the title list chooses, a column
// takes its row into the entries, an entry adds only what is typed.
TEST_F(Corrections, EnterAddsNothingTheUserDidNotType)
{
    const QByteArray englishWithout = crlf({"Anglais", "ovne", "four", "dog", "chien"});
    const QByteArray englishCorrected = crlf({"Anglais", "cheese", "fromage", "oven", "four", "dog", "chien"});
    const struct {
        const char *after;
        std::function<void()> run;
        QByteArray english;
    } situations[] = {
        {"a delete",
         [this] {
             pick(rowOf("cheese"));
             deleteSelected();
         },
         englishWithout},
        {"a replace",
         [this] {
             pick(rowOf("ovne"));
             Form2->Edit1->setText("oven");
             box.desktop().messageAnswers = {plat::mrYes};
             enterIn(Form2->Edit1);
         },
         englishCorrected},
        {"a delete, then another sheet",
         [this] {
             pick(rowOf("cheese"));
             deleteSelected();
             choose(1);
         },
         englishWithout},
        {"a pick, then another sheet",
         [this] {
             pick(rowOf("cheese"));
             choose(1);
         },
         kEnglishBytes},
    };
    const struct {
        const char *name;
        QWidget *(*widget)();
        bool column;
    } targets[] = {{"Edit1", []() -> QWidget * { return Form2->Edit1; }, false},
                   {"Edit2", []() -> QWidget * { return Form2->Edit2; }, false},
                   {"ListBox1", []() -> QWidget * { return Form2->ListBox1; }, false},
                   {"ListBox2", []() -> QWidget * { return Form2->ListBox2; }, true},
                   {"ListBox3", []() -> QWidget * { return Form2->ListBox3; }, true}};
    Form2->show();
    for (const auto &s : situations) {
        for (const auto &t : targets) {
            SCOPED_TRACE(std::string(s.after) + ", ENTER in " + t.name);
            box.put(kEnglish, kEnglishBytes);
            box.put(kGerman, kGermanBytes);
            choose(0);
            s.run();
            EXPECT_EQ(entries(), (QStringList{"", ""}));
            const int sheet = Form2->ListBox1->itemIndex();
            box.desktop().records.clear();
            enterIn(t.widget());
            enterIn(t.widget()); // a second ENTER neither
            EXPECT_TRUE(box.desktop().messages().isEmpty()) << box.desktop().messages().join("|").toStdString();
            EXPECT_EQ(box.get(kEnglish), s.english);
            EXPECT_EQ(box.get(kGerman), kGermanBytes);
            EXPECT_EQ(Form2->ListBox1->itemIndex(), sheet);
            // A column's row comes into the entries, to be corrected there.
            const int row = Form2->ListBox2->itemIndex();
            if (t.column && row >= 0) {
                EXPECT_EQ(entries(), (QStringList{Form2->columns->first(row), Form2->columns->second(row)}));
                EXPECT_EQ(Form2->focusWidget(), Form2->Edit1);
            } else {
                EXPECT_EQ(entries(), (QStringList{"", ""}));
            }
            Form2->Edit1->clear();
            Form2->Edit2->clear();
        }
    }
    // The title list highlights a sheet not yet chosen: ENTER chooses it, and
    // adds nothing, not even what the entries hold.
    choose(0);
    Form2->Edit1->setText("cheese");
    Form2->Edit2->setText("fromage");
    Form2->ListBox1->setItemIndex(1);
    enterIn(Form2->ListBox1);
    EXPECT_EQ(Form2->Label6, kGerman);
    EXPECT_EQ(Form2->columns->firstColumn(), QStringList{"Hund"});
    EXPECT_EQ(entries(), (QStringList{"", ""}));
    EXPECT_EQ(box.get(kGerman), kGermanBytes);
    // On the sheet already chosen, it adds nothing either.
    Form2->Edit1->setText("Katze");
    Form2->Edit2->setText("chat");
    enterIn(Form2->ListBox1);
    EXPECT_EQ(box.get(kGerman), kGermanBytes);
    EXPECT_EQ(entries(), (QStringList{"Katze", "chat"}));
    Form2->hide();
}

// A pair picked in the columns and corrected in the entries is replaced in
// place after the user's word, in either direction; the file is written as
// for an add, through the one write function.
TEST_F(Corrections, ACorrectedPairIsReplacedInPlace)
{
    const struct {
        const char *name;
        bool reversed;
        const char *picked; // first-column term
        const char *first, *second;
        int answer;
        QString question;
        QByteArray file;
        QStringList column;
    } cases[] = {
        {"foreign typo", false, "ovne", "oven", "four", plat::mrYes, "Remplacer « ovne / four » par « oven / four » ?",
         crlf({"Anglais", "cheese", "fromage", "oven", "four", "dog", "chien"}), {"cheese", "dog", "oven"}},
        {"French first", true, "fromage", "fromage", "chees", plat::mrYes,
         "Remplacer « cheese / fromage » par « chees / fromage » ?",
         crlf({"Anglais", "chees", "fromage", "ovne", "four", "dog", "chien"}), {"chien", "four", "fromage"}},
        {"answered no", false, "ovne", "oven", "four", plat::mrNo, "Remplacer « ovne / four » par « oven / four » ?",
         kEnglishBytes, {"cheese", "dog", "ovne"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        box.put(kEnglish, kEnglishBytes);
        if (Form2->reversed() != c.reversed)
            Form2->BitBtn1Click();
        choose(0);
        pick(rowOf(c.picked));
        Form2->Edit1->setText(c.first);
        Form2->Edit2->setText(c.second);
        box.desktop().records.clear();
        box.desktop().messageAnswers = {c.answer};
        Form2->BitBtn13Click();
        EXPECT_EQ(box.desktop().messages(), QStringList{c.question});
        EXPECT_EQ(box.get(kEnglish), c.file);
        EXPECT_EQ(Form2->columns->firstColumn(), c.column);
        if (c.answer == plat::mrYes) {
            EXPECT_EQ(entries(), (QStringList{"", ""}));
            EXPECT_EQ(Form2->ListBox2->itemIndex(), rowOf(c.first));
            EXPECT_FALSE(Form2->pickedPair());
        } else {
            EXPECT_EQ(entries(), (QStringList{c.first, c.second}));
        }
    }
    if (Form2->reversed())
        Form2->BitBtn1Click();

    // Nothing picked, or a term missing: the button says what it needs.
    choose(1);
    choose(0);
    Form2->Edit1->setText("oven");
    Form2->Edit2->setText("four");
    box.desktop().records.clear();
    Form2->BitBtn13Click();
    pick(rowOf("ovne"));
    Form2->Edit2->clear();
    Form2->BitBtn13Click();
    EXPECT_EQ(box.desktop().messages(),
              (QStringList{"Choisissez d'abord dans les colonnes la paire à remplacer, puis corrigez ses termes dans "
                           "les deux champs.",
                           "Une paire a deux termes : remplissez les deux champs."}));
    EXPECT_EQ(box.get(kEnglish), kEnglishBytes);

    // A failed write leaves the file whole and says so.
    QStringList written;
    plat::setWriteFailureHook([&](const QString &host) {
        written << host;
        return QStringLiteral("disque plein");
    });
    Form2->Edit1->setText("oven");
    Form2->Edit2->setText("four");
    box.desktop().records.clear();
    box.desktop().messageAnswers = {plat::mrYes};
    Form2->BitBtn13Click();
    plat::setWriteFailureHook({});
    EXPECT_EQ(written, QStringList{plat::hostPath(kEnglish)});
    EXPECT_EQ(box.desktop().messages().size(), 2);
    EXPECT_EQ(box.get(kEnglish), kEnglishBytes);
}

// The last pair deleted comes back where it stood in the file, by the menu
// item or Ctrl+Z; once, and only into the sheet it was deleted from.
TEST_F(Corrections, UndoPutsTheLastDeletionBack)
{
    QAction *undo = Form2->Annulerladernieresuppression1;
    EXPECT_EQ(undo->text(), "Annuler la &dernière suppression");
    EXPECT_EQ(Form2->Terme1->actions().value(4), undo);
    EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_FALSE(undo->isEnabled());

    choose(0);
    pick(rowOf("ovne"));
    deleteSelected();
    EXPECT_TRUE(undo->isEnabled());
    add("cat", "chat"); // pairs added since stay after it
    undo->trigger();
    EXPECT_EQ(box.get(kEnglish), crlf({"Anglais", "cheese", "fromage", "ovne", "four", "dog", "chien", "cat", "chat"}));
    EXPECT_EQ(Form2->columns->firstColumn(), (QStringList{"cat", "cheese", "dog", "ovne"}));
    EXPECT_EQ(Form2->ListBox2->itemIndex(), 3);
    EXPECT_FALSE(undo->isEnabled());
    Form2->Annulerladernieresuppression1Click(); // only once
    EXPECT_EQ(Form2->columns->rows(), 4);

    // Another sheet chosen: the deletion stays done.
    pick(rowOf("cheese"));
    deleteSelected();
    choose(1);
    EXPECT_FALSE(undo->isEnabled());
    Form2->Annulerladernieresuppression1Click();
    EXPECT_EQ(box.get(kGerman), kGermanBytes);
    EXPECT_EQ(box.get(kEnglish), crlf({"Anglais", "ovne", "four", "dog", "chien", "cat", "chat"}));

    // A deletion the file never saw is not offered: undone, it would put
    // the pair into the file twice.
    choose(0);
    pick(rowOf("dog"));
    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("disque plein"); });
    deleteSelected();
    plat::setWriteFailureHook({});
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(box.get(kEnglish), crlf({"Anglais", "ovne", "four", "dog", "chien", "cat", "chat"}));

    // Ctrl+Z in an entry undoes its typing while it has some, and reaches
    // the menu otherwise.
    const auto claimed = [](QLineEdit *entry) {
        QKeyEvent key(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
        key.ignore();
        QApplication::sendEvent(entry, &key);
        return key.isAccepted();
    };
    Form2->Edit1->setText(QString());
    EXPECT_FALSE(claimed(Form2->Edit1));
    Form2->Edit1->insert("Hun");
    EXPECT_TRUE(claimed(Form2->Edit1));
}

// Taking a sheet out of the title list asks first; afterwards the list, the
// banner and the columns show no sheet, and a full text typed is saved or
// dropped as on any way out of full-text mode.
TEST_F(Corrections, RemovingASheetAsksAndLeavesNoSheetChosen)
{
    const QString question = QStringLiteral(
        "Supprimer la fiche « Anglais » de la liste des fiches ?\n\nSon fichier n'est pas effacé : il reste sur "
        "le disque et peut être remis dans la liste par « Ajouter une fiche à la liste ».\n\nFichier : %1")
                                 .arg(plat::hostPath(kEnglish));
    const struct {
        const char *name;
        const char *fullText; // typed in full-text mode first, when set
        std::vector<int> answers;
        bool removed;
        QByteArray file;
    } cases[] = {
        {"no", nullptr, {plat::mrNo}, false, kEnglishBytes},
        {"yes", nullptr, {plat::mrYes}, true, kEnglishBytes},
        {"full text saved", "Anglais\ncheese\nfromage", {plat::mrYes, plat::mrYes}, true,
         "Anglais\r\ncheese\r\nfromage"},
        {"full text dropped", "Anglais", {plat::mrYes, plat::mrNo}, true, kEnglishBytes},
        {"full text kept", "Anglais", {plat::mrYes, plat::mrCancel}, false, kEnglishBytes},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Form1->ListBox1.clear();
        Form2->ListBox1->clear();
        catalogue({{kEnglish, kEnglishBytes}, {kGerman, kGermanBytes}});
        choose(0);
        if (c.fullText) {
            Form2->BitBtn10Click();
            Form2->memomodi->selectAll();
            Form2->memomodi->insertPlainText(QString::fromUtf8(c.fullText));
        }
        pick(0);
        box.desktop().records.clear();
        box.desktop().messageAnswers = {c.answers.begin(), c.answers.end()};
        Form2->BitBtn6Click();
        ASSERT_EQ(box.desktop().messages().size(), qsizetype(c.answers.size()));
        EXPECT_EQ(box.desktop().messages().first(), question);
        EXPECT_EQ(box.get(kEnglish), c.file);
        if (!c.removed) {
            EXPECT_EQ(Form1->ListBox1.count(), 2);
            EXPECT_EQ(Form2->ListBox1->itemIndex(), 0);
            EXPECT_EQ(Form2->inFullText(), c.fullText != nullptr);
            Form2->StopmodiClick();
            continue;
        }
        EXPECT_EQ(Form1->ListBox1.lines(), QStringList{kGerman});
        EXPECT_EQ(sheets::listLines(Form2->ListBox1), QStringList{"Allemand"});
        EXPECT_EQ(Form2->ListBox1->itemIndex(), -1);
        EXPECT_EQ(Form2->memo2Line(), "Fiche traitée : pas de fiche sélectionnée");
        EXPECT_EQ(Form2->columns->rows(), 0);
        EXPECT_EQ(entries(), (QStringList{"", ""}));
        EXPECT_FALSE(Form2->inFullText());
        // A pair typed now goes to no file.
        add("bread", "pain");
        EXPECT_EQ(box.get(kEnglish), c.file);
        EXPECT_EQ(box.get(kGerman), kGermanBytes);
        box.put(kEnglish, kEnglishBytes);
    }
}

// Escape in full-text mode leaves that mode, after the usual question, and
// the editor stays open.
TEST_F(Corrections, EscapeLeavesFullTextOnly)
{
    const struct {
        int answer; // 0: nothing typed, no question
        bool fullText;
        QByteArray file;
    } cases[] = {
        {0, false, kGermanBytes},
        {plat::mrYes, false, "Allemand\r\nHund\r\nchien\r\nKatze\r\nchat"},
        {plat::mrNo, false, kGermanBytes},
        {plat::mrCancel, true, kGermanBytes},
    };
    Form2->show();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer);
        box.put(kGerman, kGermanBytes);
        choose(1);
        Form2->BitBtn10Click();
        if (c.answer) {
            Form2->memomodi->selectAll();
            Form2->memomodi->insertPlainText("Allemand\nHund\nchien\nKatze\nchat");
        }
        box.desktop().records.clear();
        box.desktop().messageAnswers = {c.answer};
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(Form2->memomodi, &esc);
        EXPECT_EQ(box.desktop().messages().size(), c.answer ? 1 : 0);
        EXPECT_TRUE(Form2->isVisible());
        EXPECT_EQ(Form2->inFullText(), c.fullText);
        EXPECT_EQ(box.get(kGerman), c.file);
        Form2->StopmodiClick();
    }
    Form2->hide();
}

// Each opening of the editor starts on the title list, whatever had the
// focus when it closed.
TEST_F(Corrections, EveryOpeningStartsOnTheTitleList)
{
    for (QWidget *last : std::initializer_list<QWidget *>{Form2->memomodi, Form2->Edit2, Form2->ListBox3}) {
        SCOPED_TRACE(last->objectName().toStdString());
        Form2->show();
        choose(0);
        Form2->BitBtn10Click();
        if (last != Form2->memomodi)
            Form2->StopmodiClick();
        last->setFocus();
        Form2->cl();
        EXPECT_FALSE(Form2->isVisible());
        Form2->show();
        EXPECT_EQ(Form2->focusWidget(), Form2->ListBox1);
        Form2->hide();
    }
}

} // namespace
