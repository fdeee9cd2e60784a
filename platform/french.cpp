#include "platform/french.h"

#include "platform/system.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace plat {
namespace {

// The kinds of entry a file dialog lists: Qt's French translation of this
// version leaves them in English ("Folder", "fic File").
class FileKinds : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        static const struct {
            const char *english, *french;
        } kinds[] = {{"Drive", "Lecteur"}, {"Folder", "Dossier"}, {"File", "Fichier"},
                     {"%1 File", "Fichier %1"}, {"Unknown", "Inconnu"}};
        for (const auto &k : kinds)
            if (qstrcmp(source, k.english) == 0)
                return QString::fromUtf8(k.french);
        return {};
    }
};

} // namespace

bool loadFrenchTranslation()
{
    static QTranslator *loaded = nullptr;
    if (loaded)
        return true;
    // Installed first, so that Qt's own translation, searched before it, wins
    // where it has a text.
    static const bool kinds = QCoreApplication::installTranslator(new FileKinds(QCoreApplication::instance()));
    Q_UNUSED(kinds);
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

void frenchSystemLocale()
{
    // The variables Qt reads, in the order in which they win.
    static const char *const kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    QByteArray chosen;
    for (const char *name : kNames) {
        chosen = qgetenv(name);
        if (!chosen.isEmpty())
            break;
    }
    const QByteArray language = chosen.left(chosen.indexOf('.'));
    if (!language.isEmpty() && language != "C" && language != "POSIX")
        return;
    const bool hadAll = qEnvironmentVariableIsSet("LC_ALL");
    const QByteArray all = qgetenv("LC_ALL");
    qputenv("LC_ALL", "fr_FR.UTF-8");
    (void)QLocale::system();
    if (hadAll)
        qputenv("LC_ALL", all);
    else
        qunsetenv("LC_ALL");
}

void useFrenchInterface()
{
    QLocale::setDefault(regionalLocale());
    loadFrenchTranslation();
}

} // namespace plat
