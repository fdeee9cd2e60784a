#include "app/mainwindow.h"
#include "app/settings.h"
#include "app/startupwindow.h"
#include "app/windowset.h"
#include "editor/editorwindow.h"
#include "learning/fullscreenwindow.h"
#include "learning/learningwindow.h"
#include "statistics/statisticswindow.h"
#include "testing/testsettingswindow.h"
#include "testing/testwindow.h"
#include "tests/support.h"

#include "platform/drivepath.h"
#include "platform/failure.h"
#include "platform/fileio.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QSlider>
#include <QTimer>
#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using testing_support::crlf;

namespace {

const QString kSettings = QStringLiteral("C:\\windows\\tavilo.ini");
const QString kCatalogue = QStringLiteral("C:\\windows\\BRNlist.ini");
const QString kUsers = QStringLiteral("C:\\windows\\TLusers.ini");

QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void expectTitles(const QStringList &titles)
{
    EXPECT_EQ(items(Form2->ListBox1), titles);
    EXPECT_EQ(items(Form3->ListBox1), titles);
    EXPECT_EQ(items(Form4->ListBox1), titles);
}

class StartupPass : public ::testing::Test {
protected:
    testing_support::Sandbox box;

    void SetUp() override { createWindowSet(); }
    void TearDown() override { destroyWindowSet(); }

    // The three state files of an installed program, a sheet per title given.
    void install(const QByteArray &settings = crlf({"08/12/2026 10:30:15", "Marie", "Lac", "800", "Mouse"}))
    {
        box.put(kSettings, settings);
        box.put(kCatalogue, QByteArray());
        box.put(kUsers, QByteArray());
    }
    void sheet(const QString &path, const QByteArray &bytes) { box.put(path, bytes); }
};

TEST_F(StartupPass, UnreadableSheetsLeaveTheCatalogueInOrder)
{
    install();
    sheet(QStringLiteral("C:\\fiches\\a.fic"), crlf({"Anglais A //info\\\\", "house", "maison"}));
    sheet(QStringLiteral("C:\\fiches\\c.fic"), crlf({"Allemand C"}));
    sheet(QStringLiteral("C:\\fiches\\e.fic"), crlf({"Espagnol E", "casa", "maison"}));
    box.put(kCatalogue, crlf({"C:\\fiches\\a.fic", "C:\\fiches\\b.fic", "C:\\fiches\\c.fic",
                              "C:\\fiches\\d.fic", "C:\\fiches\\e.fic"}));

    Form7->FormActivate();

    const QStringList kept = {"C:\\fiches\\a.fic", "C:\\fiches\\c.fic", "C:\\fiches\\e.fic"};
    EXPECT_EQ(Form1->ListBox1.lines(), kept);
    EXPECT_EQ(box.get(kCatalogue), crlf({"C:\\fiches\\a.fic", "C:\\fiches\\c.fic", "C:\\fiches\\e.fic"}));
    expectTitles({"Anglais A //info\\\\", "Allemand C", "Espagnol E"});
    EXPECT_EQ(Form7->ListBox1.lines(), QStringList({"1", "3"}));
    EXPECT_FALSE(Form7->Timer2->isActive());
    EXPECT_TRUE(Form7->Timer1->isActive());
    EXPECT_EQ(box.desktop().count(QStringLiteral("show")), 0);
    EXPECT_TRUE(box.desktop().messages().isEmpty());
}

// Each catalogue holds good.fic plus the odd entries; only good.fic and the
// empty sheet may stay.
TEST_F(StartupPass, OddCatalogueEntries)
{
    install();
    sheet(QStringLiteral("C:\\fiches\\good.fic"), crlf({"Bon"}));
    sheet(QStringLiteral("C:\\fiches\\vide.fic"), QByteArray());
    QDir().mkpath(plat::hostPath(QStringLiteral("C:\\fiches\\dossier")));
    QFile::link(plat::hostPath(QStringLiteral("C:\\fiches\\nulle-part.fic")),
                plat::hostPath(QStringLiteral("C:\\fiches\\lien.fic")));
    const QByteArray fifo = plat::hostPath(QStringLiteral("C:\\fiches\\tube.fic")).toLocal8Bit();
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);

