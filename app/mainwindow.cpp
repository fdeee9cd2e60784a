#include "app/mainwindow.h"

TForm1 *Form1 = nullptr;

TForm1::TForm1(QWidget *parent) : plat::Form(QStringLiteral("Form1"), parent)
{
    setWindowTitle(QStringLiteral("Orsiva Tavilo"));
    resize(800, 572);
}
