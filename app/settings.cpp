#include "app/settings.h"


#include <array>

namespace settings {
namespace {

struct Named {
    const char *name;
    TColor value;
};

constexpr std::array<Named, 20> kPalette = {{
    {"clBlack", 0x000000},    {"clMaroon", 0x000080},  {"clGreen", 0x008000},
    {"clOlive", 0x008080},    {"clNavy", 0x800000},    {"clPurple", 0x800080},
    {"clTeal", 0x808000},     {"clGray", 0x808080},    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},      {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},     {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},    {"clMedGray", 0xA4A0A0},
}};

// System colours: the index of the desktop colour, and the look given to it
// here (a light theme close to the classic one).
struct SystemColour {
    const char *name;
    quint32 index;
    TColor look;
};

constexpr std::array<SystemColour, 30> kSystem = {{
    {"clScrollBar", 0, 0xC8C8C8},         {"clBackground", 1, 0x000000},
    {"clActiveCaption", 2, 0xD1B499},     {"clInactiveCaption", 3, 0xDBCDBF},
    {"clMenu", 4, 0xF0F0F0},              {"clWindow", 5, 0xFFFFFF},
    {"clWindowFrame", 6, 0x646464},       {"clMenuText", 7, 0x000000},
    {"clWindowText", 8, 0x000000},        {"clCaptionText", 9, 0x000000},
    {"clActiveBorder", 10, 0xB4B4B4},     {"clInactiveBorder", 11, 0xFCF7F4},
    {"clAppWorkSpace", 12, 0xABABAB},     {"clHighlight", 13, 0xD77800},
    {"clHighlightText", 14, 0xFFFFFF},    {"clBtnFace", 15, 0xF0F0F0},
    {"clBtnShadow", 16, 0xA0A0A0},        {"clGrayText", 17, 0x6D6D6D},
    {"clBtnText", 18, 0x000000},          {"clInactiveCaptionText", 19, 0x000000},
    {"clBtnHighlight", 20, 0xFFFFFF},     {"cl3DDkShadow", 21, 0x696969},
    {"cl3DLight", 22, 0xE3E3E3},          {"clInfoText", 23, 0x000000},
    {"clInfoBk", 24, 0xE1FFFF},           {"clHotLight", 26, 0xCC6600},
    {"clGradientActiveCaption", 27, 0xEAD1B9}, {"clGradientInactiveCaption", 28, 0xF2E4D7},
    {"clMenuHighlight", 29, 0xFF9933},    {"clMenuBar", 30, 0xF0F0F0},
}};

// The two names that stand for no colour at all; written and read by name.
constexpr std::array<Named, 2> kSpecial = {{
    {"clNone", 0x1FFFFFFF}, {"clDefault", 0x20000000},
}};

constexpr TColor kSystemFlag = 0x80000000u;

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Optional sign and ASCII digits only, within a signed 32-bit value: no
// spaces, no group separators, no other digit scripts.
std::optional<qint32> parseDecimal(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return std::nullopt;
    return qint32(value);
}

} // namespace

QString colourToText(TColor colour)
{
    for (const Named &n : kPalette)
        if (n.value == colour)
            return QString::fromLatin1(n.name);
    for (const SystemColour &s : kSystem)
        if ((kSystemFlag | s.index) == colour)
            return QString::fromLatin1(s.name);
    for (const Named &n : kSpecial)
        if (n.value == colour)
            return QString::fromLatin1(n.name);
    return QStringLiteral("$%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> colourFromText(const QString &text)
{
    for (const Named &n : kPalette)
        if (text.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    for (const SystemColour &s : kSystem)
        if (text.compare(QLatin1String(s.name), Qt::CaseInsensitive) == 0)
            return kSystemFlag | s.index;
    for (const Named &n : kSpecial)
        if (text.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    if (text.startsWith(QLatin1Char('$'))) {
        const QStringView digits = QStringView(text).mid(1);
        if (digits.isEmpty() || digits.size() > 8)
            return std::nullopt;
        TColor value = 0;
        for (QChar c : digits) {
            const int d = hexDigit(c);
            if (d < 0)
                return std::nullopt;
            value = (value << 4) | TColor(d);
        }
        return value;
    }
    if (const auto value = parseDecimal(text))
        return TColor(quint32(*value));
    return std::nullopt;
}

TColor resolveColour(TColor colour)
{
    if (colour & kSystemFlag) {
        const quint32 index = colour & 0xFF;
        for (const SystemColour &s : kSystem)
            if (s.index == index)
                return s.look;
        return 0;
    }
    return colour & 0xFFFFFF;
}

QString defaultLine(int k)
{
    switch (k) {
    case ScreenArea:
        return QStringLiteral("800");
    case InputMode:
        return QStringLiteral("No Mouse");
    case LearningReveal:
        return QStringLiteral("1");
    case LearningInterval:
        return QStringLiteral("3");
    case TestInterval:
        return QStringLiteral("20");
    case FullScreenColour:
        return QStringLiteral("clBlack");
    default:
        // The date, the name and the company: nothing shows in their place.
        return QString();
    }
}

std::optional<int> integerFromText(const QString &text)
{
    if (const auto value = parseDecimal(text))
        return int(*value);
    return std::nullopt;
}

} // namespace settings
