#include "editor/namingdialog.h"

TForm9 *Form9 = nullptr;

TForm9::TForm9(QWidget *parent) : plat::Form(QStringLiteral("Form9"), parent)
{
    setWindowTitle(QStringLiteral("Nom de la fiche..."));
    resize(400, 200);
}
