#include "statistics/completionwindow.h"

TFor13 *For13 = nullptr;

TFor13::TFor13(QWidget *parent) : plat::Form(QStringLiteral("For13"), parent)
{
    setWindowTitle(QStringLiteral("Compléter les statistiques utilisateur"));
    resize(500, 400);
}
