#include "app/mainwindow.h"
#include "editor/editorwindow.h"
#include "learning/learningwindow.h"
#include "learning/pronunciation.h"
#include "learning/speakingrules.h"
#include "platform/drivepath.h"
#include "platform/fileio.h"
#include "processing/importdialog.h"
#include "processing/processingwindow.h"
#include "tests/support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

const QString kCatalogue = QStringLiteral("C:\\windows\\BRNlist.ini");

class ImportWindow : public testing_support::QuietWindowSet {
protected:
    QString put(const QString &name, const QByteArray &bytes) { return sandbox.putHostFile(name, bytes); }
    // Imports with the open and save dialogs answered; returns the messages.
    QStringList import(const QString &source, const std::optional<QString> &target)
    {
        sandbox.desktop().records.clear();
        sandbox.desktop().fileAnswers = {source, target};
        Form15->BitBtn5Click();
        return sandbox.desktop().messages();
    }
};

const QByteArray kThreeLanguages =
    "<kvtml version=\"2.0\"><information><title>Maison</title></information><identifiers>"
    "<identifier id=\"0\"><name>English</name><locale>en</locale></identifier>"
    "<identifier id=\"1\"><name>Deutsch</name><locale>de</locale></identifier>"
    "<identifier id=\"2\"><name>Fran\xc3\xa7" "ais</name><locale>fr</locale></identifier></identifiers><entries>"
    "<entry id=\"0\"><translation id=\"0\"><text>house</text></translation><translation id=\"1\"><text>Haus"
    "</text></translation><translation id=\"2\"><text>maison</text></translation></entry>"
    "<entry id=\"1\"><translation id=\"0\"><text>door</text></translation><translation id=\"2\"><text>porte"
    "</text></translation></entry></entries></kvtml>";

} // namespace

TEST_F(ImportWindow, ImportsAListAndCataloguesItsSheet)
{
    const QString csv = put("liste.csv", "house;maison\r\n;\r\ndog;chien\r\n");
    const QString fic = sandbox.root() + "/liste.fic";
    const QStringList messages = import(csv, fic);
    EXPECT_EQ(sandbox.get(fic), crlf({"liste", "house", "maison", "dog", "chien"}));
    EXPECT_EQ(sandbox.get(kCatalogue), crlf({fic.toUtf8().constData()}));
    EXPECT_EQ(Form1->ListBox1.lines(), QStringList{fic});
    ASSERT_EQ(Form2->ListBox1->count(), 1);
    EXPECT_EQ(Form2->ListBox1->item(0)->text(), "liste");
    EXPECT_EQ(Form3->ListBox1->count(), 1);
    EXPECT_EQ(messages, QStringList{"La fiche « liste » a été créée et ajoutée à la liste des fiches.\n"
                                    "2 paires importées.\n1 entrée ignorée : 1 vide."});
    EXPECT_EQ(sandbox.desktop().count("modal"), 0);
}

TEST_F(ImportWindow, TheColumnDialogChoosesAndPreviews)
{
    const QString kvtml = put("maison.kvtml", kThreeLanguages);
    const QString fic = sandbox.root() + "/maison.fic";
    sandbox.desktop().modalActions.push_back([](plat::Form *form) {
        auto *dialog = qobject_cast<ImportColumnsDialog *>(form);
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return int(plat::mrCancel);
        EXPECT_TRUE(dialog->HeaderRow->isHidden());
        EXPECT_EQ(dialog->ForeignColumn->currentText(), "English (en)");
        EXPECT_EQ(dialog->FrenchColumn->currentText(), "Français (fr)");
        EXPECT_EQ(dialog->Preview->item(0, 0)->text(), "house");
        EXPECT_EQ(dialog->Preview->item(1, 1)->text(), "porte");
        dialog->FrenchColumn->setCurrentIndex(0);
        EXPECT_FALSE(dialog->ImportButton->isEnabled());
        EXPECT_EQ(dialog->Problem->text(), "Choisissez deux colonnes différentes.");
        dialog->FrenchColumn->setCurrentIndex(2);
        dialog->ForeignColumn->setCurrentIndex(1);
        EXPECT_TRUE(dialog->ImportButton->isEnabled());
        EXPECT_EQ(dialog->Preview->item(0, 0)->text(), "Haus");
        EXPECT_EQ(dialog->Preview->item(1, 0)->text(), "");
        return int(plat::mrOk);
    });
    const QStringList messages = import(kvtml, fic);
    EXPECT_EQ(sandbox.get(fic), crlf({"Maison //Allemand\\\\", "Haus", "maison"}));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].endsWith("1 paire importée.\n1 entrée ignorée : 1 sans traduction.")) << messages[0].toStdString();

    // Cancelled, the dialog leads to nothing more.
    sandbox.desktop().modalActions.push_back([](plat::Form *) { return int(plat::mrCancel); });
    const QString other = sandbox.root() + "/autre.fic";
    EXPECT_TRUE(import(kvtml, other).isEmpty());
    EXPECT_EQ(sandbox.desktop().count("save"), 0);
    EXPECT_FALSE(sandbox.exists(other));
}

