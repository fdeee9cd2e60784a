#include "app/exitwindow.h"

TForm6 *Form6 = nullptr;

TForm6::TForm6(QWidget *parent) : plat::Form(QStringLiteral("Form6"), parent)
{
    resize(340, 241);
}
