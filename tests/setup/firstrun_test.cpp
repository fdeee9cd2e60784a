#include "app/mainwindow.h"
#include "app/settings.h"
#include "app/startupwindow.h"
#include "app/windowset.h"
#include "editor/editorwindow.h"
#include "help/aboutwindow.h"
#include "platform/encoding.h"
#include "platform/fileio.h"
#include "setup/firstrun.h"
#include "setup/welcomewindow.h"
#include "sheets/catalogue.h"
#include "tests/support.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <gtest/gtest.h>

using testing_support::crlf;

namespace {

const QString kCatalogue = QStringLiteral("C:\\windows\\BRNlist.ini");
const QString kUsers = QStringLiteral("C:\\windows\\TLusers.ini");
const QByteArray kDefaultSettings =
    crlf({"08/12/2026 10:30:15", "Anonyme", "Soci\xe9t\xe9 Anonyme", "800"});
const QByteArray kSampleCatalogue = crlf({"C:\\Orsiva\\Tavilo !\\anglais-animaux.fic",
                                          "C:\\Orsiva\\Tavilo !\\allemand-maison.fic",
                                          "C:\\Orsiva\\Tavilo !\\espagnol-restaurant.fic"});

class FirstRun : public testing_support::QuietWindowSet {
protected:
    bool shown(const QString &form)
    {
        for (const auto &r : sandbox.desktop().records)
            if (r.kind == QLatin1String("show") && r.text == form)
                return true;
        return false;
    }
};

} // namespace

TEST_F(FirstRun, FromAnEmptyDriveToAWorkingStart)
{
    Form7->FormActivate(); // the start-up pass finds nothing
    ASSERT_TRUE(shown(QStringLiteral("For8")));
    EXPECT_FALSE(Form7->Timer2->isActive());

    For8->BitBtn1Click();
    EXPECT_EQ(sandbox.get(settings::kPath), kDefaultSettings);
    EXPECT_EQ(Form1->Memo6.lines().size(), 4);
    EXPECT_EQ(sandbox.get(kCatalogue), kSampleCatalogue);
    EXPECT_TRUE(sandbox.exists(kUsers));
    EXPECT_TRUE(sandbox.get(kUsers).isEmpty());
    // The sample sheets are written in the code page of the program's files.
    const QByteArray english = sandbox.get(QStringLiteral("C:\\Orsiva\\Tavilo !\\anglais-animaux.fic"));
    EXPECT_TRUE(english.startsWith("Anglais - Les animaux //"));
    EXPECT_TRUE(english.contains("\r\nthe squirrel\r\nl'\xe9" "cureuil\r\n"));

    EXPECT_FALSE(For8->isVisible());
    ASSERT_TRUE(shown(QStringLiteral("Form5")));
    EXPECT_EQ(Form5->premier, QStringLiteral("5"));
    EXPECT_EQ(Form5->Edit1->text(), QStringLiteral("Anonyme"));
    EXPECT_EQ(Form5->Edit2->text(), QStringLiteral("Société Anonyme"));

    Form5->QuitterClick();
    EXPECT_EQ(Form5->premier, QStringLiteral("4846"));
    EXPECT_TRUE(Form7->Timer1->isActive());
    ASSERT_TRUE(Form7->Timer2->isActive());

    Form7->FormActivate(); // the second pass, at the tick of Timer2
    EXPECT_EQ(sandbox.get(settings::kPath),
              kDefaultSettings + crlf({"No Mouse"}));
    EXPECT_EQ(sandbox.get(kCatalogue), kSampleCatalogue);
    ASSERT_EQ(Form2->ListBox1->count(), 3);
    EXPECT_EQ(Form2->ListBox1->item(0)->text(),
              QStringLiteral("Anglais - Les animaux //Fiche d'exemple d'Orsiva, douze paires\\\\"));
    EXPECT_EQ(Form2->ListBox1->item(2)->text().left(24), QStringLiteral("Espagnol - Au restaurant"));
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty());
}

TEST_F(FirstRun, FilesAlreadyThereAreKeptExceptTheSettings)
{
    // The catalogue as another version may have left it: LF line ends, a
    // listed sheet, a blank line. Only a catalogue that lists nothing gets
    // the samples.
    const QByteArray listed = "C:\\fiches\\mots.fic\n\nC:\\fiches\\verbes.txt";
    const QByteArray users = crlf({"C:\\windows\\Paul.user"});
    struct Case {
        const char *name;
        std::optional<QByteArray> settingsBefore, catalogueBefore, usersBefore;
        QByteArray catalogueAfter, usersAfter;
    };
    const Case cases[] = {
        {"settings missing", std::nullopt, listed, users, listed, users},
        {"user list missing", crlf({"d", "Paul", "Ecole", "800", "Mouse", "2"}), listed,
         std::nullopt, listed, {}},
        {"catalogue missing", crlf({"d", "Paul"}), std::nullopt, users, kSampleCatalogue, users},
        {"catalogue empty", std::nullopt, QByteArray(), users, kSampleCatalogue, users},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString &path : {settings::kPath, kCatalogue, kUsers})
            plat::deleteFile(path);
        if (c.settingsBefore)
            sandbox.put(settings::kPath, *c.settingsBefore);
        if (c.catalogueBefore)
            sandbox.put(kCatalogue, *c.catalogueBefore);
        if (c.usersBefore)
            sandbox.put(kUsers, *c.usersBefore);

        For8->BitBtn1Click();
        EXPECT_EQ(sandbox.get(settings::kPath), kDefaultSettings);
        EXPECT_EQ(sandbox.get(kCatalogue), c.catalogueAfter);
        EXPECT_TRUE(sandbox.exists(kUsers));
        EXPECT_EQ(sandbox.get(kUsers), c.usersAfter);
        EXPECT_EQ(Form1->ListBox1.lines(), plat::LineList::parse(c.catalogueAfter));
    }
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty());
}