    struct Case {
        const char *entry;
        bool kept;
        const char *title;
    } cases[] = {
        {"", false, nullptr},                          // blank line
        {"C:\\fiches\\vide.fic", true, ""},             // empty sheet: listed, empty title
        {"C:\\fiches\\dossier", false, nullptr},        // a folder
        {"C:\\fiches\\lien.fic", false, nullptr},       // dangling link
        {"C:\\fiches\\tube.fic", false, nullptr},       // a pipe would block the start-up
        {"C:\\FICHES\\GOOD.FIC", true, "Bon"},          // case-insensitive drive path
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.entry);
        box.put(kCatalogue, crlf({"C:\\fiches\\good.fic", c.entry}));
        Form7->FormActivate();
        QByteArray expected = crlf({"C:\\fiches\\good.fic"});
        QStringList titles = {"Bon"};
        if (c.kept) {
            expected += crlf({c.entry});
            titles << QString::fromUtf8(c.title);
        }
        EXPECT_EQ(box.get(kCatalogue), expected);
        expectTitles(titles);
    }
}

TEST_F(StartupPass, EmptyCatalogueGivesEmptyListsAndFile)
{
    install();
    Form2->ListBox1->addItem(QStringLiteral("ancien titre"));
    Form7->FormActivate();
    expectTitles({});
    EXPECT_TRUE(box.exists(kCatalogue));
    EXPECT_EQ(box.get(kCatalogue), QByteArray());
}

TEST_F(StartupPass, RepeatedPassKeepsOneTitlePerEntry)
{
    install();
    sheet(QStringLiteral("C:\\fiches\\a.fic"), crlf({"A"}));
    box.put(kCatalogue, crlf({"C:\\fiches\\a.fic"}));
    Form7->FormActivate();
    Form7->rearm();
    EXPECT_TRUE(Form7->Timer1->isActive());
    EXPECT_TRUE(Form7->Timer2->isActive());
    Form7->FormActivate();
    expectTitles({"A"});
}

// Only a settings file that cannot be read is a first run: it hands over to
// the welcome window and holds the start-up window, and the files that were
// not read stay as they are. A missing catalogue or user list next to a
// readable settings file is an empty one, written by the pass, and the
// user's settings stay.
TEST(StartupPassTable, MissingStateFile)
{
    struct Case {
        const char *missing;
        bool firstRun;
    } cases[] = {{"settings", true}, {"catalogue", false}, {"users", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.missing);
        testing_support::Sandbox local;
        createWindowSet();
        const QByteArray catalogue = crlf({"C:\\fiches\\a.fic", "C:\\fiches\\absente.fic"});
        local.put(QStringLiteral("C:\\fiches\\a.fic"), crlf({"A"}));
        const QByteArray settings = crlf({"date", "Marie", "Lac", "800", "Mouse"});
        if (QLatin1String(c.missing) != QLatin1String("settings"))
            local.put(kSettings, settings);
        if (QLatin1String(c.missing) != QLatin1String("catalogue"))
            local.put(kCatalogue, catalogue);
        if (QLatin1String(c.missing) != QLatin1String("users"))
            local.put(kUsers, QByteArray());

        Form7->FormActivate();

        EXPECT_EQ(Form7->Timer1->isActive(), !c.firstRun);
        EXPECT_FALSE(Form7->Timer2->isActive());
        EXPECT_EQ(local.desktop().count(QStringLiteral("show")), c.firstRun ? 1 : 0);
        EXPECT_TRUE(local.desktop().messages().isEmpty());
        if (c.firstRun) {
            EXPECT_EQ(local.desktop().records.front().text, QStringLiteral("For8"));
            EXPECT_FALSE(local.exists(kSettings)); // not even an empty one
            EXPECT_EQ(local.get(kCatalogue), catalogue);
            // The catalogue is still read, so a later save keeps its entries.
            EXPECT_EQ(Form1->ListBox1.lines(), QStringList{"C:\\fiches\\a.fic"});
            expectTitles({"A"});
            EXPECT_TRUE(Form1->RadioButton6->isChecked());
            EXPECT_TRUE(Form4->ListBox9->isVisibleTo(Form4));
            EXPECT_FALSE(Form4->ListBox1->isVisibleTo(Form4));
            destroyWindowSet();
            continue;
        }
        EXPECT_EQ(local.get(kSettings), settings);
        EXPECT_TRUE(Form1->RadioButton5->isChecked());
        EXPECT_TRUE(local.exists(kCatalogue));
        EXPECT_TRUE(local.exists(kUsers));
        if (QLatin1String(c.missing) == QLatin1String("catalogue")) {
            EXPECT_EQ(local.get(kCatalogue), QByteArray());
            expectTitles({});
        } else {
            EXPECT_EQ(local.get(kUsers), QByteArray());
            EXPECT_EQ(local.get(kCatalogue), crlf({"C:\\fiches\\a.fic"}));
            expectTitles({"A"});
        }
        destroyWindowSet();
    }
}

