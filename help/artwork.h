#pragma once
#include <QPixmap>
#include <QSize>

// The pictures of the about and welcome windows, drawn when the windows are
// built rather than shipped as files.
namespace artwork {

// The maker's round logo, side by side pixels.
QPixmap makerLogo(int side);
// The product's header: the name over a blue band, with a short motto.
QPixmap productHeader(QSize size);
// The maker's signature line shown under its logos.
QPixmap makerSignature(QSize size);

} // namespace artwork
