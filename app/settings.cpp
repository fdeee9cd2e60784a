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

constexpr std::array<SystemColour, 25> kSystem = {{
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
    {"clInfoBk", 24, 0xE1FFFF},
}};

constexpr TColor kSystemFlag = 0x80000000u;

} // namespace

QString colourToText(TColor colour)
{
    for (const Named &n : kPalette)
        if (n.value == colour)
            return QString::fromLatin1(n.name);
    for (const SystemColour &s : kSystem)
        if ((kSystemFlag | s.index) == colour)
            return QString::fromLatin1(s.name);
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
    bool ok = false;
    qint64 value;
    if (text.startsWith(QLatin1Char('$'))) {
        const QString digits = text.mid(1);
        if (digits.isEmpty() || digits.size() > 8)
            return std::nullopt;
        value = digits.toLongLong(&ok, 16);
        if (digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
            ok = false;
    } else {
        value = text.trimmed() == text ? text.toLongLong(&ok, 10) : 0;
        if (ok && (value < -2147483648LL || value > 4294967295LL))
            ok = false;
    }
    if (!ok)
        return std::nullopt;
    return TColor(quint32(value));
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

std::optional<int> integerFromText(const QString &text)
{
    if (text.isEmpty() || text.trimmed() != text)
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace settings
