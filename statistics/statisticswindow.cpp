#include "statistics/statisticswindow.h"

TFor2 *For2 = nullptr;

TFor2::TFor2(QWidget *parent) : plat::Form(QStringLiteral("For2"), parent)
{
    setWindowTitle(QStringLiteral("Statistiques des utilisateurs Tavilo"));
    resize(800, 560);
}
