#include "help/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artwork {

namespace {
const QColor kDeepBlue(0x10, 0x2a, 0x6b);
const QColor kBlue(0x1f, 0x5f, 0xc8);
const QColor kSky(0x6f, 0xb7, 0xff);
const QColor kOrange(0xf5, 0x9b, 0x23);
} // namespace

QPixmap makerLogo(int side)
{
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(side * 0.06, side * 0.06, side * 0.88, side * 0.88);
    QRadialGradient disc(outer.center(), outer.width() / 2);
    disc.setColorAt(0, kBlue);
    disc.setColorAt(1, kDeepBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(outer);

    // An open ring, the gap towards the upper right, with a spark in the gap.
    QPen ring(kSky, side * 0.09, Qt::SolidLine, Qt::RoundCap);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    const QRectF inner = outer.adjusted(side * 0.2, side * 0.2, -side * 0.2, -side * 0.2);
    p.drawArc(inner, 75 * 16, 290 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    const qreal r = side * 0.07;
    const QPointF spark(inner.center().x() + inner.width() * 0.42, inner.center().y() - inner.height() * 0.42);
    p.drawEllipse(spark, r, r);
    return pm;
}

QPixmap productHeader(QSize size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient band(0, 0, size.width(), size.height());
    band.setColorAt(0, kDeepBlue);
    band.setColorAt(1, kBlue);
    p.fillRect(pm.rect(), band);

    // A few cards fanned out at the right: the sheets one learns.
    const QStringList words{QStringLiteral("house"), QStringLiteral("Haus"), QStringLiteral("casa")};
    QFont cardFont(QStringLiteral("Arial"));
    cardFont.setPixelSize(qMax(9, size.height() / 7));
    p.setFont(cardFont);
    for (int i = 0; i < words.size(); ++i) {
        p.save();
        p.translate(size.width() - 200 + i * 66, size.height() * 0.5 + (i % 2) * 8);
        p.rotate(-10 + i * 10);
        const QRectF card(-34, -22, 68, 44);
        p.setPen(QPen(kDeepBlue, 1));
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawRoundedRect(card, 5, 5);
        p.setPen(kDeepBlue);
        p.drawText(card, Qt::AlignCenter, words[i]);
        p.restore();
    }

    QFont title(QStringLiteral("Times New Roman"));
    title.setPixelSize(qMax(14, size.height() / 2));
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    p.setPen(Qt::white);
    const QRectF titleRect(18, 0, size.width() - 200, size.height() * 0.68);
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Orsiva Tavilo !"));

    QFont motto(QStringLiteral("Arial"));
    motto.setPixelSize(qMax(9, size.height() / 7));
    p.setFont(motto);
    p.setPen(kSky);
    p.drawText(QRectF(22, size.height() * 0.7, size.width() - 200, size.height() * 0.3),
               Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Le vocabulaire, fiche après fiche"));
    return pm;
}

QPixmap makerSignature(QSize size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont name(QStringLiteral("Arial"));
    name.setPixelSize(qMax(10, size.height() / 2));
    name.setBold(true);
    name.setLetterSpacing(QFont::PercentageSpacing, 130);
    p.setFont(name);
    p.setPen(kDeepBlue);
    p.drawText(QRectF(0, 0, size.width(), size.height() * 0.6), Qt::AlignCenter,
               QStringLiteral("ORSIVA"));
    QFont line(QStringLiteral("Arial"));
    line.setPixelSize(qMax(8, size.height() / 4));
    line.setItalic(true);
    p.setFont(line);
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.drawText(QRectF(0, size.height() * 0.6, size.width(), size.height() * 0.4), Qt::AlignCenter,
               QStringLiteral("logiciels éducatifs libres"));
    return pm;
}

} // namespace artwork
