#include "sheets/titlefile.h"
#include "platform/linelist.h"
#include "tests/support.h"

#include <gtest/gtest.h>

namespace {

TEST(CatalogueTitle, EndsAndEncodings)
{
    testing_support::Sandbox box;
    struct Case {
        const char *name;
        QByteArray bytes;
        QString title;
    } cases[] = {
        {"crlf", "Titre //info\\\\\r\nhouse\r\n", QStringLiteral("Titre //info\\\\")},
        {"lf", "Titre\nx", QStringLiteral("Titre")},
        {"cr", "Titre\rx", QStringLiteral("Titre")},
        {"no line end", "Titre seul", QStringLiteral("Titre seul")},
        {"empty", "", QString()},
        {"line end first", "\r\nhouse\r\n", QString()},
        {"nul in title", QByteArray("Tit\0re\r\n", 8), QStringLiteral("Tit")},
        {"windows-1252", "Fran\xE7" "ais\r\n\x80", QStringLiteral("Français")},
        {"utf-8", "Fran\xC3\xA7" "ais\r\n\xE2\x82\xAC\r\n", QStringLiteral("Français")},
        // Valid UTF-8 in the title, but a lone 0xE9 further down: the file is Windows-1252.
        {"utf-8 title, 1252 body", "Fran\xC3\xA7" "ais\r\ncaf\xE9\r\n", QStringLiteral("FranÃ§ais")},
        // The text ends at a NUL byte: what follows does not decide the encoding.
        {"junk after nul", QByteArray("Fran\xC3\xA7" "ais\r\n\0\xE9", 13), QStringLiteral("Français")},
        // "Unicode" files of Windows editors: UTF-16 with its byte-order mark.
        {"utf-16le", QByteArray("\xFF\xFE" "\x34\x04\x3E\x04\x3C\x04\r\0\n\0x\0", 14), QStringLiteral("дом")},
        {"utf-16be", QByteArray("\xFE\xFF" "\0F\0r\0\xE7\0\n\0x", 12), QStringLiteral("Frç")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        box.put(QStringLiteral("C:\\t.fic"), c.bytes);
        EXPECT_EQ(sheets::readTitleLine(QStringLiteral("C:\\t.fic")), c.title);
    }
}

// The start-up's title and the title of the whole sheet, as the other
// windows read it, are one text whatever the bytes.
TEST(CatalogueTitle, AgreesWithTheWholeFileReader)
{
    testing_support::Sandbox box;
    const QByteArray cases[] = {
        QByteArray("\xFF\xFE" "Ti\0\0\r\0\n\0A", 11), // odd size: not UTF-16
        QByteArray("\xFF\xFE" "T\0i\0\0\0\r\0", 10),   // NUL unit inside the title
        QByteArray("\xFF\xFE" "a\0\x0D\xDF\r\0", 8),    // lone surrogate
        QByteArray("\xFF\xFE", 2),
        QByteArray("\xFF", 1),
        QByteArray("Caf\xC3\xA9\0\xE9", 7),
        QByteArray("\xE9t\xE9", 3),
        QByteArray("Fran\xC3", 5), // cut sequence at the end
    };
    for (const QByteArray &bytes : cases) {
        SCOPED_TRACE(bytes.toHex(' ').toStdString());
        box.put(QStringLiteral("C:\\t.fic"), bytes);
        EXPECT_EQ(sheets::readTitleLine(QStringLiteral("C:\\t.fic")),
                  plat::LineList::parse(bytes).value(0));
    }
}

// A big file is checked without being held in memory; its encoding still
// depends on its last bytes.
TEST(CatalogueTitle, BigFile)
{
    testing_support::Sandbox box;
    QByteArray body = "Fran\xC3\xA7" "ais\r\n";
    const QByteArray pair = "house\r\nmaison\r\n";
    while (body.size() < 4 * 1024 * 1024)
        body += pair;
    box.put(QStringLiteral("C:\\gros.fic"), body + "\xC3\xA9t\xC3\xA9\r\n");
    EXPECT_EQ(sheets::readTitleLine(QStringLiteral("C:\\gros.fic")), QStringLiteral("Français"));
    box.put(QStringLiteral("C:\\gros.fic"), body + "\xE9t\xE9\r\n");
    EXPECT_EQ(sheets::readTitleLine(QStringLiteral("C:\\gros.fic")), QStringLiteral("FranÃ§ais"));
}

} // namespace