// A write that fails during the pass (a full disk, a Windows folder made
// read-only) is told once per cause and is no reason for a first run: the
// user's settings file stays as it is.
TEST(StartupPassTable, FailedWritesKeepTheSettingsAndAreToldOnce)
{
    const QString full = QString::fromLocal8Bit(std::strerror(ENOSPC));
    struct Case {
        const char *name;
        const char *failing; // the host paths whose writes fail contain this
        QString reason;
        int messages;
        bool settingsSaved;
    } cases[] = {
        {"disk full", "/", full, 1, false},
        {"user list only", "TLusers", full, 1, true},
        {"read-only Windows folder", "/Windows/", QString::fromLocal8Bit(std::strerror(EROFS)), 1, false},
        {"two causes", "", QString(), 2, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::Sandbox local;
        createWindowSet();
        // Line 4 in lower case: the pass rewrites it, and the sliders write theirs.
        const QByteArray settings = crlf({"date", "Marie", "Lac", "800", "mouse", "3", "12", "20", "clNavy"});
        local.put(kSettings, settings);
        local.put(QStringLiteral("C:\\fiches\\a.fic"), crlf({"A"}));
        const QByteArray catalogue = crlf({"C:\\fiches\\a.fic", "C:\\fiches\\absente.fic"});
        local.put(kCatalogue, catalogue);
        local.put(kUsers, QByteArray());
        plat::setWriteFailureHook([&c](const QString &host) {
            if (!*c.failing) // the settings file fails for one reason, the rest for another
                return host.endsWith(QLatin1String("tavilo.ini")) ? QStringLiteral("Disque plein.")
                                                                  : QStringLiteral("Disque absent.");
            return host.contains(QLatin1String(c.failing), Qt::CaseInsensitive) ? c.reason : QString();
        });

        Form7->FormActivate();

        EXPECT_EQ(local.desktop().count(QStringLiteral("show")), 0); // no first run
        EXPECT_TRUE(Form7->Timer1->isActive());
        EXPECT_EQ(local.get(kSettings),
                  c.settingsSaved ? crlf({"date", "Marie", "Lac", "800", "No Mouse", "3", "12", "20", "clNavy"})
                                  : settings);
        EXPECT_EQ(local.desktop().messages().size(), c.messages)
            << local.desktop().messages().join(QLatin1Char('\n')).toStdString();
        if (!c.reason.isEmpty()) {
            EXPECT_TRUE(local.desktop().messages().value(0).endsWith(plat::frenchReason(c.reason)));
        }
        // The pass went on with what it read.
        expectTitles({"A"});
        EXPECT_EQ(Form1->Memo6.memoLine(4), QStringLiteral("No Mouse"));
        destroyWindowSet();
    }
}

// An empty settings file (left by an unfinished first run of an older
// version, say) brings the first run back instead of a program whose
// settings can never be written.
TEST_F(StartupPass, EmptySettingsFileIsAFirstRun)
{
    install(QByteArray());
    const QByteArray catalogue = crlf({"C:\\fiches\\a.fic"});
    box.put(kCatalogue, catalogue);
    sheet(QStringLiteral("C:\\fiches\\a.fic"), crlf({"A"}));

    Form7->FormActivate();

    EXPECT_FALSE(Form7->Timer1->isActive());
    ASSERT_EQ(box.desktop().count(QStringLiteral("show")), 1);
    EXPECT_EQ(box.get(kSettings), QByteArray());
    EXPECT_EQ(box.get(kCatalogue), catalogue);
    expectTitles({"A"});
}

// A user file that cannot be read may be on a disk not mounted yet: it stays
// listed, on disk too, and the user hears of it once. An empty line goes.
TEST_F(StartupPass, UserListKeepsFilesThatCannotBeReadNow)
{
    install();
    const QByteArray header = crlf({"Fiche de Statistiques Utilisateur :", "Marie", "Lac", "", ""});
    box.put(QStringLiteral("C:\\users\\marie.user"), header);
    box.put(QStringLiteral("C:\\users\\court.user"), crlf({"Fiche de Statistiques Utilisateur :"}));
    box.put(kUsers, crlf({"C:\\users\\marie.user", "C:\\users\\parti.user", "C:\\users\\court.user", ""}));

    Form7->FormActivate();

    EXPECT_EQ(items(For2->ListBox1), QStringList({"Lac, Marie",
                                                  "Fiche utilisateur non disponible : C:\\users\\parti.user", ", "}));
    EXPECT_EQ(For2->Memo3.lines(),
              QStringList({"C:\\users\\marie.user", "C:\\users\\parti.user", "C:\\users\\court.user"}));
    EXPECT_EQ(box.get(kUsers), crlf({"C:\\users\\marie.user", "C:\\users\\parti.user", "C:\\users\\court.user"}));
    const QStringList messages = box.desktop().messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].endsWith(":\nC:\\users\\parti.user")) << messages[0].toStdString();
}

