#include "testing/testwindow.h"

TForm4 *Form4 = nullptr;

TForm4::TForm4(QWidget *parent) : plat::Form(QStringLiteral("Form4"), parent)
{
    setWindowTitle(QStringLiteral("Se tester sur une fiche Tavilo"));
    resize(800, 560);
}
