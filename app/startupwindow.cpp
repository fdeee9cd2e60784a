#include "app/startupwindow.h"

TForm7 *Form7 = nullptr;

TForm7::TForm7(QWidget *parent) : plat::Form(QStringLiteral("Form7"), parent)
{
    resize(439, 249);
}
