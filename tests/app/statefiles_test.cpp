#include "app/statefiles.h"
#include "platform/drivepath.h"
#include "platform/interruptedsaves.h"
#include "tests/support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <gtest/gtest.h>

// A save cut short between QSaveFile's naming of its new file and the rename
// leaves "<name>.XXXXXX" beside the program's own file; the next start clears
// exactly those, in the program's own folders, and nothing else.
TEST(StateFiles, StartUpRemovesWhatCutShortSavesLeftAndNothingElse)
{
    testing_support::Sandbox box;
    struct Case {
        const char *path;
        bool removed;
    } cases[] = {
        {"C:\\windows\\tavilo.ini.ftTFRE", true},
        {"C:\\windows\\BRNlist.ini.lZyypy", true},
        {"C:\\windows\\TLusers.ini.AbCdEf", true},
        {"C:\\windows\\tavilo-voix.ini.qwerty", true},
        {"C:\\windows\\tl.aid.XYZxyz", true},
        {"C:\\windows\\system32\\brn2001.ini.abcdef", true},
        {"C:\\windows\\brn\\Brenmar\\Brenmar.exe.mnopqr", true},
        {"C:\\windows\\TAVILO.INI.abcdef", true}, // the drive ignores case
        // The program's files themselves, and names that only look alike.
        {"C:\\windows\\tavilo.ini", false},
        {"C:\\windows\\BRNlist.ini", false},
        {"C:\\windows\\tavilo.ini.ftTFR", false},
        {"C:\\windows\\tavilo.ini.ftTFREx", false},
        {"C:\\windows\\tavilo.ini.ft-FRE", false},
        {"C:\\windows\\tavilo.ini.123456", false},
        {"C:\\windows\\tavilo.iniXftTFRE", false},
        {"C:\\windows\\tavilo.ini~ftTFRE", false},
        {"C:\\windows\\avilo.ini.ftTFRE", false},
        {"C:\\windows\\autre.ini.ftTFRE", false},
        {"C:\\windows\\system32\\tavilo.ini.ftTFRE", false},
        {"C:\\windows\\brn2001.ini.abcdef", false},
        // A sheet folder is the user's, even for a sheet's own leftover.
        {"C:\\Orsiva\\Tavilo !\\fich1.fic.abcdef", false},
        {"C:\\Orsiva\\Tavilo !\\tavilo.ini.abcdef", false},
    };
    for (const Case &c : cases)
        box.put(QString::fromUtf8(c.path), "x");
    // A folder and a link under a leftover's name are not files QSaveFile left.
    const QString windows = plat::hostPath(QStringLiteral("C:\\windows"));
    ASSERT_TRUE(QDir(windows).mkdir(QStringLiteral("tl.aid.abcdef")));
    const QString elsewhere = box.putHostFile(QStringLiteral("ailleurs.txt"), "y");
    ASSERT_TRUE(QFile::link(elsewhere, windows + QStringLiteral("/tavilo.ini.linkED")));

    const QStringList removed = startup::removeInterruptedSaves();

    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(box.exists(QString::fromUtf8(c.path)), !c.removed);
        EXPECT_EQ(removed.contains(plat::hostPath(QString::fromUtf8(c.path))), c.removed);
    }
    EXPECT_EQ(removed.size(), 8);
    EXPECT_TRUE(QFileInfo(windows + QStringLiteral("/tl.aid.abcdef")).isDir());
    EXPECT_TRUE(QFileInfo(windows + QStringLiteral("/tavilo.ini.linkED")).isSymLink());
    EXPECT_EQ(box.get(QStringLiteral("C:\\windows\\tavilo.ini")), QByteArray("x"));
    // Nothing to clear, and no folder made where there was none.
    testing_support::Sandbox empty;
    EXPECT_TRUE(startup::removeInterruptedSaves().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(plat::hostPath(QStringLiteral("C:\\windows"))));
}

// The name pattern is QSaveFile's own: the name its temporary file takes
// beside a target is one the start-up clears.
TEST(StateFiles, TheLeftoverPatternIsTheOneQSaveFileUses)
{
    testing_support::Sandbox box;
    box.put(QStringLiteral("C:\\windows\\tavilo.ini"), "old");
    const QString target = plat::hostPath(QStringLiteral("C:\\windows\\tavilo.ini"));
    const QDir folder = QFileInfo(target).absoluteDir();
    // An unnamed temporary file is named only at commit; QTemporaryFile
    // names its file at once with the same pattern.
    for (int i = 0; i < 20; ++i) {
        QTemporaryFile named(target + QStringLiteral(".XXXXXX"));
        ASSERT_TRUE(named.open());
        EXPECT_TRUE(plat::isInterruptedSaveOf(QFileInfo(named.fileName()).fileName(), u"tavilo.ini"))
            << named.fileName().toStdString();
    }
    EXPECT_EQ(folder.entryList(QDir::Files), QStringList{QStringLiteral("tavilo.ini")});
}
