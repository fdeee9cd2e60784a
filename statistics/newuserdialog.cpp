#include "statistics/newuserdialog.h"

TFor9b *For9b = nullptr;

TFor9b::TFor9b(QWidget *parent) : plat::Form(QStringLiteral("For9b"), parent)
{
    setWindowTitle(QStringLiteral("Nouvel utilisateur"));
    resize(400, 200);
}
