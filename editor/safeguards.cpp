#include "editor/safeguards.h"

#include "editor/termcolumns.h"
#include "sheets/sheet.h"

namespace editor {

namespace {

bool blank(QStringView line)
{
    return line.trimmed().isEmpty();
}

const QString kPairRule = QStringLiteral(
    "Après la ligne du titre, chaque ligne est un terme : le terme étranger, puis sa traduction.");
const QString kSaveOrGoBack = QStringLiteral("Oui : enregistrer la fiche telle quelle.\n"
                                             "Non : revenir au texte pour le corriger.");

QString pairText(const QString &foreign, const QString &french)
{
    return termLabel(kForeignHeading, foreign) + u'\n' + termLabel(kFrenchHeading, french);
}

} // namespace

PairLayout pairLayout(const plat::PackedLines &lines)
{
    PairLayout layout;
    qsizetype lastTerm = lines.count() - 1;
    while (lastTerm >= 1 && blank(lines.view(lastTerm)))
        --lastTerm;
    for (qsizetype i = 1; i < lastTerm; ++i) {
        if (blank(lines.view(i))) {
            if (!layout.blankTerms++)
                layout.firstBlank = i;
        }
    }
    // Line 2k - 1 is a foreign term: the last term alone when it is one.
    if (lastTerm >= 1 && lastTerm % 2 == 1)
        layout.unpairedLine = lastTerm;
    return layout;
}

std::optional<ShiftWarning> pairShiftWarning(const PairLayout &before, const PairLayout &after)
{
    if (after.blankTerms > before.blankTerms) {
        const QString line = QString::number(after.firstBlank + 1);
        const QString found =
            after.blankTerms - before.blankTerms == 1
                ? QStringLiteral("La ligne %1 est vide.").arg(line)
                : QStringLiteral("Le texte contient des lignes vides, la première à la ligne %1.").arg(line);
        return ShiftWarning{found + QStringLiteral("\n\n") + kPairRule
                                + QStringLiteral(" Une ligne vide serait lue comme un terme vide, et toutes les "
                                                 "paires qui la suivent seraient décalées : chaque traduction "
                                                 "deviendrait le terme étranger de la paire suivante.\n\n")
                                + kSaveOrGoBack,
                            after.firstBlank};
    }
    if (after.unpairedLine >= 0 && before.unpairedLine < 0) {
        return ShiftWarning{
            QStringLiteral("Le dernier terme, ligne %1, n'a pas de traduction : le texte compte un nombre "
                           "impair de termes.\n\n")
                    .arg(after.unpairedLine + 1)
                + kPairRule
                + QStringLiteral(" Une ligne ajoutée ou supprimée décale toutes les paires qui la suivent.\n\n")
                + kSaveOrGoBack,
            after.unpairedLine};
    }
    return std::nullopt;
}

QString deleteQuestion(const QString &foreign, const QString &french)
{
    return QStringLiteral("Supprimer cette paire de la fiche ?\n\n") + pairText(foreign, french);
}

QString duplicateQuestion(const QString &foreign, const QString &french)
{
    return QStringLiteral("Cette paire est déjà dans la fiche :\n\n") + pairText(foreign, french)
        + QStringLiteral("\n\nL'ajouter une deuxième fois ?");
}

QString replaceQuestion(const QString &oldForeign, const QString &oldFrench, const QString &foreign,
                        const QString &french)
{
    return QStringLiteral("Remplacer « %1 / %2 » par « %3 / %4 » ?").arg(oldForeign, oldFrench, foreign, french);
}

QString removeSheetQuestion(const QString &titleLine, const QString &file)
{
    QString name = sheets::sheetName(titleLine).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Fiche anonyme");
    return QStringLiteral("Supprimer la fiche « %1 » de la liste des fiches ?\n\n"
                          "Son fichier n'est pas effacé : il reste sur le disque et peut être remis dans la "
                          "liste par « Ajouter une fiche à la liste ».\n\nFichier : %2")
        .arg(name, file);
}

const QString kLeaveFullTextQuestion =
    QStringLiteral("Le texte de la fiche a été modifié en plein texte.\n\n"
                   "Oui : enregistrer les modifications.\n"
                   "Non : les abandonner.\n"
                   "Annuler : continuer la modification en plein texte.");

} // namespace editor
