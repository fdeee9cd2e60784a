#include "setup/welcomewindow.h"

TFor8 *For8 = nullptr;

TFor8::TFor8(QWidget *parent) : plat::Form(QStringLiteral("For8"), parent)
{
    setWindowTitle(QStringLiteral("Bienvenue !"));
    resize(398, 285);
}
