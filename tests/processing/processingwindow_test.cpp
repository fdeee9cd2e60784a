#include "app/mainwindow.h"
#include "processing/processingwindow.h"
#include "processing/transmissionwindow.h"
#include "platform/encoding.h"
#include "platform/fileio.h"
#include "tests/support.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

class ProcessingWindow : public testing_support::QuietWindowSet {
protected:
    QString put(const QString &name, const QByteArray &bytes) { return sandbox.putHostFile(name, bytes); }
    // Converts with both dialogs answered; returns the messages shown.
    QStringList convert(const std::optional<QString> &cif, const std::optional<QString> &sheet)
    {
        sandbox.desktop().fileAnswers = {cif, sheet};
        Form15->BitBtn4Click();
        return sandbox.desktop().messages();
    }
};

const QString kChooseCif = "Choisissez quelle fiche *.cif vous voulez convertir.";
const QString kChooseName = "Choisissez sous quel nom vous voulez enregistrer la fiche *.fic.";
const QString kCancelled = "Erreur : Opération annulée par l'utilisateur.";
const QString kDone = "La fiche a bien été convertie.";

} // namespace

TEST_F(ProcessingWindow, ConvertsCifFilesOfEveryLength)
{
    const struct {
        const char *what;
        QByteArray cif;
        QByteArray sheet;
        const char *split; // nullptr: refused, nothing written
    } cases[] = {
        {"8 lines", crlf({"titre", "a", "b", "x", "y", "A", "B", "z"}), crlf({"titre", "a", "A", "b", "B", "x"}),
         "2"},
        {"9 lines", crlf({"titre", "a", "b", "x", "y", "A", "B", "z", "w"}),
         crlf({"titre", "a", "A", "b", "B", "x"}), "2"},
        {"3 lines", crlf({"titre", "a", "b"}), crlf({"titre", "a"}), "0"},
        // Too short to give a sheet: even the title line would be lost.
        {"2 lines", crlf({"titre", "a"}), "ancien contenu", nullptr},
        {"1 line", crlf({"titre"}), "ancien contenu", nullptr},
        {"0 lines", "", "ancien contenu", nullptr},
        // Binary: read up to its first NUL, like every text file.
        {"binary", QByteArray("\x01\x02\r\xff\xfe\nab") + '\0' + "\r\ncd\r\nef\r\ngh",
         crlf({"\x01\x02", "\xff\xfe"}), "0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        sandbox.desktop().records.clear();
        const QString cif = put("fiche.cif", c.cif);
        const QString fic = put("fiche.fic", "ancien contenu");
        Form15->Edit1 = QStringLiteral("avant");
        const QStringList messages = convert(cif, fic);
        if (c.split) {
            EXPECT_EQ(messages, (QStringList{kChooseCif, kChooseName, kDone}));
            EXPECT_EQ(Form15->Edit1, c.split);
        } else {
            ASSERT_EQ(messages.size(), 2);
            EXPECT_TRUE(messages[1].startsWith("Erreur : La fiche *.cif n'est pas valide")) << messages[1].toStdString();
            EXPECT_EQ(sandbox.desktop().count("save"), 0); // no name asked for
        }
        EXPECT_EQ(sandbox.get(fic), c.sheet);
        EXPECT_EQ(sandbox.get(cif), c.cif);
    }
}

TEST_F(ProcessingWindow, ConversionFailuresWriteNothing)
{
    const QString cif = put("fiche.cif", crlf({"titre", "a", "b", "x", "y", "A", "B", "z"}));
    const QString fic = sandbox.root() + "/sortie.fic";

    EXPECT_EQ(convert(std::nullopt, fic), (QStringList{kChooseCif, kCancelled}));
    sandbox.desktop().records.clear();
    EXPECT_EQ(convert(cif, std::nullopt), (QStringList{kChooseCif, kChooseName, kCancelled}));
    sandbox.desktop().records.clear();
    EXPECT_EQ(convert(sandbox.root() + "/absente.cif", fic),
              (QStringList{kChooseCif, "Erreur : Impossible d'ouvrir la fiche demandée."}));
    sandbox.desktop().records.clear();
    EXPECT_EQ(convert(sandbox.root(), fic),
              (QStringList{kChooseCif, "Erreur : Impossible d'ouvrir la fiche demandée."}));
    EXPECT_FALSE(sandbox.exists(fic));

    sandbox.desktop().records.clear();
    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("disque plein"); });
    EXPECT_EQ(convert(cif, fic),
              (QStringList{kChooseCif, kChooseName, "Erreur : Impossible de sauver la fiche à l'endroit désiré."}));
    plat::setWriteFailureHook({});
    EXPECT_FALSE(sandbox.exists(fic));
}

TEST_F(ProcessingWindow, TransmissionTextByteForByte)
{
    const struct {
        const char *what;
        QByteArray sheet;
        QByteArray text; // the calculator text, encoded as files are
    } cases[] = {
        {"empty file", "", "{}\xbbmain\\fiche"},
        {"title and two pairs", crlf({"Anglais //CM1\\\\", "dog", "chien", "cat", "chat"}),
         "{\"Anglais //CM1\\\\\",\"dog\",\"chien\",\"cat\",\"chat\"}\xbbmain\\fiche"},
        {"quotes kept as they are", crlf({"Le \"mot\"", "say \"hi\"", ""}),
         "{\"Le \"mot\"\",\"say \"hi\"\",\"\"}\xbbmain\\fiche"},
        {"accents in Windows-1252", crlf({"\xe9t\xe9", " a b "}), "{\"\xe9t\xe9\",\" a b \"}\xbbmain\\fiche"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        sandbox.desktop().records.clear();
        Form1->Memo7.setLines({"reste d'avant"});
        sandbox.desktop().fileAnswers = {put("fiche.txt", c.sheet)};
        Form15->BitBtn1Click();
        EXPECT_EQ(sandbox.desktop().messages(),
                  QStringList{"Choisissez la fiche à convertir en document TI-89/92."});
        EXPECT_EQ(sandbox.desktop().count("modal"), 1);
        EXPECT_EQ(plat::encodeText(Form14->Edit1->text()), c.text);
    }
}

TEST_F(ProcessingWindow, TransmissionWindowOnlyForAFileRead)
{
    Form1->Memo7.setLines({"ancienne"});
    Form15->BitBtn1Click(); // the dialog cancelled
    EXPECT_TRUE(Form1->Memo7.isEmpty());
    EXPECT_EQ(sandbox.desktop().count("modal"), 0);
    EXPECT_EQ(sandbox.desktop().messages().size(), 1);

    sandbox.desktop().fileAnswers = {sandbox.root() + "/absente.fic"};
    Form15->BitBtn1Click();
    EXPECT_EQ(sandbox.desktop().count("modal"), 0);
    ASSERT_EQ(sandbox.desktop().messages().size(), 3);
    EXPECT_TRUE(sandbox.desktop().messages()[2].contains("absente.fic"));

    // A long sheet is shown whole, past the usual limit of a line edit.
    QStringList lines(4000, QStringLiteral("le mot \u00e9tranger"));
    Form1->Memo7.setLines(lines);
    Form14->FormActivate();
    EXPECT_EQ(Form14->Edit1->text().size(), 1 + 4000 * 18 - 1 + 12);
    EXPECT_EQ(Form14->Edit1->selectedText(), Form14->Edit1->text());
}
