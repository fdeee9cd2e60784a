#include "help/licenceholder.h"

TForm8 *Form8 = nullptr;

TForm8::TForm8(QWidget *parent) : plat::Form(QStringLiteral("Form8"), parent)
{
    resize(200, 100);
}
