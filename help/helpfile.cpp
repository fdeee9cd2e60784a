#include "help/helpfile.h"

#include "platform/drivepath.h"
#include "platform/encoding.h"
#include "platform/failure.h"
#include "platform/linelist.h"

#include <QFileInfo>

namespace helpfile {
namespace {

const QString kHeader = QStringLiteral("Nom du programme :");
const QString kTitle = QStringLiteral("<T>");
const QString kKeywords = QStringLiteral("<K>");
const QString kOpen = QStringLiteral("/-\\");
const QString kClose = QStringLiteral("\\-/");

bool isBlank(const QString &line)
{
    return line.trimmed().isEmpty();
}

Parsed failure(const QString &error)
{
    return {{}, error};
}

QString lineRef(qsizetype index)
{
    return QStringLiteral("ligne %1").arg(index + 1);
}

} // namespace

Parsed parse(const QStringList &lines)
{
    if (lines.isEmpty())
        return failure(QStringLiteral("Le fichier d'aide est vide."));
    if (lines.at(0).trimmed() != kHeader)
        return failure(QStringLiteral("Ce document n'est pas un fichier d'aide : sa première ligne "
                                      "devrait être « Nom du programme : »."));
    if (lines.size() < 2)
        return failure(QStringLiteral("Le fichier d'aide s'arrête avant le nom du programme."));

    Document doc;
    doc.programName = lines.at(1).trimmed();
    qsizetype i = 2;
    const qsizetype n = lines.size();
    while (i < n) {
        const QString &line = lines.at(i);
        if (isBlank(line)) {
            ++i;
            continue;
        }
        if (!line.startsWith(kTitle))
            return failure(QStringLiteral("Le fichier d'aide est mal formé (%1) : une rubrique doit "
                                          "commencer par une ligne « <T> » suivie de son titre.")
                               .arg(lineRef(i)));
        Topic topic;
        topic.title = line.mid(kTitle.size()).trimmed();
        const QString name = QStringLiteral("« %1 »").arg(topic.title);
        ++i;
        if (i >= n || !lines.at(i).startsWith(kKeywords))
            return failure(QStringLiteral("Le fichier d'aide est mal formé : la rubrique %1 n'a pas "
                                          "de ligne de mots-clés « <K> » après son titre.")
                               .arg(name));
        for (const QString &word : lines.at(i).mid(kKeywords.size()).split(QStringLiteral(":-:")))
            if (!isBlank(word))
                topic.keywords << word.trimmed();
        ++i;
        while (i < n && isBlank(lines.at(i)))
            ++i;
        if (i >= n || !lines.at(i).startsWith(kOpen))
            return failure(QStringLiteral("Le fichier d'aide est mal formé : le texte de la rubrique "
                                          "%1 ne commence pas par « /-\\ ».")
                               .arg(name));
        const qsizetype opened = i;
        QStringList text;
        QString current = lines.at(i).mid(kOpen.size());
        for (;;) {
            if (current.endsWith(kClose)) {
                text << current.chopped(kClose.size());
                break;
            }
            text << current;
            if (++i >= n)
                return failure(QStringLiteral("Le fichier d'aide est mal formé : le texte de la "
                                              "rubrique %1, ouvert %2, n'est jamais fermé par "
                                              "« \\-/ ».")
                                   .arg(name, lineRef(opened)));
            current = lines.at(i);
        }
        ++i;
        topic.text = text.join(QLatin1Char('\n'));
        doc.topics << topic;
    }
    if (doc.topics.isEmpty())
        return failure(QStringLiteral("Le fichier d'aide ne contient aucune rubrique."));
    return {doc, {}};
}

Parsed parseBytes(QByteArrayView bytes)
{
    const QString text = plat::decodeText(bytes);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r' && u != u'\f')
            return failure(QStringLiteral("Ce fichier contient des données binaires : ce n'est pas "
                                          "un fichier d'aide."));
    }
    return parse(plat::LineList::parseText(text));
}

Parsed readFile(const QString &path)
{
    const QString host = plat::hostPath(path);
    if (!QFileInfo::exists(host))
        return failure(QStringLiteral("Le fichier d'aide « %1 » est introuvable.").arg(path));
    if (QFileInfo(host).size() > kMaxBytes)
        return failure(QStringLiteral("Le fichier « %1 » est bien trop grand pour être un fichier "
                                      "d'aide.").arg(path));
    try {
        return parseBytes(plat::readFileBytes(path));
    } catch (const plat::Failure &f) {
        return failure(QStringLiteral("Le fichier d'aide « %1 » n'a pas pu être lu. %2")
                           .arg(path, f.message()));
    }
}

QString searchKey(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            key += c;
    return key.toCaseFolded();
}

bool matches(const Topic &topic, const QString &query)
{
    const QString q = searchKey(query.trimmed());
    if (q.isEmpty())
        return true;
    if (searchKey(topic.title).contains(q))
        return true;
    for (const QString &word : topic.keywords)
        if (searchKey(word).contains(q))
            return true;
    return false;
}

} // namespace helpfile
