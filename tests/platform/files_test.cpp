#include "platform/drivepath.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "platform/linelist.h"
#include "tests/support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using testing_support::Sandbox;

TEST(DrivePath, WindowsPathsMapUnderTheRootIgnoringCase)
{
    Sandbox box;
    const QString root = box.root() + QStringLiteral("/drive");
    box.put(root + QStringLiteral("/c/Windows/TLusers.ini"), "x");

    struct Case {
        QString path;
        QString host;
    };
    const Case cases[] = {
        // Existing components take the spelling on disk, whatever was written.
        {QStringLiteral("C:\\windows\\tlusers.ini"), root + QStringLiteral("/c/Windows/TLusers.ini")},
        {QStringLiteral("c:\\WINDOWS\\TLUSERS.INI"), root + QStringLiteral("/c/Windows/TLusers.ini")},
        {QStringLiteral("C:/Windows//TLusers.ini"), root + QStringLiteral("/c/Windows/TLusers.ini")},
        // Missing components keep the spelling given.
        {QStringLiteral("C:\\windows\\tavilo.ini"), root + QStringLiteral("/c/Windows/tavilo.ini")},
        {QStringLiteral("C:\\Orsiva\\Tavilo !\\fich12.fic"), root + QStringLiteral("/c/Orsiva/Tavilo !/fich12.fic")},
        {QStringLiteral("D:\\x"), root + QStringLiteral("/d/x")},
        // Dots resolve by name and never climb above the drive.
        {QStringLiteral("C:\\windows\\..\\..\\..\\etc\\passwd"), root + QStringLiteral("/c/etc/passwd")},
        {QStringLiteral("C:\\.\\windows\\.\\TLusers.ini"), root + QStringLiteral("/c/Windows/TLusers.ini")},
        // Host paths pass through.
        {QStringLiteral("/tmp/a.fic"), QStringLiteral("/tmp/a.fic")},
        {QStringLiteral("relatif/a.fic"), QStringLiteral("relatif/a.fic")},
        {QStringLiteral("C:relatif"), QStringLiteral("C:relatif")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(plat::hostPath(c.path), c.host) << c.path.toStdString();

    EXPECT_EQ(plat::windowsDirectory(), QStringLiteral("C:\\windows"));
    EXPECT_EQ(plat::systemDirectory(), QStringLiteral("C:\\windows\\system32"));
}

TEST(WriteFile, CreatesMissingFoldersAndReusesExistingOnesOfAnyCase)
{
    Sandbox box;
    const QString root = box.root() + QStringLiteral("/drive");
    box.put(root + QStringLiteral("/c/Windows/TLusers.ini"), "x");
    plat::writeFile(QStringLiteral("C:\\windows\\tavilo.ini"), "a\r\n");
    plat::writeFile(QStringLiteral("C:\\Orsiva\\Tavilo !\\fich1.fic"), "b");
    EXPECT_EQ(QDir(root + QStringLiteral("/c")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("Orsiva"), QStringLiteral("Windows")}));
    EXPECT_EQ(box.get(root + QStringLiteral("/c/Windows/tavilo.ini")), QByteArray("a\r\n"));
    EXPECT_EQ(box.get(root + QStringLiteral("/c/Orsiva/Tavilo !/fich1.fic")), QByteArray("b"));
    EXPECT_TRUE(plat::fileExists(QStringLiteral("C:\\WINDOWS\\TAVILO.INI")));
    EXPECT_TRUE(plat::deleteFile(QStringLiteral("c:\\windows\\Tavilo.ini")));
    EXPECT_FALSE(plat::fileExists(QStringLiteral("C:\\windows\\tavilo.ini")));
}

TEST(WriteFile, ReadOnlyFileIsMadeWritableAndReplaced)
{
    Sandbox box;
    const QString path = QStringLiteral("C:\\windows\\tavilo.ini");
    box.put(path, "old");
    const QString host = plat::hostPath(path);
    QFile::setPermissions(host, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    plat::writeFile(path, "new");
    EXPECT_EQ(box.get(path), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(host).permissions() & QFileDevice::WriteOwner);

    QFile::setPermissions(host, QFileDevice::ReadOwner);
    EXPECT_TRUE(plat::setAttributesNormal(path));
    EXPECT_TRUE(QFileInfo(host).permissions() & QFileDevice::WriteOwner);
    EXPECT_FALSE(plat::setAttributesNormal(QStringLiteral("C:\\absent.ini")));
}

TEST(WriteFile, FailuresReachTheCallerAndLeaveTheOldFileWhole)
{
    Sandbox box;
    const QString path = QStringLiteral("C:\\windows\\tavilo.ini");
    box.put(path, "old\r\n");
    const QString folder = QFileInfo(plat::hostPath(path)).absolutePath();

    // An injected failure: the caller sees it, the old bytes stay, and no
    // temporary file is left next to them.
    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("Disque plein."); });
    try {
        plat::writeFile(path, "new\r\n");
        ADD_FAILURE() << "no failure";
    } catch (const plat::Failure &f) {
        EXPECT_TRUE(f.message().contains(QStringLiteral("Disque plein.")));
        EXPECT_TRUE(f.message().contains(path));
    }
    plat::setWriteFailureHook({});
    EXPECT_EQ(box.get(path), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("tavilo.ini")});

    // A folder where the file should be.
    box.put(QStringLiteral("C:\\dossier\\f.txt"), "x");
    EXPECT_THROW(plat::writeFile(QStringLiteral("C:\\dossier"), "y"), plat::Failure);
    EXPECT_TRUE(QFileInfo(plat::hostPath(QStringLiteral("C:\\dossier"))).isDir());

    // A file where a folder should be.
    box.put(QStringLiteral("C:\\plein"), "x");
    EXPECT_THROW(plat::writeFile(QStringLiteral("C:\\plein\\f.txt"), "y"), plat::Failure);
    EXPECT_EQ(box.get(QStringLiteral("C:\\plein")), QByteArray("x"));

    // A dangling link into a folder that does not exist.
    ASSERT_TRUE(QFile::link(box.root() + QStringLiteral("/absent/f.ini"),
                            folder + QStringLiteral("/lien.ini")));
    EXPECT_THROW(plat::writeFile(QStringLiteral("C:\\windows\\lien.ini"), "y"), plat::Failure);

    EXPECT_THROW(plat::writeFile(QString(), "y"), plat::Failure);
    EXPECT_THROW(plat::LineList(QStringList{QStringLiteral("a")}).saveToFile(QStringLiteral("C:\\dossier")),
                 plat::Failure);
}

