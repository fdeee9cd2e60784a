#include "app/mainwindow.h"
#include "app/windowset.h"
#include "editor/editorwindow.h"
#include "editor/namingdialog.h"
#include "editor/titledialog.h"
#include "editor/titleline.h"
#include "learning/learningwindow.h"
#include "platform/fileio.h"
#include "sheets/titlelistbox.h"
#include "testing/testwindow.h"
#include "tests/support.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>
#include <functional>

namespace {

TEST(TitleLine, BuiltFromNameAndInformation)
{
    struct Case {
        const char *name;
        const char *information;
        const char *newSheet;
        const char *renamed;
    };
    const Case cases[] = {
        {"Verbes", "typed in class", "Verbes //typed in class\\\\", "Verbes //typed in class\\\\"},
        {"Verbes", "", "Verbes //\\\\", "Verbes"},
        {"", "", " //\\\\", ""},
        // Markers typed in an entry are written as they stand.
        {"a //b", "c\\\\d", "a //b //c\\\\d\\\\", "a //b //c\\\\d\\\\"},
    };
    for (const Case &c : cases) {
        const QString name = QString::fromUtf8(c.name);
        const QString info = QString::fromUtf8(c.information);
        EXPECT_EQ(editor::newSheetTitle(name, info), QString::fromUtf8(c.newSheet)) << c.name;
        EXPECT_EQ(editor::renamedTitle(name, info), QString::fromUtf8(c.renamed)) << c.name;
    }
}

TEST(TitleLine, EntriesOfATitle)
{
    struct Case {
        const char *line;
        const char *name;
        const char *information;
    };
    const Case cases[] = {
        {"Verbes //typed in class\\\\", "Verbes", "typed in class"},
        {"Verbes //typed in class", "Verbes", ""},
        {"Verbes irréguliers", "Verbes irréguliers", ""},
        {" //\\\\", "", ""},
        {"", "", ""},
        // A "\\" inside the name leaves the information empty.
        {"a\\\\b //note\\\\", "a\\\\b", ""},
        {"a //b //c\\\\", "a", "b //c"},
    };
    for (const Case &c : cases) {
        const editor::TitleEntries e = editor::titleEntries(QString::fromUtf8(c.line));
        EXPECT_EQ(e.name, QString::fromUtf8(c.name)) << c.line;
        EXPECT_EQ(e.information, QString::fromUtf8(c.information)) << c.line;
    }
}

} // namespace

// ---- The dialogs in the window set -------------------------------------

