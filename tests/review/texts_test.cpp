#include "review/texts.h"

#include <gtest/gtest.h>

namespace {

review::Summary summary(qint64 tracked, qint64 due, double retention)
{
    review::Summary s;
    s.tracked = tracked;
    s.due = due;
    s.retention = retention;
    return s;
}

TEST(ReviewTexts, AreaButtonAndEndOfReview)
{
    const struct {
        review::Summary s;
        QString nextDue;
        const char *retention;
        const char *button;
    } area[] = {
        {summary(0, 0, 0), {}, "Rétention estimée aujourd'hui : –", "Réviser maintenant"},
        {summary(3, 0, 0.9996), "11/12/2026", "Rétention estimée aujourd'hui : 100 %",
         "Prochaine révision le 11/12/2026"},
        {summary(3, 1, 0.874), {}, "Rétention estimée aujourd'hui : 87 %", "Réviser maintenant (1 paire)"},
        {summary(500, 100, 0.5), {}, "Rétention estimée aujourd'hui : 50 %", "Réviser maintenant (100 paires)"},
        {summary(500, 130, 0.5), {}, "Rétention estimée aujourd'hui : 50 %",
         "Réviser maintenant (100 paires sur 130)"},
    };
    for (const auto &c : area) {
        EXPECT_EQ(review::retentionText(c.s), QString::fromUtf8(c.retention));
        EXPECT_EQ(review::reviewButtonText(c.s, c.nextDue), QString::fromUtf8(c.button));
    }
    const struct {
        qsizetype reviewed, right;
        review::Summary after;
        QString nextDue;
        const char *message;
    } ends[] = {
        {1, 1, summary(3, 0, 1), "11/12/2026",
         "Révision terminée : 1 paire revue, dont 1 juste.\nProchaine révision : le 11/12/2026."},
        {12, 0, summary(30, 0, 1), "10/12/2026",
         "Révision terminée : 12 paires revues, dont aucune juste.\nProchaine révision : le 10/12/2026."},
        {100, 71, summary(300, 30, 1), "10/12/2026",
         "Révision terminée : 100 paires revues, dont 71 justes.\nIl reste 30 paires à revoir aujourd'hui."},
    };
    for (const auto &c : ends)
        EXPECT_EQ(review::reviewEndMessage(c.reviewed, c.right, c.after, c.nextDue), QString::fromUtf8(c.message));
    EXPECT_EQ(review::reviewTitle(QStringLiteral(" Anna "), QStringLiteral("09/12/2026")),
              QStringLiteral("Révision de Anna //du 09/12/2026\\"));
    EXPECT_EQ(review::reviewTitle(QString(), QStringLiteral("09/12/2026")),
              QStringLiteral("Révision de l'utilisateur //du 09/12/2026\\"));
}

} // namespace
