#include "review/texts.h"

#include <cmath>

namespace review {

QString pairs(qint64 count)
{
    return count == 1 ? QStringLiteral("1 paire") : QStringLiteral("%1 paires").arg(count);
}

QString trackedText(qint64 tracked)
{
    return QStringLiteral("Paires suivies : %1").arg(tracked);
}

QString dueTodayText(qint64 due)
{
    return QStringLiteral("À revoir aujourd'hui : %1").arg(due);
}

QString retentionText(const Summary &summary)
{
    const QString caption = QStringLiteral("Rétention estimée aujourd'hui : ");
    if (summary.tracked == 0)
        return caption + QStringLiteral("–");
    return caption + QString::number(std::lround(summary.retention * 100)) + QStringLiteral(" %");
}

QString reviewButtonText(const Summary &summary, const QString &nextDue)
{
    if (summary.due > kReviewSize)
        return QStringLiteral("Réviser maintenant (%1 sur %2)").arg(pairs(kReviewSize)).arg(summary.due);
    if (summary.due > 0)
        return QStringLiteral("Réviser maintenant (%1)").arg(pairs(summary.due));
    if (!nextDue.isEmpty())
        return QStringLiteral("Prochaine révision le %1").arg(nextDue);
    return QStringLiteral("Réviser maintenant");
}

QString reviewTitle(const QString &userName, const QString &date)
{
    const QString name = userName.trimmed().isEmpty() ? QStringLiteral("l'utilisateur") : userName.trimmed();
    return QStringLiteral("Révision de %1 //du %2\\").arg(name, date);
}

QString reviewEndMessage(qsizetype reviewed, qsizetype right, const Summary &after, const QString &nextDue)
{
    const QString reviewedText = reviewed == 1 ? QStringLiteral("1 paire revue") : QStringLiteral("%1 paires revues").arg(reviewed);
    const QString rightText = right == 0   ? QStringLiteral("aucune juste")
                              : right == 1 ? QStringLiteral("1 juste")
                                           : QStringLiteral("%1 justes").arg(right);
    QString text = QStringLiteral("Révision terminée : %1, dont %2.\n").arg(reviewedText, rightText);
    if (after.due > 0)
        text += QStringLiteral("Il reste %1 à revoir aujourd'hui.").arg(pairs(after.due));
    else if (!nextDue.isEmpty())
        text += QStringLiteral("Prochaine révision : le %1.").arg(nextDue);
    return text;
}

} // namespace review