// What the system says of a failed access reaches the user in French, in the
// words of the system or of Qt, bare or inside a longer text.
TEST(WriteFile, FailureReasonsReadInFrench)
{
    struct Case {
        QString said;
        const char *french;
    };
    const auto sys = [](int code) { return QString::fromLocal8Bit(std::strerror(code)); };
    const Case cases[] = {
        {sys(ENOSPC), "Il n'y a plus de place sur le disque."},
        {QStringLiteral("No space left on device"), "Il n'y a plus de place sur le disque."},
        {sys(EACCES), "Vous n'avez pas l'autorisation d'accéder à ce fichier."},
        {QStringLiteral("Cannot create /x/y.tmp: Permission denied"),
         "Vous n'avez pas l'autorisation d'accéder à ce fichier."},
        {sys(EPERM), "Vous n'avez pas l'autorisation d'accéder à ce fichier."},
        {sys(EROFS), "Le disque est en lecture seule."},
        {sys(ENOENT), "Le fichier ou son dossier n'existe pas."},
        {sys(EFBIG), "Le fichier est trop gros."},
        {sys(EDQUOT), "Votre quota d'espace disque est atteint."},
        {QStringLiteral("Erreur inconnue 42"), "Erreur inconnue 42"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(plat::frenchReason(c.said), QString::fromUtf8(c.french)) << c.said.toStdString();

    // A real failure: a folder that is not there.
    Sandbox box;
    try {
        plat::writeFile(box.root() + QStringLiteral("/absent/f.txt"), "x");
        ADD_FAILURE() << "no failure";
    } catch (const plat::Failure &f) {
        EXPECT_EQ(f.cause(), QStringLiteral("Le fichier ou son dossier n'existe pas."));
        EXPECT_TRUE(f.message().endsWith(f.cause())) << f.message().toStdString();
    }
}

// Clearing read-only gives the owner the right to write and nothing else: a
// file nobody could read stays unreadable to the group and the others.
TEST(WriteFile, ClearingReadOnlyAddsOnlyTheOwnersWriteBit)
{
    Sandbox box;
    const QString path = QStringLiteral("C:\\windows\\tavilo.ini");
    box.put(path, "x");
    const QByteArray host = QFile::encodeName(plat::hostPath(path));
    const struct {
        mode_t before, after;
    } cases[] = {{0000, 0200}, {0444, 0644}, {0400, 0600}, {0555, 0755}, {04555, 04755}, {0640, 0640}, {0044, 0244}};
    for (const auto &c : cases) {
        ASSERT_EQ(::chmod(host.constData(), c.before), 0);
        EXPECT_TRUE(plat::setAttributesNormal(path));
        struct stat st;
        ASSERT_EQ(::stat(host.constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.after) << std::oct << c.before;
    }
    // Only plain files are touched.
    QDir().mkpath(plat::hostPath(QStringLiteral("C:\\dossier")));
    EXPECT_FALSE(plat::setAttributesNormal(QStringLiteral("C:\\dossier")));
}
