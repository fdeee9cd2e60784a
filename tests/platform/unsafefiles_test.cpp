#include "platform/drivepath.h"
#include "platform/encoding.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "platform/linelist.h"
#include "tests/support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using plat::LineList;
using testing_support::Sandbox;

namespace {

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (QChar c : text) {
        const char hi = char(c.unicode() >> 8);
        const char lo = char(c.unicode() & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

} // namespace

// Something that is not a plain file, offered by the open dialog or typed into
// it, must give a failure at once: a pipe would wait for a writer forever and
// a device such as /dev/zero would never end.
TEST(UnsafeFiles, OnlyPlainFilesAreRead)
{
    Sandbox box;
    box.put(QStringLiteral("C:\\fiches\\a.fic"), "x");
    const QString pipe = box.root() + QStringLiteral("/tube.fic");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    const QString paths[] = {pipe, QStringLiteral("/dev/zero"), QStringLiteral("/dev/null")};
    for (const QString &path : paths) {
        LineList list(QStringList{QStringLiteral("kept")});
        EXPECT_THROW(list.loadFromFile(path), plat::Failure) << path.toStdString();
        EXPECT_EQ(list.lines(), QStringList{QStringLiteral("kept")});
    }
}

// A sheet saved as "Unicode" by a Windows editor is UTF-16 with a byte-order
// mark: every other byte is NUL. Read as bytes it would end after one letter,
// and the first edit would then replace the whole sheet by that letter.
TEST(UnsafeFiles, Utf16SheetsReadWholeAndSaveWithoutLoss)
{
    Sandbox box;
    const QString text = QStringLiteral("Russe //moi\\\\\r\nдом\r\nmaison\r\ncœur\r\ncœur");
    const QStringList lines{QStringLiteral("Russe //moi\\\\"), QStringLiteral("дом"), QStringLiteral("maison"),
                            QStringLiteral("cœur"), QStringLiteral("cœur")};
    for (bool bigEndian : {false, true}) {
        const QByteArray bytes = utf16(text, bigEndian);
        EXPECT_EQ(LineList::parse(bytes), lines) << bigEndian;

        const QString path = QStringLiteral("C:\\fiches\\unicode.fic");
        box.put(path, bytes);
        LineList list;
        list.loadFromFile(path);
        list.append(QStringLiteral("chat"));
        list.saveToFile(path);
        LineList again;
        again.loadFromFile(path);
        EXPECT_EQ(again.lines(), lines + QStringList{QStringLiteral("chat")}) << bigEndian;
    }
    // Windows-1252 text that would open with a UTF-16 mark is written so that
    // it reads back as itself.
    for (const QString &t : {QStringLiteral("ÿþab\r\n"), QStringLiteral("þÿ\r\n")})
        EXPECT_EQ(plat::decodeText(plat::encodeText(t)), t);
}

// What a reading ignores (from a NUL byte on) is handed back whole, so that a
// writer can keep it.
TEST(UnsafeFiles, TheBytesAfterANulAreKeptApart)
{
    struct Case {
        QByteArray bytes;
        QByteArray tail;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", QByteArray()},
        {QByteArray("a\r\nb\0tail\xFF", 10), QByteArray("\0tail\xFF", 6)},
        {QByteArray("\0", 1), QByteArray("\0", 1)},
        {QByteArray("\0\0x", 3), QByteArray("\0\0x", 3)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(plat::unreadTail(c.bytes), c.tail) << c.bytes.toHex(' ').constData();
}

// A sheet reached through a symbolic link is written where the link points,
// and the link stays.
TEST(UnsafeFiles, WritingThroughALinkKeepsTheLink)
{
    Sandbox box;
    const QString target = box.root() + QStringLiteral("/ailleurs/vraie.fic");
    const QString link = box.root() + QStringLiteral("/lien.fic");
    box.put(target, "old\r\n");
    ASSERT_TRUE(QFile::link(target, link));
    LineList(QStringList{QStringLiteral("new")}).saveToFile(link);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(box.get(target), QByteArray("new\r\n"));
}

// A state file that is (or links to) a device or a pipe is never replaced by
// a plain file: the node stays what it was, and the caller hears why.
TEST(UnsafeFiles, OnlyPlainFilesAreReplaced)
{
    Sandbox box;
    const QString dir = box.root() + QStringLiteral("/noeuds/");
    QDir().mkpath(dir);
    const QByteArray pipe = QFile::encodeName(dir + QStringLiteral("tube"));
    ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0);
    // A null device of our own, when the rights allow it; never a system one.
    const QByteArray device = QFile::encodeName(dir + QStringLiteral("nul"));
    const bool haveDevice = mknod(device.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    QFile::link(QString::fromLocal8Bit(pipe), dir + QStringLiteral("lien-tube"));
    QFile::link(QString::fromLocal8Bit(device), dir + QStringLiteral("lien-nul"));

    const struct {
        const char *name;
        mode_t type;
    } cases[] = {{"tube", S_IFIFO}, {"lien-tube", S_IFIFO}, {"nul", S_IFCHR}, {"lien-nul", S_IFCHR}};
    for (const auto &c : cases) {
        if (c.type == S_IFCHR && !haveDevice)
            continue;
        SCOPED_TRACE(c.name);
        const QString path = dir + QString::fromLatin1(c.name);
        try {
            LineList(QStringList{QStringLiteral("Anonyme")}).saveToFile(path);
            ADD_FAILURE() << "replaced";
        } catch (const plat::Failure &f) {
            EXPECT_TRUE(f.message().contains(QStringLiteral("pas un fichier ordinaire"))) << f.message().toStdString();
        }
        struct stat st;
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & S_IFMT, c.type);
        EXPECT_FALSE(plat::setAttributesNormal(path));
    }
    // No temporary file left behind either.
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(),
              haveDevice ? 4 : 3);
}
