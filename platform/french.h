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

} // namespace plat
