#include "help/licenceholder.h"

#include "help/helplauncher.h"

TForm8 *Form8 = nullptr;

TForm8::TForm8(QWidget *parent)
    : plat::Form(QStringLiteral("Form8"), parent), Memo2(licenceText())
{
    resize(200, 100);
}

QStringList TForm8::licenceText()
{
    // A resource of its own, so that the package's copyright file is made
    // from the very same words.
    return helplauncher::suppliedText(QStringLiteral("licence.txt"));
}
