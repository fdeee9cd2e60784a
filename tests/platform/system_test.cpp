#include "platform/system.h"
#include "tests/support.h"

#include <gtest/gtest.h>

using testing_support::Sandbox;

TEST(PercentageText, ShortestTextCutToSixCharacters)
{
    Sandbox box; // French: comma as the decimal separator
    struct Case {
        double part, total;
        const char *text;
    };
    const Case cases[] = {
        {2, 3, "66,666"}, {1, 7, "14,285"}, {3, 3, "100"},   {0, 5, "0"},
        {1, 2, "50"},     {1, 3, "33,333"}, {1, 8, "12,5"},  {5, 6, "83,333"},
        {1, 400, "0,25"}, {1, 1e9, "1E-7"}, {7, 3, "233,33"}, {1, 30000, "0,0033"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(plat::percentageText(c.part, c.total), QString::fromUtf8(c.text))
            << c.part << "/" << c.total;
}

TEST(FloatText, FifteenSignificantDigitsAndPlainExponent)
{
    struct Case {
        double value;
        const char *text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {66.66666666666667, "66.6666666666667"},
        {0.1 + 0.2, "0.3"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {1.5e20, "1.5E20"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {-2.5e-12, "-2.5E-12"},
        {-42.0, "-42"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(plat::floatText(c.value, QLatin1Char('.')), QString::fromLatin1(c.text)) << c.value;
    EXPECT_EQ(plat::floatText(2.5, QLatin1Char(',')), QStringLiteral("2,5"));
}

TEST(System, FixedSystemPinsClockLocaleAndDraws)
{
    Sandbox box;
    auto &s = plat::system();
    EXPECT_EQ(s.shortDate(s.now().date()), QStringLiteral("08/12/2026"));
    EXPECT_EQ(s.longTime(s.now().time()), QStringLiteral("10:30:15"));
    EXPECT_EQ(s.decimalSeparator(), QLatin1Char(','));
    std::vector<int> draws;
    for (int i = 0; i < 200; ++i) {
        const int r = s.random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        draws.push_back(r);
    }
    EXPECT_EQ(s.random(0), 0);
    EXPECT_EQ(s.random(1), 0);
    // Seeded: the same sequence again.
    plat::setSystem(std::make_unique<plat::FixedSystem>());
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(plat::system().random(7), draws[i]);
}

// A machine left in the C or POSIX locale still writes its dates, times and
// decimals the French way, like the rest of the interface; any other locale
// is the user's choice and is kept.
TEST(System, RegionalFormatsFollowTheUserExceptTheCLocale)
{
    const QDate date(2026, 12, 8);
    const QTime time(5, 7, 43);
    struct Case {
        QLocale system;
        const char *date, *time;
        char separator;
    };
    const Case cases[] = {
        {QLocale::c(), "08/12/2026", "05:07:43", ','},
        {QLocale(QStringLiteral("POSIX")), "08/12/2026", "05:07:43", ','},
        {QLocale(QLocale::French, QLocale::Canada), "2026-12-08", "05 h 07 min 43 s", ','},
        {QLocale(QLocale::German, QLocale::Germany), "08.12.26", "05:07:43", ','},
        {QLocale(QLocale::English, QLocale::UnitedStates), "12/8/26", "5:07:43 AM", '.'},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.system.name().toStdString());
        const plat::System sys(c.system);
        EXPECT_EQ(sys.shortDate(date), QString::fromUtf8(c.date));
        EXPECT_EQ(sys.longTime(time), QString::fromUtf8(c.time));
        EXPECT_EQ(sys.decimalSeparator(), QLatin1Char(c.separator));
    }
}
