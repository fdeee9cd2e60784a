#pragma once
#include <QPixmap>

// The program's pictures, drawn at run time so that they stay sharp at any size.
namespace pictures {

// The maker's mark: a blue ring with a small orbiting dot.
QPixmap makerLogo(int side);
// The product: two vocabulary cards, one over the other, with a word pair.
QPixmap productPicture(const QSize &size);
// The farewell picture of the exit window.
QPixmap exitPicture(const QSize &size);

} // namespace pictures