TEST_F(ImportWindow, RefusalsWriteNothing)
{
    const QString fic = sandbox.root() + "/sortie.fic";
    const struct {
        const char *file;
        QByteArray bytes;
        const char *message;
    } cases[] = {
        {"abimee.kvtml", "<kvtml><e><o>a</o><t>b", "Impossible d'importer « abimee.kvtml ».\nLe document est incomplet"},
        {"faux.kvtml", "house;maison\n", "Impossible d'importer « faux.kvtml ».\nCe fichier n'est pas un document XML"},
        {"image.csv", QByteArray("\x89PNG\0\0", 6), "Impossible d'importer « image.csv ».\nCe fichier n'est pas un texte"},
        {"vide.csv", "a;\r\n;b\r\n", "Aucune paire à importer : rien n'a été enregistré.\n2 entrées ignorées : 2 sans traduction."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const QStringList messages = import(put(c.file, c.bytes), fic);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8(c.message))) << messages[0].toStdString();
        EXPECT_EQ(sandbox.desktop().count("save"), 0);
    }

    // The list itself is never replaced by its sheet.
    const QString txt = put("liste.txt", "a\tb\n");
    EXPECT_TRUE(import(txt, txt).value(0).startsWith("La fiche ne peut pas remplacer la liste"));
    EXPECT_EQ(sandbox.get(txt), "a\tb\n");

    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("disque plein"); });
    const QStringList failed = import(txt, fic);
    plat::setWriteFailureHook({});
    EXPECT_TRUE(failed.value(0).startsWith("Erreur : Impossible de sauver la fiche à l'endroit désiré.\n"));
    EXPECT_FALSE(sandbox.exists(fic));
    EXPECT_EQ(Form2->ListBox1->count(), 0);
    EXPECT_TRUE(Form1->ListBox1.isEmpty());
}

TEST_F(ImportWindow, TheImportComesLastInTheTabOrder)
{
    EXPECT_EQ(Form15->BitBtn3->nextInFocusChain(), Form15->BitBtn5);
    EXPECT_EQ(Form15->BitBtn4->nextInFocusChain(), Form15->BitBtn3);
}

namespace {

// The widgets TAB reaches in the dialog, in order.
QList<QWidget *> tabChain(QWidget *dialog)
{
    QList<QWidget *> chain;
    for (QWidget *w = dialog->nextInFocusChain(); w != dialog; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(dialog) && w->isEnabled())
            chain.append(w);
    return chain;
}

void pressEnter(QWidget *w)
{
    w->setFocus();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w, &key);
}

} // namespace

// TAB goes from the choices to the buttons, never into the preview it could
// not leave; Enter presses "Importer", or the button that has the focus.
TEST_F(ImportWindow, TheColumnDialogKeepsTheKeyboardMoving)
{
    const struct {
        const char *file;
        QByteArray bytes;
        bool header;
        const char *focused; // where Enter is pressed
        int result;
    } cases[] = {
        {"maison.kvtml", kThreeLanguages, false, "FrenchColumn", plat::mrOk},
        {"liste.csv", "English;French;Deutsch\nhouse;maison;Haus\n", true, "HeaderRow", plat::mrOk},
        {"liste.csv", "English;French;Deutsch\nhouse;maison;Haus\n", true, "CancelButton", plat::mrCancel},
        {"liste.csv", "English;French;Deutsch\nhouse;maison;Haus\n", true, "same columns", plat::mrNone},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.focused);
        int result = -1;
        sandbox.desktop().modalActions.push_back([&](plat::Form *form) {
            auto *dialog = qobject_cast<ImportColumnsDialog *>(form);
            if (!dialog)
                return int(plat::mrCancel);
            QList<QWidget *> expected{dialog->ForeignColumn, dialog->FrenchColumn};
            if (c.header)
                expected.append(dialog->HeaderRow);
            expected << dialog->ImportButton << dialog->CancelButton;
            EXPECT_EQ(tabChain(dialog), expected);
            EXPECT_TRUE(dialog->ImportButton->isDefault());
            QWidget *focused = dialog->findChild<QWidget *>(c.focused);
            if (!focused) { // "Importer" cannot import one column into itself
                dialog->FrenchColumn->setCurrentIndex(dialog->ForeignColumn->currentIndex());
                focused = dialog->FrenchColumn;
            }
            dialog->setResult(plat::mrNone);
            pressEnter(focused);
            result = dialog->result();
            return int(plat::mrCancel);
        });
        import(put(c.file, c.bytes), std::nullopt);
        EXPECT_EQ(result, c.result);
    }
}

