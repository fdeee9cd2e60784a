#include "diversions/picturewindow.h"

TImagebm *Imagebm = nullptr;

TImagebm::TImagebm(QWidget *parent) : plat::Form(QStringLiteral("Imagebm"), parent)
{
    resize(801, 633);
}
