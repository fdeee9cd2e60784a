#include "testing/testsettingswindow.h"

TForm12 *Form12 = nullptr;

TForm12::TForm12(QWidget *parent) : plat::Form(QStringLiteral("Form12"), parent)
{
    setWindowTitle(QStringLiteral("Paramètres de la fenêtre de test"));
    resize(361, 274);
}
