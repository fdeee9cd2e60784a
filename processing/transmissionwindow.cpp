#include "processing/transmissionwindow.h"

TForm14 *Form14 = nullptr;

TForm14::TForm14(QWidget *parent) : plat::Form(QStringLiteral("Form14"), parent)
{
    setWindowTitle(QStringLiteral("Transmission de fiche à une TI 89/92"));
    resize(490, 233);
}
