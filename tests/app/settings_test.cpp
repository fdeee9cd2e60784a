#include "app/settings.h"
#include "platform/drivepath.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "tests/support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using testing_support::crlf;
using testing_support::Sandbox;

namespace {

plat::LineList loaded()
{
    plat::LineList list;
    list.loadFromFile(settings::kPath);
    return list;
}

} // namespace

TEST(SettingsWriteLine, ReplacesAppendsOrFillsThenSavesTheWholeList)
{
    struct Case {
        QByteArray file;
        int k;
        QByteArray after;
    };
    const Case cases[] = {
        // Nine lines: line 5 replaced, the other eight untouched.
        {crlf({"08/12/2026 10:30:15", "Anonyme", "Soci\xE9t\xE9 Anonyme", "800", "Mouse", "1", "3",
               "20", "clBlack"}),
         5,
         crlf({"08/12/2026 10:30:15", "Anonyme", "Soci\xE9t\xE9 Anonyme", "800", "Mouse", "7", "3",
               "20", "clBlack"})},
        // Five lines: line 5 appended.
        {crlf({"d", "Anonyme", "S", "800", "No Mouse"}), 5,
         crlf({"d", "Anonyme", "S", "800", "No Mouse", "7"})},
        // Lines missing before the one written get what the windows show
        // for them, so the written line is kept.
        {QByteArray("d\nAnonyme\nS\n800\nNo Mouse"), 6, crlf({"d", "Anonyme", "S", "800", "No Mouse", "1", "7"})},
        {crlf({"d", "Anonyme", "S", "800", "No Mouse"}), 8,
         crlf({"d", "Anonyme", "S", "800", "No Mouse", "1", "3", "20", "7"})},
        {crlf({"d", "Anonyme"}), 5, crlf({"d", "Anonyme", "", "800", "No Mouse", "7"})},
        // Lines after line 8 are left as they are.
        {crlf({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}), 8,
         crlf({"0", "1", "2", "3", "4", "5", "6", "7", "7", "9", "10"})},
    };
    for (const Case &c : cases) {
        Sandbox box;
        box.put(settings::kPath, c.file);
        plat::LineList list = loaded();
        EXPECT_TRUE(settings::writeLine(list, c.k, QStringLiteral("7")));
        EXPECT_EQ(box.get(settings::kPath), c.after) << c.k;
        EXPECT_EQ(list.toBytes(), c.after);
        EXPECT_TRUE(box.desktop().messages().isEmpty());
    }
}

// A list that was never read (a first run left unfinished) stays in memory
// only: the file on disk, or its absence, is left as it is.
TEST(SettingsWriteLine, AnEmptyListNeverReplacesTheFile)
{
    for (const QByteArray &file : {QByteArray(), crlf({"d", "Marie", "Lac", "800"})}) {
        Sandbox box;
        if (!file.isEmpty())
            box.put(settings::kPath, file);
        plat::LineList list;
        EXPECT_TRUE(settings::writeLine(list, settings::InputMode, QStringLiteral("Mouse")));
        EXPECT_TRUE(settings::writeLine(list, settings::UserName, QStringLiteral("Marie")));
        EXPECT_TRUE(list.isEmpty());
        EXPECT_EQ(box.exists(settings::kPath), !file.isEmpty());
        EXPECT_EQ(box.get(settings::kPath), file);
        EXPECT_TRUE(box.desktop().messages().isEmpty());
    }
}

TEST(SettingsWriteLine, ReadOnlyFileIsSavedWithoutAMessage)
{
    Sandbox box;
    box.put(settings::kPath, crlf({"d", "Anonyme", "S", "800"}));
    const QString host = plat::hostPath(settings::kPath);
    QFile::setPermissions(host, QFileDevice::ReadOwner);
    plat::LineList list = loaded();
    EXPECT_TRUE(settings::writeLine(list, settings::InputMode, QStringLiteral("Mouse")));
    EXPECT_EQ(box.get(settings::kPath), crlf({"d", "Anonyme", "S", "800", "Mouse"}));
    EXPECT_TRUE(QFileInfo(host).permissions() & QFileDevice::WriteOwner);
    EXPECT_TRUE(box.desktop().messages().isEmpty());
}

TEST(SettingsWriteLine, FailedSaveShowsTheMessageAndKeepsTheChange)
{
    Sandbox box;
    const QByteArray before = crlf({"d", "Anonyme", "S", "800", "No Mouse"});
    box.put(settings::kPath, before);
    plat::LineList list = loaded();

    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("Disque plein."); });
    EXPECT_FALSE(settings::writeLine(list, settings::InputMode, QStringLiteral("Mouse")));
    EXPECT_EQ(box.desktop().messages(),
              QStringList{QStringLiteral("Vos paramètres utilisateur n'ont pas pu être sauvés.")});
    EXPECT_EQ(list.memoLine(settings::InputMode), QStringLiteral("Mouse"));
    EXPECT_EQ(box.get(settings::kPath), before); // old file whole
    plat::setWriteFailureHook({});

    // A folder where the file should be: the same message, the list changed.
    QFile::remove(plat::hostPath(settings::kPath));
    QDir().mkpath(plat::hostPath(settings::kPath));
    EXPECT_FALSE(settings::writeLine(list, settings::LearningReveal, QStringLiteral("4")));
    EXPECT_EQ(box.desktop().messages().size(), 2);
    EXPECT_EQ(box.desktop().messages().back(),
              QStringLiteral("Vos paramètres utilisateur n'ont pas pu être sauvés."));
    EXPECT_EQ(list.count(), 6);
    EXPECT_TRUE(QFileInfo(plat::hostPath(settings::kPath)).isDir());
}

