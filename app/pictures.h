#pragma once
#include <QPixmap>
#include <QString>

class ClickLabel;
class QWidget;

// The program's pictures, drawn at run time so that they stay sharp at any size.
namespace pictures {

// The maker's mark: a blue ring with a small orbiting dot.
QPixmap makerLogo(int side);
// The hint of the maker's mark in the activity windows.
inline const QString kLogoHint = QStringLiteral("Orsiva : des outils simples pour apprendre les langues.");
// The maker's mark as the windows show it: 65 pixels square, a hand cursor,
// a hint, a click that opens something.
ClickLabel *makerLogoLabel(const QString &name, const QString &hint, QWidget *parent);
// The product: two vocabulary cards, one over the other, with a word pair.
QPixmap productPicture(const QSize &size);
// The farewell picture of the exit window.
QPixmap exitPicture(const QSize &size);

} // namespace pictures