namespace {

using testing_support::crlf;

const QStringList kCreationFailure = {
    QStringLiteral("Tavilo a rencontré une erreur inattendue. Il se pourrait que la nouvelle fiche ait mal été créée. "),
    QStringLiteral("Ceci est une procédure de secours, veuillez prendre des notes sur ce qui suit."),
    QStringLiteral("Si c'était le cas, veuillez créer directement à partir de Windows un fichier se terminant par *.fic."),
    QStringLiteral("Ouvrez-le dans le Bloc-notes (aussi appelé Notepad) et mettez un titre dans la première ligne puis enregistrez et ajoutez la fiche ainsi créée dans la liste des fiches."),
    QStringLiteral("Tavilo ! va maintenant être arrêté."),
};

const QStringList kRenameFailure = {
    QStringLiteral("Tavilo a rencontré une erreur inattendue. Il se pourrait que la fiche soit endommagée. "),
    QStringLiteral("Ceci est une procédure de secours, veuillez prendre des notes sur ce qui suit."),
    QStringLiteral("Si c'était le cas, veuillez ouvrir directement à partir de Windows la fiche dont voulez changer"),
    QStringLiteral("le titre dans le Bloc-notes (aussi appelé Notepad), modifiez le titre, puis enregistrez."),
    QStringLiteral("Tavilo va maintenant être arrêté."),
};

const QString kCatalogue = QStringLiteral("C:\\windows\\BRNlist.ini");

// Sheet bytes as the program writes them: Windows-1252, CR LF after each line.
QByteArray ansi(std::initializer_list<const char *> utf8Lines)
{
    return QString::fromUtf8(crlf(utf8Lines)).toLatin1();
}

// Two catalogued sheets, listed in the three title lists, the second one
// chosen in the editor as a click on its title leaves it.
class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        createWindowSet();
        prepare();
    }
    void TearDown() override { destroyWindowSet(); }

    // A fresh window set over the same drive, for the next case of a table.
    void renew()
    {
        destroyWindowSet();
        createWindowSet();
        prepare();
    }

    void prepare()
    {
        box.desktop().records.clear();
        box.desktop().terminated = false;
        plat::setWriteFailureHook({});
        first = box.root() + QStringLiteral("/animaux.fic");
        second = box.root() + QStringLiteral("/verbes.txt");
        box.put(first, crlf({"Animaux //vus en cours\\\\", "dog", "chien"}));
        box.put(second, ansi({"Verbes irréguliers", "to be", "être", "to go", "aller"}));
        catalogueBytes = (first + QStringLiteral("\r\n") + second + QStringLiteral("\r\n")).toUtf8();
        box.put(kCatalogue, catalogueBytes);
        Form1->ListBox1.setLines({first, second});
        titles = {QStringLiteral("Animaux //vus en cours\\\\"), QStringLiteral("Verbes irréguliers")};
        for (QListWidget *list : titleLists())
            sheets::setListLines(list, titles);
    }

    // What a click on the second title does before its double-click opens
    // the title dialog.
    void chooseSecond()
    {
        sheets::selectRow(Form2->ListBox1, 1);
        Form2->ListBox1Click();
    }

    static std::vector<QListWidget *> titleLists()
    {
        return {Form2->ListBox1, Form3->ListBox1, Form4->ListBox1};
    }

    // Nothing of the catalogue, its file or the title lists changed.
    void expectCatalogueUntouched()
    {
        EXPECT_EQ(box.get(kCatalogue), catalogueBytes);
        EXPECT_EQ(Form1->ListBox1.lines(), QStringList({first, second}));
        for (QListWidget *list : titleLists())
            EXPECT_EQ(sheets::listLines(list), titles) << list->window()->objectName().toStdString();
    }

    testing_support::Sandbox box;
    QString first;
    QString second;
    QByteArray catalogueBytes;
    QStringList titles;
};

TEST_F(DialogsTest, NewSheetIsWrittenListedAndCatalogued)
{
    struct Case {
        const char *information;
        QByteArray file;
    };
    const Case cases[] = {
        {"typed in class", "Verbes //typed in class\\\\\r\n"},
        {"", "Verbes //\\\\\r\n"},
    };
    for (const Case &c : cases) {
        renew();
        chooseSecond();
        const QString path = box.root() + QStringLiteral("/nouvelle.fic");
        Form2->SaveDialog1FileName = path;
        const QString title = QString::fromLatin1(c.file.chopped(2));
        box.desktop().modalActions.push_back([&](plat::Form *) {
            Form9->Edit1->setText(QStringLiteral("Verbes"));
            Form9->Edit2->setText(QString::fromUtf8(c.information));
            Form9->BitBtn1->click();
            return Form9->result();
        });
        EXPECT_EQ(plat::desktop().showModal(Form9), plat::mrOk);

        EXPECT_EQ(box.get(path), c.file) << c.information;
        for (QListWidget *list : titleLists())
            EXPECT_EQ(sheets::listLines(list), titles + QStringList{title});
        EXPECT_EQ(box.get(kCatalogue), catalogueBytes + path.toUtf8() + "\r\n");
        EXPECT_EQ(Form1->ListBox1.lines().constLast(), path);
        EXPECT_EQ(Form2->Memo1.lines(), QStringList{title});
        // The new sheet is not chosen: the selection and the working lines
        // still belong to the sheet chosen before.
        EXPECT_EQ(sheets::selectedRow(Form2->ListBox1), 1);
        EXPECT_EQ(Form2->ListBox5.memoLine(0), QStringLiteral("Verbes irréguliers"));
        // The entries keep their texts for the next sheet.
        EXPECT_EQ(Form9->Edit1->text(), QStringLiteral("Verbes"));
        EXPECT_TRUE(box.desktop().messages().isEmpty());
    }
}