TEST_F(StartupPass, UserNameAndCompany)
{
    install(crlf({"date", "Marie Dupont", "Les \xC9" "ditions du Lac", "800", "Mouse"}));
    Form7->FormActivate();
    EXPECT_EQ(Form7->Label1->text(), QStringLiteral("Marie Dupont"));
    EXPECT_EQ(Form7->Label2->text(), QStringLiteral("Société : Les Éditions du Lac"));
}

// A name of megabytes costs the pass a bounded multiple of reading the
// settings, and stays whole in the settings file. The margin is wide: the
// read is fast and a loaded machine slows the pass's painting more, while a
// pass that grew with the square of the name would be thousands of times over.
TEST_F(StartupPass, HugeNameDoesNotHoldTheWindow)
{
    QByteArray name;
    while (name.size() < 2'000'000)
        name += "Marie Dupont ";
    const QByteArray settings = "date\r\n" + name + "\r\nLac\r\n800\r\nMouse\r\n";
    install(settings);
    // Laid out and painted as the user would see the window.
    const qint64 pass = testing_support::quickestCpuNs(3, [] {
        Form7->FormActivate();
        Form7->grab();
    });
    const qint64 read = testing_support::quickestCpuNs(3, [] { plat::LineList().loadFromFile(kSettings); });
    EXPECT_LT(pass, 60 * read) << pass << " ns against " << read << " ns";
    EXPECT_EQ(Form7->Label1->text(), QString::fromLatin1(name.first(2000)));
    EXPECT_EQ(Form1->Memo6.memoLine(settings::UserName), QString::fromLatin1(name));
    EXPECT_TRUE(box.get(kSettings).startsWith("date\r\n" + name + "\r\nLac\r\n"));
}

