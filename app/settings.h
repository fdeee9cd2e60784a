#pragma once
#include "platform/linelist.h"

#include <QString>
#include <optional>

// The settings file: meaning by line position alone.
namespace settings {

inline const QString kPath = QStringLiteral("C:\\windows\\tavilo.ini");
inline const QString kSaveFailed = QStringLiteral("Vos paramètres utilisateur n'ont pas pu être sauvés.");

enum Line { DateLine = 0, UserName = 1, Company = 2, ScreenArea = 3, InputMode = 4,
            LearningReveal = 5, LearningInterval = 6, TestInterval = 7, FullScreenColour = 8 };

// What a window shows for line k while the file holds no such line: a list
// too short for a line it is given gets these lines first.
QString defaultLine(int k);

// Replaces line k, first filling the lines missing before it with their
// defaults, then saves the whole list, unless it is empty. A failed save
// shows the message and keeps the list as changed. Returns whether the save
// worked.
bool writeLine(plat::LineList &list, int k, const QString &text);

// A colour as the program stores it: 0x00BBGGRR, or a system colour
// (0x80000000 | index) that stands for a colour of the desktop's theme.
using TColor = quint32;

// The twenty palette colours are written by name, any other as "$00BBGGRR".
QString colourToText(TColor colour);
// Names of the palette and system colours (and clNone, clDefault) in any
// letter case, "$" and one to eight hexadecimal digits, or a signed 32-bit
// decimal number; nullopt on anything else.
std::optional<TColor> colourFromText(const QString &text);
// The 0x00BBGGRR value of a colour, system colours given their usual look.
TColor resolveColour(TColor colour);

// A whole decimal number; nullopt on anything else, an empty text included.
std::optional<int> integerFromText(const QString &text);

} // namespace settings
