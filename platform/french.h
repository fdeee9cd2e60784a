#pragma once

namespace plat {

// Qt's own texts (the file, font, colour and print dialogs, the buttons of
// message boxes, the context menus of text fields) in French, whatever the
// machine's language. False when the translation is not installed; the texts
// then stay in English. Loaded once however often it is called.
bool loadFrenchTranslation();

// The French interface as a whole: Qt's texts, and the regional formats that
// Qt's own widgets use (French on a machine left in the C locale).
void useFrenchInterface();

// Qt's widgets that format by themselves (the sizes and dates of the file
// dialog) follow QLocale::system(), which Qt reads once from the environment.
// On a machine left in the C or POSIX locale it is made French, as the
// program's own formats are; the environment itself is left as it was, for
// the programs started from here. To be called first thing in main, before
// anything asks Qt for the system locale.
void frenchSystemLocale();

} // namespace plat
