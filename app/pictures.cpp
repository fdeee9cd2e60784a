#include "app/pictures.h"

#include "app/clicklabel.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {
namespace {

const QColor kBlue(0x1f, 0x5f, 0xd0);
const QColor kLightBlue(0x6f, 0xa8, 0xff);
const QColor kLime(0x7c, 0xe0, 0x3c);

QPixmap blank(const QSize &size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    return pm;
}

void drawCard(QPainter &p, const QRectF &r, const QColor &face, const QString &word,
              const QColor &ink)
{
    QPainterPath path;
    path.addRoundedRect(r, r.height() * 0.08, r.height() * 0.08);
    p.setPen(QPen(QColor(0, 0, 0, 90), r.height() * 0.02));
    p.setBrush(face);
    p.drawPath(path);
    // A ruled line under the word, like an index card.
    p.setPen(QPen(QColor(0xd0, 0x40, 0x40), r.height() * 0.02));
    const qreal y = r.top() + r.height() * 0.28;
    p.drawLine(QPointF(r.left() + r.width() * 0.06, y), QPointF(r.right() - r.width() * 0.06, y));
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(qMax(6, int(r.height() * 0.30)));
    f.setItalic(true);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(r.adjusted(0, r.height() * 0.30, 0, 0), Qt::AlignCenter, word);
}

} // namespace

ClickLabel *makerLogoLabel(const QString &name, const QString &hint, QWidget *parent)
{
    auto *label = new ClickLabel(parent);
    label->setObjectName(name);
    label->setPixmap(makerLogo(65));
    label->setFixedSize(65, 65);
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(hint);
    return label;
}

QPixmap makerLogo(int side)
{
    QPixmap pm = blank(QSize(side, side));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    QLinearGradient g(0, 0, s, s);
    g.setColorAt(0, kLightBlue);
    g.setColorAt(1, kBlue);
    p.setPen(QPen(QBrush(g), s * 0.16, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(s * 0.14, s * 0.14, s * 0.72, s * 0.72);
    // An open ring: the gap holds the dot.
    p.drawArc(ring, 70 * 16, 320 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xc8, 0x30));
    p.drawEllipse(QPointF(s * 0.5 + s * 0.36 * 0.34, s * 0.5 - s * 0.36 * 0.94), s * 0.09, s * 0.09);
    return pm;
}

QPixmap productPicture(const QSize &size)
{
    QPixmap pm = blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    p.save();
    p.translate(w * 0.42, h * 0.40);
    p.rotate(-8);
    drawCard(p, QRectF(-w * 0.36, -h * 0.26, w * 0.72, h * 0.46), QColor(0xff, 0xfb, 0xe8),
             QStringLiteral("house"), kBlue);
    p.restore();
    p.save();
    p.translate(w * 0.56, h * 0.62);
    p.rotate(6);
    drawCard(p, QRectF(-w * 0.36, -h * 0.24, w * 0.72, h * 0.46), kLime,
             QStringLiteral("maison"), QColor(0x10, 0x30, 0x80));
    p.restore();
    return pm;
}

QPixmap exitPicture(const QSize &size)
{
    QPixmap pm(size);
    pm.fill(Qt::black);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const int side = int(qMin(w, h) * 0.30);
    p.drawPixmap(QPointF(w * 0.08, h * 0.10), makerLogo(side));
    p.drawPixmap(QPointF(w * 0.50, h * 0.04), productPicture(QSize(int(w * 0.44), int(h * 0.44))));
    QFont big(QStringLiteral("Liberation Sans"));
    big.setBold(true);
    big.setPixelSize(qMax(8, int(h * 0.11)));
    p.setFont(big);
    p.setPen(kLightBlue);
    p.drawText(QRectF(0, h * 0.52, w, h * 0.16), Qt::AlignCenter, QStringLiteral("À bientôt !"));
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(qMax(6, int(h * 0.06)));
    p.setFont(small);
    p.setPen(QColor(0xc0, 0xc0, 0xc0));
    p.drawText(QRectF(0, h * 0.70, w, h * 0.10), Qt::AlignCenter,
               QStringLiteral("Merci d'avoir utilisé Orsiva Tavilo."));
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawText(QRectF(0, h * 0.82, w, h * 0.10), Qt::AlignCenter,
               QStringLiteral("Bonne continuation dans vos révisions."));
    // A frame, so the borderless window stands out from a black main window.
    p.setPen(QPen(QColor(0x1f, 0x5f, 0xd0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, w - 2, h - 2));
    return pm;
}

} // namespace pictures