TEST_F(DialogsTest, FailedCreationShowsTheRescueStepsAndLeavesNothingBehind)
{
    struct Case {
        bool sheetWriteFails; // otherwise the catalogue's write fails
        bool replacesExistingFile;
    };
    const Case cases[] = {{true, false}, {true, true}, {false, false}, {false, true}};
    int n = 0;
    for (const Case &c : cases) {
        renew();
        const QString name = QStringLiteral("nouvelle%1.fic").arg(++n);
        const QString path = box.root() + QLatin1Char('/') + name;
        if (c.replacesExistingFile)
            box.put(path, crlf({"Ancienne", "cat", "chat"}));
        const QByteArray before = box.get(path);
        Form2->SaveDialog1FileName = path;
        const QString failing = c.sheetWriteFails ? name : QStringLiteral("BRNlist.ini");
        plat::setWriteFailureHook([failing](const QString &host) {
            return host.endsWith(failing, Qt::CaseInsensitive) ? QStringLiteral("Disque plein.")
                                                               : QString();
        });
        Form9->Edit1->setText(QStringLiteral("Verbes"));
        Form9->BitBtn1Click();

        EXPECT_EQ(box.desktop().messages(), kCreationFailure) << n;
        EXPECT_TRUE(box.desktop().terminated);
        EXPECT_EQ(box.exists(path), c.replacesExistingFile) << n;
        EXPECT_EQ(box.get(path), before) << n;
        expectCatalogueUntouched();
    }
}

TEST_F(DialogsTest, RenamingRewritesTheTitleLineOnly)
{
    struct Case {
        const char *oldTitle;
        const char *shownName;
        const char *shownInformation;
        const char *newName;
        const char *newInformation;
        const char *written;
        const char *banner;
    };
    const Case cases[] = {
        {"Verbes irréguliers", "Verbes irréguliers", "", "Verbes forts", "", "Verbes forts",
         "Fiche traitée : Verbes forts //\\\\"},
        {"Verbes irréguliers //de Paul\\\\", "Verbes irréguliers", "de Paul", "Verbes",
         "revu en mai", "Verbes //revu en mai\\\\", "Fiche traitée : Verbes //revu en mai\\\\"},
        {"Verbes //sans fin", "Verbes", "", "Verbes", "v2", "Verbes //v2\\\\",
         "Fiche traitée : Verbes //v2\\\\"},
    };
    for (const Case &c : cases) {
        renew();
        const QString oldTitle = QString::fromUtf8(c.oldTitle);
        box.put(second, ansi({c.oldTitle, "to be", "être", "to go", "aller"}));
        titles[1] = oldTitle;
        for (QListWidget *list : titleLists())
            sheets::setListLines(list, titles);
        chooseSecond();
        box.desktop().modalActions.push_back([&](plat::Form *) {
            EXPECT_EQ(For9->Edit1->text(), QString::fromUtf8(c.shownName));
            EXPECT_EQ(For9->Edit2->text(), QString::fromUtf8(c.shownInformation));
            For9->Edit1->setText(QString::fromUtf8(c.newName));
            For9->Edit2->setText(QString::fromUtf8(c.newInformation));
            For9->BitBtn1->click();
            return For9->result();
        });
        EXPECT_EQ(plat::desktop().showModal(For9), plat::mrOk);

        const QString written = QString::fromUtf8(c.written);
        EXPECT_EQ(box.get(second), ansi({c.written, "to be", "être", "to go", "aller"}));
        for (QListWidget *list : titleLists())
            EXPECT_EQ(sheets::listLines(list), QStringList({titles[0], written}));
        EXPECT_EQ(sheets::selectedRow(Form2->ListBox1), 1);
        // Later term edits save the working lines: they carry the new title.
        EXPECT_EQ(Form2->ListBox5.memoLine(0), written);
        EXPECT_EQ(Form2->Memo1, Form2->ListBox5);
        EXPECT_EQ(Form2->Label2Caption, QString::fromUtf8(c.banner));
        EXPECT_EQ(box.get(kCatalogue), catalogueBytes);
        EXPECT_TRUE(box.desktop().messages().isEmpty());
    }
}

