#include "platform/fileio.h"
#include "tests/support.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The failures a piece of work with a sandbox of its own reports, caught.
QStringList failuresOf(const std::function<void(testing_support::Sandbox &)> &work)
{
    testing::TestPartResultArray results;
    {
        testing::ScopedFakeTestPartResultReporter catcher(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        testing_support::Sandbox box;
        try {
            work(box);
        } catch (const std::exception &) {
        }
    }
    QStringList messages;
    for (int i = 0; i < results.size(); ++i)
        messages.append(QString::fromStdString(results.GetTestPartResult(i).message()));
    return messages;
}

} // namespace

TEST(Sandbox, FailsATestThatWritesOutsideItsFolder)
{
    // A backslash left unescaped: "C:" and a vertical tab make no drive path,
    // and the file lands in the current folder.
    const QString stray = QStringLiteral("C:\vide.txt");
    const QString elsewhere = QDir::tempPath() + QStringLiteral("/tavilo-hors-du-bac-a-sable.txt");
    const struct {
        const char *what;
        std::function<void(testing_support::Sandbox &)> work;
        QStringList expected; // what each failure says
    } cases[] = {
        {"a drive path", [](testing_support::Sandbox &) { plat::writeFile("C:\\ok\\vide.txt", "x"); }, {}},
        {"a host path inside",
         [](testing_support::Sandbox &box) {
             plat::writeFile(box.root() + "/vide.txt", "x");
             box.put("C:\\ok\\aussi.txt", "x");
         },
         {}},
        {"a broken drive path", [&](testing_support::Sandbox &) { plat::writeFile(stray, "x"); },
         {"written outside the test's folder: " + stray}},
        {"a host path outside", [&](testing_support::Sandbox &) { plat::writeFile(elsewhere, "x"); },
         {"written outside the test's folder"}},
        {"put outside", [&](testing_support::Sandbox &box) { box.put(elsewhere, "x"); },
         {"put outside the test's folder"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList failures = failuresOf(c.work);
        QFile::remove(stray);
        QFile::remove(elsewhere);
        ASSERT_EQ(failures.size(), c.expected.size()) << failures.join('\n').toStdString();
        for (qsizetype i = 0; i < failures.size(); ++i)
            EXPECT_TRUE(failures[i].contains(c.expected[i])) << failures[i].toStdString();
    }
}
