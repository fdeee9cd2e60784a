#include "help/licencewindow.h"

TForm10 *Form10 = nullptr;

TForm10::TForm10(QWidget *parent) : plat::Form(QStringLiteral("Form10"), parent)
{
    setWindowTitle(QStringLiteral("Licence"));
    resize(800, 560);
}