TEST_F(StartupPass, InputModeFromLineFour)
{
    struct Case {
        QByteArray line4;
        bool mouse;
        QByteArray written;
    } cases[] = {
        {"Mouse", true, "Mouse"},     {"mouse", false, "No Mouse"},   {"Mouse ", false, "No Mouse"},
        {"No Mouse", false, "No Mouse"}, {"", false, "No Mouse"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line4.constData());
        box.put(kSettings, crlf({"date", "Marie", "Lac", "800", c.line4.constData(), "2"}));
        box.put(kCatalogue, QByteArray());
        box.put(kUsers, QByteArray());
        Form7->FormActivate();
        EXPECT_EQ(Form1->RadioButton5->isChecked(), c.mouse);
        EXPECT_EQ(Form1->RadioButton6->isChecked(), !c.mouse);
        EXPECT_EQ(box.get(kSettings), crlf({"date", "Marie", "Lac", "800", c.written.constData(), "2"}));
    }
    // A first-run file has no line 4 yet: keyboard mode, appended.
    box.put(kSettings, crlf({"date", "Marie", "Lac", "800"}));
    Form7->FormActivate();
    EXPECT_TRUE(Form1->RadioButton6->isChecked());
    EXPECT_EQ(box.get(kSettings), crlf({"date", "Marie", "Lac", "800", "No Mouse"}));
}

