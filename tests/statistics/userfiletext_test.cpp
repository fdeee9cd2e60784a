#include "statistics/userfile.h"
#include "statistics/userfiletext.h"
#include "platform/linelist.h"
#include "tests/support.h"

#include <gtest/gtest.h>

#include <algorithm>

using statistics::UserFileText;

namespace {

// The first of the longest lines, -1 for none.
qsizetype longest(const QStringList &lines)
{
    const auto it = std::max_element(lines.begin(), lines.end(),
                                     [](const QString &a, const QString &b) { return a.size() < b.size(); });
    return it == lines.end() ? -1 : it - lines.begin();
}

} // namespace

// Read as any text file of the program is read, a record appended is written
// with the very bytes a line list holding the same lines would write.
TEST(UserFileText, ReadsAndWritesAsALineList)
{
    testing_support::Sandbox box; // the French locale
    const QByteArray cases[] = {
        "",
        "Fiche de Statistiques Utilisateur :", // short header, no final line end
        "a\r\nb\r\n",
        "a\nb",
        "a\rb\r\n\r\n",
        "a\n\rb\r\r\n",                        // LF CR and CR CR LF: two ends each
        QByteArray("a\r\nb\0c\r\nd", 10),      // the text ends at the NUL
        QByteArray("a\r\n\0", 4),
        "caf\xE9\nna\xEFve\r",                 // Windows-1252
        "\xEF\xBB\xBF" "caf\xC3\xA9\r\n\xEF\xBB\xBFx", // UTF-8: only the first mark dropped
        "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\n\xE2\x82\xAC",
        QByteArray("\xFF\xFE" "a\0\r\0\n\0b\0\0\0c\0", 14), // UTF-16: its NUL ends the text
        QByteArray("\xFF\xFE" "a\0\n\0\x0D\xDC", 8),        // a lone surrogate survives
        QByteArray("\xFE\xFF\0a\0\r\0b", 8),
    };
    // A title outside Windows-1252 turns the whole file to UTF-8.
    const QString titles[] = {QStringLiteral("Verbes //CM1\\\\"), QStringLiteral("Verbes → été")};
    int k = 0;
    for (const QByteArray &bytes : cases) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        UserFileText file = UserFileText::fromBytes(bytes);
        plat::LineList list(plat::LineList::parse(bytes));
        ASSERT_EQ(file.lines(), list.lines());
        EXPECT_EQ(file.count(), list.count());
        EXPECT_EQ(file.toBytes(), list.toBytes());
        EXPECT_EQ(file.longestLine(), longest(list.lines()));

        statistics::appendTestRecord(file, {"2", "1", "30", titles[k++ % 2]}, "08/12/2026", "10:00:00");
        for (qsizetype i = list.count(); i < file.count(); ++i)
            list.append(file.memoLine(i));
        EXPECT_EQ(file.lines(), list.lines());
        EXPECT_EQ(file.toBytes(), list.toBytes());
        EXPECT_EQ(file.longestLine(), longest(list.lines()));
        EXPECT_EQ(UserFileText::fromBytes(file.toBytes()), file);
    }
}

// A line end inside a line given makes the lines the file will read as when
// opened again; cutting the file back leaves the lines before the cut and
// their longest for the view.
TEST(UserFileText, AppendedLineEndsAndCutsKeepTheLinesAsRead)
{
    const QStringList cases[] = {
        {"a\nb"},
        {"longer\r", "x"},
        {"a\r\nb\n", "\n\r"},
        {"", "the longest", "second one", "lo"},
    };
    for (const QStringList &appended : cases) {
        SCOPED_TRACE(appended.join('|').toStdString());
        UserFileText file({QStringLiteral("Titre")});
        file.append(appended);
        const QStringList read = UserFileText::fromBytes(file.toBytes()).lines();
        ASSERT_EQ(file.lines(), read);
        EXPECT_EQ(file.longestLine(), longest(read));
        for (qsizetype n = 0; n <= read.size(); ++n) {
            UserFileText cut = file;
            cut.truncate(n);
            EXPECT_EQ(cut.lines(), read.first(n));
            EXPECT_EQ(cut.longestLine(), longest(cut.lines()));
            EXPECT_EQ(cut.text(), plat::LineList(read.first(n)).toText());
        }
    }
}
