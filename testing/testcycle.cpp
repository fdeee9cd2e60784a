#include "testing/testcycle.h"

#include "platform/system.h"
#include "sheets/sheet.h"

namespace quiz {

void QuestionLists::build(const plat::LineList &sheet, bool frenchShown)
{
    const qsizetype n = sheets::pairCount(sheet.count());
    clear();
    m_answers.reserve(n);
    m_questions.reserve(n);
    for (qsizetype k = 1; k <= n; ++k) {
        const QString &foreign = sheet.at(2 * k - 1);
        const QString &french = sheet.at(2 * k);
        m_answers.append(frenchShown ? foreign : french);
        m_questions.append(frenchShown ? french : foreign);
    }
}

void QuestionLists::build(const QList<Question> &pairs)
{
    clear();
    for (const Question &q : pairs) {
        m_answers.append(q.entry);
        m_questions.append(q.shown);
        m_sheets.append(q.sheet);
    }
}

void QuestionLists::clear()
{
    m_answers.clear();
    m_questions.clear();
    m_sheets.clear();
}

Question QuestionLists::take(qsizetype b)
{
    Question q{m_questions.at(b), m_answers.at(b), m_sheets.value(b)};
    const qsizetype last = m_answers.size() - 1;
    if (b != last) {
        m_answers.swapItemsAt(b, last);
        m_questions.swapItemsAt(b, last);
        if (!m_sheets.isEmpty())
            m_sheets.swapItemsAt(b, last);
    }
    m_answers.removeLast();
    m_questions.removeLast();
    if (!m_sheets.isEmpty())
        m_sheets.removeLast();
    return q;
}

QString errorReportHeader(const QString &title, const QString &date)
{
    const QString prefix = QStringLiteral("Erreurs sur : ");
    const qsizetype p = title.indexOf(sheets::kInfoStart);
    if (p < 0)
        return prefix + title + sheets::kInfoStart + QStringLiteral("Test du ") + date + sheets::kInfoEnd;
    // The tested sheet's information, then the date; whatever followed its
    // end marker is dropped.
    return prefix + title.first(p) + sheets::kInfoStart + sheets::sheetInformation(title).value_or(QString())
        + QStringLiteral(" - Test du ") + date + sheets::kInfoEnd;
}

std::optional<PercentCaptions> percentCaptions(int right, int wrong)
{
    const double total = double(right) + double(wrong);
    if (total == 0)
        return std::nullopt;
    return PercentCaptions{
        QStringLiteral("Poucentage juste : ") + plat::percentageText(right, total) + QStringLiteral(" %"),
        QStringLiteral("Poucentage faux : ") + plat::percentageText(wrong, total) + QStringLiteral(" %")};
}

QString incremented(const QString &count)
{
    return QString::number(count.toLongLong() + 1);
}

QString halfSecondLater(const QString &seconds, QChar decimalSeparator)
{
    QString plain = seconds;
    plain.replace(decimalSeparator, QLatin1Char('.'));
    return plat::floatText(plain.toDouble() + 0.5, decimalSeparator);
}

const QStringList &congratulations()
{
    static const QStringList list = {
        QStringLiteral("Bravo pour ce sans-faute si impressionnant !"),
        QStringLiteral("Faultless Victory ! Veni vidi vici... Quel balaise !"),
        QStringLiteral("Oh my God ! Quel bestiâââââl sans-faute !"),
        QStringLiteral("Félicitations ! Vous n'avez fait aucune erreur !"),
        QStringLiteral("Zéro faute ! Vous êtes vraiment très fort ! Bravo !"),
        QStringLiteral("Aucune faute ! Vous êtes un utilisateur modèle d'Tavilo !"),
        QStringLiteral("Au nom de toute l'équipe Orsiva, félicitations pour ce sans-fautes !"),
        QStringLiteral("Aucune erreur : avec Tavilo, vous êtes vraiment le plus fort !"),
        QStringLiteral("100 % de réponses correctes, c'est tout simplement... parfait !"),
        QStringLiteral("Pour fêter ce formidable sans-fautes, que diriez-vous d'acheter une BMW ?"),
        QStringLiteral("100 % juste ! Vous êtes un Vardonel de l'apprentissage avec Tavilo !"),
        QStringLiteral("Zéro fautes ! Si tout le monde était aussi brillant que vous..."),
        QStringLiteral("0% d'erreurs ! Persévérance est mère de réussite."),
        QStringLiteral("0 fautes : Où vous passez avec Tavilo, les erreurs ne repoussent pas !"),
        QStringLiteral("Ce superbe sans-faute est digne d'un élève du lycée Brissemont !"),
        QStringLiteral("100 % juste ! Impressionnant. Auriez-vous 200 Go de mémoire ???"),
    };
    return list;
}

} // namespace quiz
