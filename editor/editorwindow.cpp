#include "editor/editorwindow.h"

TForm2 *Form2 = nullptr;

TForm2::TForm2(QWidget *parent) : plat::Form(QStringLiteral("Form2"), parent)
{
    setWindowTitle(QStringLiteral("Modification d'une fiche Tavilo"));
    resize(800, 560);
}
