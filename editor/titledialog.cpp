#include "editor/titledialog.h"

TFor9 *For9 = nullptr;

TFor9::TFor9(QWidget *parent) : plat::Form(QStringLiteral("For9"), parent)
{
    setWindowTitle(QStringLiteral("Modifier le titre de la fiche"));
    resize(400, 200);
}