// The language of the column chosen for the foreign terms is the sheet's:
// named in its title and remembered for its voice, which the learning
// window's list then shows. The save dialog opens among the other sheets,
// under the document's title.
TEST_F(ImportWindow, TheSheetKeepsTheLanguageChosen)
{
    const QByteArray threeLanguages =
        "<kvtml version=\"2.0\"><information><title>Espagnol / italien : animaux</title></information>"
        "<identifiers><identifier id=\"0\"><name>Espa\xc3\xb1ol</name><locale>es</locale></identifier>"
        "<identifier id=\"1\"><name>Italiano</name><locale>it_IT</locale></identifier>"
        "<identifier id=\"2\"><name>Fran\xc3\xa7" "ais</name><locale>fr</locale></identifier></identifiers>"
        "<entries><entry><translation id=\"0\"><text>perro</text></translation><translation id=\"1\"><text>cane"
        "</text></translation><translation id=\"2\"><text>chien</text></translation></entry></entries></kvtml>";
    const struct {
        const char *file;
        QByteArray bytes;
        int foreign;
        const char *title, *proposed, *code;
    } cases[] = {
        {"animaux.kvtml", threeLanguages, 1, "Espagnol / italien : animaux //Italien\\\\",
         "Espagnol italien animaux.fic", "it"},
        {"animaux.kvtml", threeLanguages, 0, "Espagnol / italien : animaux", "Espagnol italien animaux.fic", "es"},
        {"mots.csv", "Anglais;Fran\xc3\xa7" "ais\ndog;chien\n", 0, "mots //Anglais\\\\", "mots.fic", "en"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.title);
        sandbox.desktop().modalActions.push_back([&](plat::Form *form) {
            auto *dialog = qobject_cast<ImportColumnsDialog *>(form);
            if (!dialog)
                return int(plat::mrCancel);
            dialog->ForeignColumn->setCurrentIndex(c.foreign);
            return int(plat::mrOk);
        });
        sandbox.desktop().fileRequests.clear();
        const QString fic = sandbox.root() + "/" + c.code + ".fic";
        import(put(c.file, c.bytes), fic);
        const QString title = QString::fromUtf8(c.title);
        EXPECT_TRUE(sandbox.get(fic).startsWith(title.toUtf8() + "\r\n"));
        ASSERT_EQ(sandbox.desktop().fileRequests.size(), 2u);
        EXPECT_EQ(sandbox.desktop().fileRequests[1].initialDir, "C:\\Orsiva\\Tavilo !\\");
        EXPECT_EQ(sandbox.desktop().fileRequests[1].fileName, QString::fromUtf8(c.proposed));
        const sheets::Language *remembered = learning::VoiceChoices::load().languageOf(fic);
        EXPECT_EQ(remembered ? remembered->code : QString(), c.code);
        learning::LanguageBox box(QStringLiteral("Langue"), nullptr);
        box.setSheet(fic, title);
        ASSERT_NE(box.language(), nullptr);
        EXPECT_EQ(box.language()->voice.language(), QLocale(QString::fromLatin1(c.code)).language());
    }
}

// A sheet written whose listing or voice cannot be saved is told in one
// message that says so, never as a plain success.
TEST_F(ImportWindow, OneTrueMessageWhenTheListCannotBeSaved)
{
    const struct {
        const char *folderInstead; // a file replaced by a folder
        const char *message;
    } cases[] = {
        {"C:\\windows\\BRNlist.ini",
         "La fiche « liste » a été créée, mais la liste des fiches n'a pas pu être enregistrée : la fiche n'y "
         "figure que jusqu'à la fermeture de Tavilo.\n"},
        {"C:\\windows\\tavilo-voix.ini",
         "La fiche « liste » a été créée et ajoutée à la liste des fiches.\nLa langue de ses termes étrangers "
         "(Anglais) n'a pas pu être retenue pour leur prononciation : choisissez-la dans la fenêtre "
         "d'apprentissage.\n1 paire importée."},
    };
    int n = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.folderInstead);
        QFile::remove(plat::hostPath(QString::fromLatin1(c.folderInstead)));
        ASSERT_TRUE(QDir().mkpath(plat::hostPath(QString::fromLatin1(c.folderInstead))));
        const QString fic = sandbox.root() + QStringLiteral("/liste%1.fic").arg(++n);
        sandbox.desktop().modalActions.push_back([](plat::Form *) { return int(plat::mrOk); });
        const QStringList messages = import(put("liste.csv", "English;French\nhouse;maison\n"), fic);
        ASSERT_EQ(messages.size(), 1) << messages.join("|").toStdString();
        EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8(c.message))) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].endsWith("1 paire importée.")) << messages[0].toStdString();
        EXPECT_TRUE(sandbox.exists(fic));
        QDir(plat::hostPath(QString::fromLatin1(c.folderInstead))).removeRecursively();
    }
}