TEST_F(DialogsTest, CancelAndRefusalChangeNothing)
{
    const QByteArray sheetBefore = box.get(second);
    chooseSecond();
    box.desktop().modalActions.push_back([](plat::Form *) {
        For9->Edit1->setText(QStringLiteral("Autre chose"));
        For9->BitBtn2->click();
        return For9->result();
    });
    EXPECT_EQ(plat::desktop().showModal(For9), plat::mrCancel);
    EXPECT_EQ(box.get(second), sheetBefore);
    expectCatalogueUntouched();
    EXPECT_TRUE(box.desktop().messages().isEmpty());

    // Without a chosen title the dialog says how to open it, once, and closes.
    sheets::selectRow(Form2->ListBox1, -1);
    plat::desktop().showModal(For9);
    EXPECT_EQ(box.desktop().messages(),
              QStringList{QStringLiteral("Veuillez double-cliquer sur une fiche dans la liste pour modifier son titre.")});
    EXPECT_EQ(For9->result(), plat::mrCancel);
    EXPECT_EQ(box.get(second), sheetBefore);
    expectCatalogueUntouched();
}

TEST_F(DialogsTest, FailedRenameShowsTheRescueStepsAndKeepsTheSheet)
{
    chooseSecond();
    const QByteArray sheetBefore = box.get(second);
    plat::setWriteFailureHook([](const QString &host) {
        return host.endsWith(QStringLiteral("verbes.txt")) ? QStringLiteral("Disque plein.") : QString();
    });
    plat::desktop().showModal(For9);
    For9->Edit1->setText(QStringLiteral("Verbes forts"));
    For9->BitBtn1Click();

    EXPECT_EQ(box.desktop().messages(), kRenameFailure);
    EXPECT_TRUE(box.desktop().terminated);
    EXPECT_EQ(box.get(second), sheetBefore);
    expectCatalogueUntouched();
    EXPECT_EQ(Form2->ListBox5.memoLine(0), QStringLiteral("Verbes irréguliers"));
}

TEST_F(DialogsTest, RenamingASheetWithoutLines)
{
    // An empty file gets its title line.
    box.put(second, QByteArray());
    chooseSecond();
    For9->Edit1->setText(QStringLiteral("Vide"));
    For9->Edit2->clear();
    For9->BitBtn1Click();
    EXPECT_EQ(box.get(second), crlf({"Vide"}));
    EXPECT_EQ(Form2->ListBox1->item(1)->text(), QStringLiteral("Vide"));
    EXPECT_FALSE(box.desktop().terminated);

    // A file that is not there is written afresh under the new title; one
    // that is there but cannot be read is never replaced by a title alone.
    // Neither ends the program.
    const struct {
        const char *name;
        std::function<void()> spoil;
        bool recreated;
    } cases[] = {
        {"deleted", [this] { plat::deleteFile(second); }, true},
        {"a folder", [this] { plat::deleteFile(second); QDir().mkpath(second); }, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        renew();
        c.spoil();
        chooseSecond();
        ASSERT_EQ(box.desktop().messages().size(), 1);
        For9->Edit1->setText(QStringLiteral("Vide"));
        For9->Edit2->clear();
        For9->BitBtn1Click();
        EXPECT_FALSE(box.desktop().terminated);
        EXPECT_EQ(For9->result(), c.recreated ? plat::mrOk : plat::mrCancel);
        if (c.recreated) {
            EXPECT_EQ(box.get(second), crlf({"Vide"}));
            EXPECT_EQ(Form4->ListBox1->item(1)->text(), QStringLiteral("Vide"));
            EXPECT_EQ(box.desktop().messages().size(), 1);
        } else {
            EXPECT_TRUE(QFileInfo(second).isDir());
            EXPECT_EQ(box.desktop().messages().size(), 2);
            EXPECT_TRUE(box.desktop().messages().last().startsWith(
                QStringLiteral("La fiche n'a pas été modifiée")));
            expectCatalogueUntouched();
        }
        QDir(second).removeRecursively();
    }
}

} // namespace
