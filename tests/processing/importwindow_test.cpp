#include "app/mainwindow.h"
#include "editor/editorwindow.h"
#include "learning/learningwindow.h"
#include "platform/fileio.h"
#include "processing/importdialog.h"
#include "processing/processingwindow.h"
#include "tests/support.h"

#include <QCheckBox>
#include <QComboBox>
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
    EXPECT_EQ(sandbox.get(fic), crlf({"Maison", "Haus", "maison"}));
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
