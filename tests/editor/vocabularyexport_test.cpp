#include "editor/editorwindow.h"
#include "interchange/vocabularytable.h"
#include "platform/fileio.h"
#include "platform/linelist.h"
#include "tests/editor/editorfixture.h"

#include <QMenu>
#include <memory>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

class VocabularyExport : public editor_tests::EditorFixture {};

const QString kPath = QStringLiteral("C:\\Orsiva\\Tavilo !\\fruits.fic");

} // namespace

TEST_F(VocabularyExport, ExportsComeBackAsTheSheetsPairs)
{
    const QStringList lines = {"Anglais //moi\\\\", "pear", "poire", "apple", "pomme", "#1 \"top\"", "le\tmeilleur"};
    QByteArray bytes;
    for (const QString &l : lines)
        bytes += l.toUtf8() + "\r\n";
    catalogue({{kPath, bytes}});
    choose(0);
    Form2->BitBtn1Click(); // the columns show French first; the export does not follow
    const struct {
        const char *file;
        void (TForm2::*handler)();
        QString titleLine;
    } cases[] = {{"/fruits.kvtml", &TForm2::Exporterkvtml1Click, lines[0]},
                 {"/fruits.txt", &TForm2::Exportertabule1Click, "Anglais"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        box.desktop().records.clear();
        const QString out = box.root() + c.file;
        box.desktop().fileAnswers.push_back(out);
        (Form2->*c.handler)();
        EXPECT_EQ(box.desktop().messages(), QStringList{"La fiche a été exportée : 3 paires."});
        const interchange::VocabularyTable table = interchange::readVocabulary(box.get(out));
        const interchange::ImportedSheet back = interchange::buildSheet(table, interchange::defaultChoice(table), "x");
        QStringList expected = lines;
        expected[0] = c.titleLine;
        EXPECT_EQ(plat::LineList::parseText(back.text), expected);
    }
    // Nothing is written over when the write fails.
    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("disque plein"); });
    box.desktop().records.clear();
    box.desktop().fileAnswers.push_back(box.root() + "/autre.txt");
    Form2->Exportertabule1Click();
    plat::setWriteFailureHook({});
    EXPECT_TRUE(box.desktop().messages().value(0).startsWith("L'enregistrement a échoué..."));
    EXPECT_FALSE(box.exists(box.root() + "/autre.txt"));
}

// The save dialog opens in the sheets' folder, the sheet's name proposed.
TEST_F(VocabularyExport, ProposesTheSheetsNameInTheSheetsFolder)
{
    struct Requests : plat::ScriptedDesktop {
        std::vector<plat::FileRequest> asked;
        std::optional<QString> doFileDialog(const QString &kind, const plat::FileRequest &request) override
        {
            asked.push_back(request);
            return ScriptedDesktop::doFileDialog(kind, request);
        }
    };
    catalogue({{kPath, crlf({"Fruits d'été //moi\\", "pear", "poire"})}, {QStringLiteral("C:\\fiches\\ab.fic"), crlf({"a/b", "pear", "poire"})}});
    auto owned = std::make_unique<Requests>();
    Requests &desktop = *owned;
    plat::setDesktop(std::move(owned));
    choose(0);
    Form2->Exporterkvtml1Click();
    Form2->Exportertabule1Click();
    choose(1);
    Form2->Exportertabule1Click(); // a name that is no file name is not proposed
    ASSERT_EQ(desktop.asked.size(), 3u);
    const QString names[] = {"Fruits d'été.kvtml", "Fruits d'été.txt", ""};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(desktop.asked[i].fileName, names[i]);
        EXPECT_EQ(desktop.asked[i].initialDir, "C:\\Orsiva\\Tavilo !\\");
    }
}

TEST_F(VocabularyExport, NeedsAChosenSheetAndSitsBesideTheSpreadsheetExport)
{
    Form2->Exporterkvtml1Click();
    EXPECT_EQ(box.desktop().messages(), QStringList{"Veuillez sélectionner une fiche dans la liste."});
    EXPECT_EQ(box.desktop().count("save"), 0);

    const QList<QAction *> items = Form2->Fichier1->actions();
    const qsizetype excel = items.indexOf(Form2->Exporterlafiche1);
    ASSERT_GE(excel, 0);
    EXPECT_EQ(items.value(excel + 1), Form2->Exporterkvtml1);
    EXPECT_EQ(items.value(excel + 2), Form2->Exportertabule1);
    EXPECT_EQ(Form2->Exporterkvtml1->text(), "Exporter au format &kvtml");
    EXPECT_EQ(Form2->Exportertabule1->text(), "Exporter en texte &tabulé");
}