TEST(SettingsColour, WrittenAsPaletteNameOrDollarHex)
{
    struct Case {
        settings::TColor colour;
        const char *text;
    };
    const Case cases[] = {
        {0x000000, "clBlack"},     {0x000080, "clMaroon"},   {0x008000, "clGreen"},
        {0x008080, "clOlive"},     {0x800000, "clNavy"},     {0x800080, "clPurple"},
        {0x808000, "clTeal"},      {0x808080, "clGray"},     {0xC0C0C0, "clSilver"},
        {0x0000FF, "clRed"},       {0x00FF00, "clLime"},     {0x00FFFF, "clYellow"},
        {0xFF0000, "clBlue"},      {0xFF00FF, "clFuchsia"},  {0xFFFF00, "clAqua"},
        {0xFFFFFF, "clWhite"},     {0xC0DCC0, "clMoneyGreen"}, {0xF0CAA6, "clSkyBlue"},
        {0xF0FBFF, "clCream"},     {0xA4A0A0, "clMedGray"},
        {0x000001, "$00000001"},   {0x4080FF, "$004080FF"},  {0xABCDEF, "$00ABCDEF"},
        {0xFFFFFE, "$00FFFFFE"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(settings::colourToText(c.colour), QString::fromLatin1(c.text));
        EXPECT_EQ(settings::colourFromText(QString::fromLatin1(c.text)), c.colour) << c.text;
    }
}

TEST(SettingsColour, ReadsNamesInAnyCaseSystemColoursHexAndDecimal)
{
    using settings::TColor;
    struct Case {
        const char *text;
        std::optional<TColor> colour;
    };
    const Case cases[] = {
        {"clNavy", 0x800000u},
        {"CLNAVY", 0x800000u},
        {"clnavy", 0x800000u},
        {"Navy", std::nullopt},
        {"clWindow", 0x80000005u},
        {"clbtnface", 0x8000000Fu},
        {"$000000FF", 0x0000FFu},    // lowest byte red
        {"$00FF0000", 0xFF0000u},    // then green, then blue
        {"$ff", 0xFFu},
        {"$", std::nullopt},
        {"$123456789", std::nullopt},
        {"$0x12", std::nullopt},
        {"$-1", std::nullopt},
        {"$12G", std::nullopt},
        {"255", 255u},
        {"+255", 255u},
        {"-1", 0xFFFFFFFFu},
        {"2147483647", 0x7FFFFFFFu},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {" 255", std::nullopt},
        {"255 ", std::nullopt},
        {"12.5", std::nullopt},
        {"rouge", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(settings::colourFromText(QString::fromLatin1(c.text)), c.colour) << c.text;

    // System colours are given their usual look; plain colours are themselves.
    EXPECT_EQ(settings::resolveColour(*settings::colourFromText(QStringLiteral("clWindow"))), 0xFFFFFFu);
    EXPECT_EQ(settings::resolveColour(*settings::colourFromText(QStringLiteral("clWindowText"))), 0u);
    EXPECT_EQ(settings::resolveColour(0x123456u), 0x123456u);
    EXPECT_EQ(settings::colourToText(*settings::colourFromText(QStringLiteral("CLBTNFACE"))),
              QStringLiteral("clBtnFace"));
}

TEST(SettingsInteger, WholeNumberOrConversionFailure)
{
    struct Case {
        const char *text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"1", 1},   {"20", 20},   {"100", 100}, {"-3", -3},  {"+7", 7},   {"007", 7},
        {"", std::nullopt},  {" 5", std::nullopt}, {"5 ", std::nullopt}, {"5a", std::nullopt},
        {"2,5", std::nullopt}, {"$10", std::nullopt}, {"-", std::nullopt},
        {"99999999999", std::nullopt}, {"No Mouse", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(settings::integerFromText(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(SettingsFile, BadFilesLoadOrFailClearly)
{
    Sandbox box;
    plat::LineList list;
    // CR-only ends and junk read as lines; a line too long for any control is whole.
    box.put(settings::kPath, QByteArray("a\rAnonyme\r\xFF\xFE\x01\r") + QByteArray(1 << 20, 'z'));
    list.loadFromFile(settings::kPath);
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.memoLine(3).size(), 1 << 20);
    EXPECT_EQ(settings::integerFromText(list.memoLine(settings::LearningReveal)), std::nullopt);

    // A folder or a dangling link where the file should be: a failure to the caller.
    QFile::remove(plat::hostPath(settings::kPath));
    ASSERT_TRUE(QFile::link(box.root() + QStringLiteral("/nowhere"), plat::hostPath(settings::kPath)));
    EXPECT_THROW(list.loadFromFile(settings::kPath), plat::Failure);
    QFile::remove(plat::hostPath(settings::kPath));
    QDir().mkpath(plat::hostPath(settings::kPath));
    EXPECT_THROW(list.loadFromFile(settings::kPath), plat::Failure);
    EXPECT_EQ(list.count(), 4);
}
