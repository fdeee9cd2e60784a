#include "diversions/exportnotice.h"

TForm11 *Form11 = nullptr;

TForm11::TForm11(QWidget *parent) : plat::Form(QStringLiteral("Form11"), parent)
{
    setWindowTitle(QStringLiteral("Une Allocution de Maître Zorvec (en direct de Seatlle)"));
    resize(704, 276);
}