// Each of lines 5 to 8 is restored on its own: a missing or bad line keeps
// its setting's design value (reveal 1, interval 3, test 20, black) and no
// other. Values come back within their sliders' ranges and are written so.
TEST(StartupPassTable, ColourAndSliders)
{
    struct Case {
        const char *name;
        QList<const char *> lines; // from line 5 on
        settings::TColor colour;
        int interval, reveal, test;
        QList<const char *> after; // from line 5 on, once the pass is over
    } cases[] = {
        {"all good", {"10", "25", "35", "clNavy", "ligne 9"}, 0x800000, 20, 10, 35,
         {"10", "20", "35", "clNavy", "ligne 9"}},
        {"hexadecimal colour", {"2", "5", "3", "$00FF8000"}, 0xFF8000, 5, 2, 3, {"2", "5", "3", "$00FF8000"}},
        {"out of range", {"0", "0", "500", "clRed"}, 0x0000FF, 1, 1, 100, {"1", "1", "100", "clRed"}},
        {"colour without cl", {"10", "12", "35", "Navy"}, 0, 12, 10, 35, {"10", "12", "35", "Navy"}},
        // The waiting time of 10 pulls the interval up with it.
        {"interval junk", {"10", "douze", "35", "clNavy"}, 0x800000, 10, 10, 35, {"10", "10", "35", "clNavy"}},
        {"reveal empty", {"", "12", "35", "clNavy"}, 0x800000, 12, 1, 35, {"", "12", "35", "clNavy"}},
        {"test junk", {"5", "12", "1e3", "clNavy"}, 0x800000, 12, 5, 20, {"5", "12", "1e3", "clNavy"}},
        {"no line 8", {"3", "8", "20"}, 0, 8, 3, 20, {"3", "8", "20"}},
        {"no line 7", {"3", "8"}, 0, 8, 3, 20, {"3", "8"}},
        {"no line 6", {"3"}, 0, 3, 3, 20, {"3"}},
        {"no line 6, interval pulled up", {"12"}, 0, 12, 12, 20, {"12", "12"}},
        {"first-run file", {}, 0, 3, 1, 20, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::Sandbox local;
        createWindowSet();
        const auto file = [](const QList<const char *> &tail) {
            QByteArray bytes = crlf({"date", "Marie", "Lac", "800", "Mouse"});
            for (const char *line : tail)
                bytes += crlf({line});
            return bytes;
        };
        local.put(kSettings, file(c.lines));
        local.put(kCatalogue, QByteArray());
        local.put(kUsers, QByteArray());

        Form7->FormActivate();

        EXPECT_EQ(pleinec->memo1Color(), c.colour);
        EXPECT_EQ(pleinec->memo2Color(), c.colour);
        EXPECT_EQ(pleinec->formColor(), c.colour);
        EXPECT_EQ(Form3->TrackBar1->value(), c.interval);
        EXPECT_EQ(Form3->TrackBar2->value(), c.reveal);
        EXPECT_EQ(Form12->TrackBar1->value(), c.test);
        EXPECT_EQ(Form3->Label4->text(), QStringLiteral("Intervalle de temps : %1 sec").arg(c.interval));
        EXPECT_EQ(Form3->Label18->text(), QStringLiteral("Temps d'attente : %1 sec").arg(c.reveal));
        EXPECT_EQ(Form12->Label4->text(), QStringLiteral("Intervalle de temps : %1 sec").arg(c.test));
        EXPECT_EQ(local.get(kSettings), file(c.after));
        EXPECT_TRUE(local.desktop().messages().isEmpty());
        destroyWindowSet();
    }
}

// A colour chosen while the file has five lines is kept, and so are the
// sliders' values written before it, at the next start.
TEST(StartupPassTable, SettingsChosenOnAFiveLineFileComeBack)
{
    testing_support::Sandbox local;
    local.put(kSettings, crlf({"date", "Marie", "Lac", "800", "No Mouse"}));
    local.put(kCatalogue, QByteArray());
    local.put(kUsers, QByteArray());
    createWindowSet();
    Form7->FormActivate();
    local.desktop().colourAnswers.push_back(QColor(0, 0, 128));
    pleinec->BitBtn2Click();
    EXPECT_EQ(local.get(kSettings), crlf({"date", "Marie", "Lac", "800", "No Mouse", "1", "3", "20", "clNavy"}));
    Form12->TrackBar1->setValue(45);
    destroyWindowSet();

    createWindowSet();
    Form7->FormActivate();
    EXPECT_EQ(pleinec->formColor(), 0x800000u);
    EXPECT_EQ(Form12->TrackBar1->value(), 45);
    EXPECT_EQ(Form3->TrackBar2->value(), 1);
    EXPECT_EQ(Form3->TrackBar1->value(), 3);
    EXPECT_EQ(local.get(kSettings), crlf({"date", "Marie", "Lac", "800", "No Mouse", "1", "3", "45", "clNavy"}));
    destroyWindowSet();
}

TEST_F(StartupPass, FailedCatalogueSaveIsReportedOnce)
{
    install();
    sheet(QStringLiteral("C:\\fiches\\a.fic"), crlf({"A"}));
    const QByteArray catalogue = crlf({"C:\\fiches\\a.fic", "C:\\fiches\\b.fic"});
    box.put(kCatalogue, catalogue);
    plat::setWriteFailureHook([](const QString &host) {
        return host.endsWith(QLatin1String("BRNlist.ini")) ? QStringLiteral("Disque plein.") : QString();
    });

    Form7->FormActivate();

    EXPECT_EQ(box.desktop().messages().size(), 1);
    EXPECT_EQ(box.get(kCatalogue), catalogue);
    expectTitles({"A"});
    EXPECT_FALSE(Form7->Timer2->isActive());
    EXPECT_TRUE(Form1->RadioButton5->isChecked()); // the rest of the pass went on
}

TEST_F(StartupPass, TimersCloseAndRearm)
{
    EXPECT_EQ(Form7->Timer1->interval(), 4800);
    EXPECT_EQ(Form7->Timer2->interval(), 100);
    EXPECT_TRUE(Form7->Timer1->isActive());
    EXPECT_TRUE(Form7->Timer2->isActive());
    Form7->show();
    Form7->Timer1Timer();
    EXPECT_FALSE(Form7->isVisible());
    EXPECT_FALSE(Form7->Timer1->isActive());
    EXPECT_FALSE(Form7->Timer2->isActive());

    // The logo closes the window at once and leaves the timers as they are.
    Form7->rearm();
    Form7->show();
    Form7->Image1Click();
    EXPECT_FALSE(Form7->isVisible());
    EXPECT_TRUE(Form7->Timer2->isActive());
}

// The one real wait: the pass runs on its own shortly after the window set is made.
TEST_F(StartupPass, PassRunsFromCreation)
{
    install();
    QElapsedTimer clock;
    clock.start();
    while (Form7->Timer2->isActive() && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(Form7->Timer2->isActive());
    EXPECT_TRUE(Form1->RadioButton5->isChecked());
    EXPECT_TRUE(Form7->Timer1->isActive());
}

} // namespace