TEST_F(FirstRun, AChangedSampleSheetIsNotOverwritten)
{
    const QString mine = QStringLiteral("C:\\Orsiva\\Tavilo !\\allemand-maison.fic");
    const QByteArray edited = crlf({"Allemand - Ma maison", "der Keller", "la cave"});
    sandbox.put(mine, edited);
    For8->BitBtn1Click();
    EXPECT_EQ(sandbox.get(mine), edited);
    EXPECT_EQ(sandbox.get(kCatalogue), kSampleCatalogue);
}

TEST(FirstRunFailure, AFailedWriteStopsTheRunWhereItHappens)
{
    struct Case {
        const char *failing; // end of the host path whose write fails
        bool reported;       // in the error box, and the later steps not run
        QByteArray catalogueAfter;
        bool usersThere;
    };
    const Case cases[] = {
        {"tavilo.ini", true, {}, false},
        {"BRNlist.ini", true, {}, false},
        {"TLusers.ini", true, kSampleCatalogue, false},
        // A sample that cannot be written is only left out of the catalogue.
        {"allemand-maison.fic", false,
         crlf({"C:\\Orsiva\\Tavilo !\\anglais-animaux.fic",
               "C:\\Orsiva\\Tavilo !\\espagnol-restaurant.fic"}),
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.failing);
        testing_support::Sandbox sandbox;
        createWindowSet();
        plat::setWriteFailureHook([&](const QString &host) {
            return host.endsWith(QLatin1String(c.failing)) ? QStringLiteral("Disque plein.")
                                                           : QString();
        });
        sandbox.desktop().show(For8);
        For8->BitBtn1Click();

        const QStringList messages = sandbox.desktop().messages();
        if (c.reported) {
            ASSERT_EQ(messages.size(), 1);
            EXPECT_TRUE(messages[0].contains(QStringLiteral("Disque plein.")));
            EXPECT_EQ(sandbox.desktop().records.back().detail, QStringLiteral("Erreur"));
        } else {
            EXPECT_TRUE(messages.isEmpty());
        }
        EXPECT_EQ(For8->isVisible(), c.reported);
        EXPECT_EQ(sandbox.desktop().count(QStringLiteral("show")), c.reported ? 1 : 2);
        EXPECT_EQ(sandbox.get(kCatalogue), c.catalogueAfter);
        EXPECT_EQ(sandbox.exists(kUsers), c.usersThere);
        destroyWindowSet();
    }
}

TEST(SampleSheets, AreWholeSheetsInTheProgramsCodePage)
{
    for (const QString &path : firstrun::sampleSheetPaths()) {
        SCOPED_TRACE(path.toStdString());
        const QString name = path.mid(firstrun::kSampleFolder.size());
        const QStringList lines = firstrun::sampleSheet(name);
        ASSERT_EQ(lines.size(), 25); // a title line and twelve pairs
        EXPECT_TRUE(lines[0].contains(QStringLiteral(" //")));
        EXPECT_TRUE(lines[0].endsWith(QStringLiteral("\\\\")));
        for (const QString &line : lines) {
            EXPECT_FALSE(line.trimmed().isEmpty());
            EXPECT_EQ(line, line.trimmed());
            EXPECT_TRUE(plat::fitsWindows1252(line));
        }
    }
    EXPECT_TRUE(firstrun::sampleSheet(QStringLiteral("../setup.qrc")).isEmpty());
}

// Closing the welcome window declines the first run: the program ends as it
// ends from the main window, and nothing at all is written.
TEST_F(FirstRun, ClosingTheWelcomeWindowEndsTheProgram)
{
    Form7->FormActivate();
    ASSERT_TRUE(For8->isVisible());
    For8->close();
    EXPECT_FALSE(For8->isVisible());
    ASSERT_EQ(sandbox.desktop().records.back().kind, QStringLiteral("modal"));
    EXPECT_EQ(sandbox.desktop().records.back().text, QStringLiteral("Form6")); // the exit window
    EXPECT_FALSE(QDir(sandbox.root()).exists(QStringLiteral("drive")));

    // "Utiliser Orsiva Tavilo" closes it too, without ending anything.
    sandbox.desktop().show(For8);
    For8->BitBtn1Click();
    EXPECT_FALSE(For8->isVisible());
    EXPECT_EQ(sandbox.desktop().count(QStringLiteral("modal")), 1);
}
