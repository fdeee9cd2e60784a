#include "platform/french.h"

#include "platform/system.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace plat {

bool loadFrenchTranslation()
{
    static QTranslator *loaded = nullptr;
    if (loaded)
        return true;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    loaded = translator;
    return true;
}

void useFrenchInterface()
{
    QLocale::setDefault(regionalLocale());
    loadFrenchTranslation();
}

} // namespace plat
