#include "help/aboutwindow.h"

TForm5 *Form5 = nullptr;

TForm5::TForm5(QWidget *parent) : plat::Form(QStringLiteral("Form5"), parent)
{
    setWindowTitle(QStringLiteral("A propos d'Tavilo"));
    resize(626, 406);
}
