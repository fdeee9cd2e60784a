#include "app/mainwindow.h"
#include "editor/editorwindow.h"
#include "help/aboutwindow.h"
#include "help/helplauncher.h"
#include "platform/drivepath.h"
#include "platform/encoding.h"
#include "platform/fileio.h"
#include "setup/welcomewindow.h"
#include "tests/support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using testing_support::crlf;

namespace {

const QString kConfig = QStringLiteral("C:\\windows\\system32\\brn2001.ini");
const QString kViewer = QStringLiteral("C:\\windows\\brn\\Brenmar\\Brenmar.exe");

class HelpLauncher : public testing_support::QuietWindowSet {};

} // namespace

// The configuration on disk after one press of the help button, with the
// viewer there or not, and the message the user gets.
TEST_F(HelpLauncher, RewritesTheFirstConfigurationLineThenStartsTheViewer)
{
    enum Viewer { Present, FileMissing, FolderMissing };
    struct Case {
        const char *name;
        std::optional<QByteArray> config; // absent: no configuration file
        Viewer viewer;
        QByteArray expected;               // configuration afterwards
        bool message;
        int starts;
        bool failWrite = false;
        bool readOnly = false;
        std::optional<plat::StartResult> startResult = {};
    };
    const QByteArray three = crlf({"C:\\autre\\aide.aid", "ligne 1", "ligne \xe9t\xe9 2"});
    const QByteArray threeAfter = crlf({"C:\\windows\\tl.aid", "ligne 1", "ligne \xe9t\xe9 2"});
    const QByteArray one = crlf({"C:\\windows\\tl.aid"});
    const Case cases[] = {
        {"three lines", three, Present, threeAfter, false, 1},
        {"three lines, LF only, no final end", QByteArray("a\nligne 1\nligne \xe9t\xe9 2"), Present,
         threeAfter, false, 1},
        {"empty file", QByteArray(), Present, one, false, 1},
        {"configuration missing", std::nullopt, Present, QByteArray(), true, 0},
        {"viewer missing", three, FileMissing, threeAfter, true, 1},
        {"viewer folder missing", three, FolderMissing, threeAfter, false, 1},
        {"other start failure", three, Present, threeAfter, false, 1, false, false,
         plat::StartResult::Failed},
        {"read-only configuration", three, Present, threeAfter, false, 1, false, true},
        {"configuration cannot be written", three, Present, three, true, 0, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::Sandbox box;
        if (c.config)
            box.put(kConfig, *c.config);
        if (c.readOnly)
            QFile::setPermissions(plat::hostPath(kConfig), QFile::ReadOwner | QFile::ReadUser);
        if (c.viewer == Present)
            box.put(kViewer, "#!/bin/sh\n");
        else if (c.viewer == FileMissing)
            box.put(QStringLiteral("C:\\windows\\brn\\Brenmar\\lisezmoi.txt"), "x");
        if (c.startResult)
            box.desktop().startAnswers.push_back(*c.startResult);
        if (c.failWrite)
            plat::setWriteFailureHook([](const QString &) { return QStringLiteral("disque plein"); });

        Form1->BitBtn6Click();

        EXPECT_EQ(box.exists(kConfig), c.config.has_value());
        EXPECT_EQ(box.get(kConfig), c.expected);
        if (c.readOnly) {
            EXPECT_TRUE(QFile::permissions(plat::hostPath(kConfig)) & QFile::WriteOwner);
        }
        EXPECT_EQ(box.desktop().messages(),
                  c.message ? QStringList{helplauncher::kMissingViewer} : QStringList{});
        ASSERT_EQ(box.desktop().count(QStringLiteral("start")), c.starts);
        if (c.starts) {
            EXPECT_EQ(box.desktop().records.front().text, kViewer);
            EXPECT_EQ(box.desktop().records.front().detail, QString()); // no arguments
        }
    }
}

TEST_F(HelpLauncher, EveryHelpClickStartsTheViewerAndEachUseRewritesTheSameLine)
{
    const QByteArray three = crlf({"x", "ligne 1", "ligne 2"});
    sandbox.put(kConfig, three);
    sandbox.put(kViewer, "#!/bin/sh\n");
    Form1->BitBtn6->click();
    Form1->Panel1Click();
    Form5->Image3Click();
    Form5->Image5Click();
    Form2->Aide1Click();
    EXPECT_EQ(sandbox.desktop().count(QStringLiteral("start")), 5);
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty());
    EXPECT_EQ(sandbox.get(kConfig), crlf({"C:\\windows\\tl.aid", "ligne 1", "ligne 2"}));
}

