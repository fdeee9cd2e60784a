#include "processing/processingwindow.h"

TForm15 *Form15 = nullptr;

TForm15::TForm15(QWidget *parent) : plat::Form(QStringLiteral("Form15"), parent)
{
    setWindowTitle(QStringLiteral("Traitement de fiches Tavilo "));
    resize(500, 300);
}
