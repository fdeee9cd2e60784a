#include "learning/learningwindow.h"

TForm3 *Form3 = nullptr;

TForm3::TForm3(QWidget *parent) : plat::Form(QStringLiteral("Form3"), parent)
{
    setWindowTitle(QStringLiteral("Apprentissage d'une fiche Tavilo"));
    resize(800, 560);
}
