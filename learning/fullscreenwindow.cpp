#include "learning/fullscreenwindow.h"

Tpleinec *pleinec = nullptr;

Tpleinec::Tpleinec(QWidget *parent) : plat::Form(QStringLiteral("pleinec"), parent)
{
    setWindowTitle(QStringLiteral("pleinec"));
    resize(800, 553);
}
