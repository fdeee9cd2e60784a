#include "sheets/sheetlanguage.h"

#include "sheets/sheet.h"

#include <QHash>

namespace sheets {

namespace {

struct Entry {
    const char *code;
    const char *name; // UTF-8
    const char *voice;
    const char *words; // the forms users write, without accents, blank-separated
};

// Adjectives in every gender and number, since titles say "Vocabulaire
// anglais" as often as "Expressions allemandes"; a few names in the language
// itself, which some sheets are titled with, and the English names, which
// other programs' word lists give their languages.
constexpr Entry kEntries[] = {
    {"en", "Anglais", "en_GB", "anglais anglaise anglaises english"},
    {"de", "Allemand", "de_DE", "allemand allemande allemands allemandes deutsch german"},
    {"es", "Espagnol", "es_ES", "espagnol espagnole espagnols espagnoles castillan espanol spanish"},
    {"it", "Italien", "it_IT", "italien italienne italiens italiennes italiano italian"},
    {"pt", "Portugais", "pt_PT", "portugais portugaise portugaises portugues portuguese"},
    {"nl", "Néerlandais", "nl_NL",
     "neerlandais neerlandaise neerlandaises hollandais hollandaise hollandaises nederlands dutch"},
    {"ru", "Russe", "ru_RU", "russe russes russian"},
    {"pl", "Polonais", "pl_PL", "polonais polonaise polonaises polish polski"},
    {"sv", "Suédois", "sv_SE", "suedois suedoise suedoises swedish svenska"},
    {"da", "Danois", "da_DK", "danois danoise danoises danish dansk"},
    {"nb", "Norvégien", "nb_NO", "norvegien norvegienne norvegiens norvegiennes norwegian norsk"},
    {"fi", "Finnois", "fi_FI", "finnois finnoise finnoises finlandais finlandaise finlandaises finnish suomi"},
    {"el", "Grec", "el_GR", "grec grecque grecs grecques greek"},
    {"la", "Latin", "la", "latin latine latins latines"},
    {"tr", "Turc", "tr_TR", "turc turque turcs turques turkish"},
    {"cs", "Tchèque", "cs_CZ", "tcheque tcheques czech"},
    {"hu", "Hongrois", "hu_HU", "hongrois hongroise hongroises hungarian magyar"},
    {"ro", "Roumain", "ro_RO", "roumain roumaine roumains roumaines romanian"},
    {"ca", "Catalan", "ca_ES", "catalan catalane catalans catalanes"},
    {"uk", "Ukrainien", "uk_UA", "ukrainien ukrainienne ukrainiens ukrainiennes ukrainian"},
    {"ar", "Arabe", "ar_EG", "arabe arabes arabic"},
    {"he", "Hébreu", "he_IL", "hebreu hebraique hebrew"},
    {"zh", "Chinois", "zh_CN", "chinois chinoise chinoises mandarin chinese"},
    {"ja", "Japonais", "ja_JP", "japonais japonaise japonaises japanese"},
    {"ko", "Coréen", "ko_KR", "coreen coreenne coreens coreennes korean"},
    {"eo", "Espéranto", "eo", "esperanto"},
    {"br", "Breton", "br_FR", "breton bretonne bretons bretonnes"},
    {"oc", "Occitan", "oc_FR", "occitan occitane occitans occitanes"},
    {"eu", "Basque", "eu_ES", "basque basques"},
};

// Titles can be any bytes of any length; a language is named near the start.
constexpr qsizetype kLookedAt = 1000;

struct Table {
    QList<Language> languages;
    QHash<QString, qsizetype> byWord; // index into languages
    Language french{QStringLiteral("fr"), QStringLiteral("Français"), QLocale(QStringLiteral("fr_FR"))};

    Table()
    {
        for (const Entry &e : kEntries) {
            const qsizetype index = languages.size();
            languages.append({QString::fromLatin1(e.code), QString::fromUtf8(e.name),
                              QLocale(QString::fromLatin1(e.voice))});
            for (const QString &word : QString::fromLatin1(e.words).split(QLatin1Char(' ')))
                byWord.insert(word, index);
        }
    }
};

const Table &table()
{
    static const Table t;
    return t;
}

// The text in lower case without accents, every run of what is not a letter
// made one blank: "Vocabulaire d'Allemand !" gives "vocabulaire d allemand ".
QString foldedWords(QStringView text)
{
    const QString decomposed = text.left(kLookedAt).toString().normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isMark())
            continue;
        if (c.isLetter())
            out.append(c.toCaseFolded());
        else if (!out.endsWith(QLatin1Char(' ')))
            out.append(QLatin1Char(' '));
    }
    return out;
}

QStringView fileBaseName(QStringView path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    QStringView name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

} // namespace

const QList<Language> &languages()
{
    return table().languages;
}

const Language *languageOfCode(QStringView code)
{
    for (const Language &l : table().languages) {
        if (l.code == code)
            return &l;
    }
    return nullptr;
}

const Language &french()
{
    return table().french;
}

const Language *languageNamedIn(QStringView text)
{
    const Table &t = table();
    const QString words = foldedWords(text);
    for (const QStringView word : QStringView(words).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto found = t.byWord.constFind(word.toString());
        if (found != t.byWord.cend())
            return &t.languages.at(*found);
    }
    return nullptr;
}

const Language *languageOfSheet(QStringView titleLine, QStringView filePath)
{
    const QString name = sheetName(titleLine);
    if (const Language *l = languageNamedIn(name))
        return l;
    if (const Language *l = languageNamedIn(titleLine.mid(name.size())))
        return l;
    return languageNamedIn(fileBaseName(filePath));
}

QString spokenText(QStringView term)
{
    // Twice the length kept is enough to find the note and collapse blanks.
    QStringView head = term.left(2 * kSpokenLength);
    const qsizetype note = head.indexOf(QLatin1Char('['));
    if (note >= 0)
        head = head.left(note);
    QString text = head.toString().simplified();
    if (text.size() <= kSpokenLength)
        return text;
    qsizetype cut = text.lastIndexOf(QLatin1Char(' '), kSpokenLength);
    if (cut < kSpokenLength / 2) {
        cut = kSpokenLength;
        if (text.at(cut - 1).isHighSurrogate())
            --cut;
    }
    text.truncate(cut);
    return text;
}

} // namespace sheets
