#include "processing/mixerwindow.h"

TForm16 *Form16 = nullptr;

TForm16::TForm16(QWidget *parent) : plat::Form(QStringLiteral("Form16"), parent)
{
    setWindowTitle(QStringLiteral("Créer un dictionnaire / Mixer des fiches"));
    resize(600, 400);
}