TEST_F(HelpLauncher, InstallPlacesWhatIsMissingAndKeepsWhatIsThere)
{
    const QByteArray mine = crlf({"C:\\mes documents\\aide.aid", "r\xe9glage 1", "r\xe9glage 2"});
    struct Case {
        const char *name;
        bool configThere, helpThere;
    } cases[] = {{"fresh machine", false, false}, {"configuration of the user", true, false},
                 {"help file of the user", false, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::Sandbox box;
        if (c.configThere)
            box.put(kConfig, mine);
        if (c.helpThere)
            box.put(helplauncher::kHelpFile, "Nom du programme :\r\n");
        helplauncher::installHelp();
        helplauncher::installHelp(); // a second run changes nothing

        EXPECT_EQ(box.get(kConfig), c.configThere ? mine : crlf({"C:\\windows\\tl.aid"}));
        const QByteArray help = box.get(helplauncher::kHelpFile);
        if (c.helpThere) {
            EXPECT_EQ(help, "Nom du programme :\r\n");
        } else {
            // Windows-1252 with CR LF line ends, as the viewer's documents are.
            EXPECT_TRUE(help.startsWith(crlf({"Nom du programme :", "Tavilo !", " ", " ", " ", " ",
                                              " ", " ", " ", " ", "<T>A propos d'Tavilo !"})));
            EXPECT_FALSE(plat::isUtf8WithNonAscii(help));
            EXPECT_TRUE(help.contains("Cr\xe9" "ation de fiche"));
            EXPECT_EQ(help.count("\r\n"), help.count('\n'));
        }
        const QString launcher = plat::hostPath(kViewer);
        EXPECT_TRUE(QFile::permissions(launcher) & QFile::ExeOwner);
        EXPECT_EQ(box.get(kViewer), helplauncher::viewerLauncherScript(
                                        QCoreApplication::applicationDirPath()));
    }
}

// The launcher script really runs the viewer it names, whatever the folder's
// name holds, and hands its arguments on.
TEST(HelpLauncherScript, RunsTheViewerFoundInItsFolder)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/l'aide de \"Tavilo\" $HOME");
    QDir().mkpath(folder);
    QFile viewer(folder + QStringLiteral("/tavilo-aide"));
    ASSERT_TRUE(viewer.open(QIODevice::WriteOnly));
    viewer.write("#!/bin/sh\necho \"vu $1\" > \"$(dirname \"$0\")/trace\"\n");
    viewer.close();
    viewer.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QFile script(dir.path() + QStringLiteral("/Brenmar.exe"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(helplauncher::viewerLauncherScript(folder));
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(QProcess::execute(script.fileName(), {QStringLiteral("x y")}), 0);
    QFile trace(folder + QStringLiteral("/trace"));
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    EXPECT_EQ(trace.readAll(), "vu x y\n");
}

TEST_F(HelpLauncher, AfterTheFirstRunTheHelpButtonFindsEverythingInPlace)
{
    For8->BitBtn1Click();
    Form1->BitBtn6Click();
    EXPECT_TRUE(sandbox.exists(helplauncher::kHelpFile));
    EXPECT_EQ(sandbox.get(kConfig), crlf({"C:\\windows\\tl.aid"}));
    EXPECT_EQ(sandbox.desktop().count(QStringLiteral("start")), 1);
    EXPECT_TRUE(sandbox.desktop().messages().isEmpty());
}
