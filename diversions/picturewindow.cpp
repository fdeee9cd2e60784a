#include "diversions/picturewindow.h"

#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/fileio.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QScreen>
#include <QVBoxLayout>

TImagebm *Imagebm = nullptr;

namespace {

void drawWheel(QPainter &p, QPointF centre, double radius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 18, 20));
    p.drawEllipse(centre, radius, radius);
    QRadialGradient rim(centre, radius * 0.64);
    rim.setColorAt(0, QColor(235, 235, 240));
    rim.setColorAt(0.8, QColor(150, 152, 160));
    rim.setColorAt(1, QColor(90, 92, 100));
    p.setBrush(rim);
    p.drawEllipse(centre, radius * 0.64, radius * 0.64);
    // Five spokes, dark gaps between them.
    p.setBrush(QColor(40, 40, 46));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 72.0 + 36.0);
        QPainterPath gap;
        gap.moveTo(0, -radius * 0.16);
        gap.lineTo(radius * 0.18, -radius * 0.55);
        gap.lineTo(-radius * 0.18, -radius * 0.55);
        gap.closeSubpath();
        p.drawPath(gap);
        p.restore();
    }
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(centre, radius * 0.1, radius * 0.1);
}

} // namespace

QImage TImagebm::drawCar()
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Evening sky over the hills, a setting sun.
    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0, QColor(18, 24, 70));
    sky.setColorAt(0.55, QColor(120, 60, 110));
    sky.setColorAt(1, QColor(250, 150, 70));
    p.fillRect(img.rect(), sky);
    QRadialGradient sun(QPointF(590, 392), 90);
    sun.setColorAt(0, QColor(255, 240, 180));
    sun.setColorAt(0.35, QColor(255, 200, 90));
    sun.setColorAt(1, QColor(255, 160, 70, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(590, 392), 90, 90);
    QPainterPath hills;
    hills.moveTo(0, 400);
    hills.cubicTo(120, 330, 220, 360, 330, 372);
    hills.cubicTo(430, 382, 520, 340, 640, 356);
    hills.cubicTo(720, 366, 770, 350, 801, 360);
    hills.lineTo(801, 410);
    hills.lineTo(0, 410);
    p.setBrush(QColor(52, 30, 66));
    p.drawPath(hills);

    // The road, with its dashed middle line.
    QLinearGradient road(0, 405, 0, kHeight);
    road.setColorAt(0, QColor(70, 66, 74));
    road.setColorAt(1, QColor(28, 28, 32));
    p.fillRect(QRect(0, 405, kWidth, kHeight - 405), road);
    p.setBrush(QColor(235, 220, 160));
    for (int x = -20; x < kWidth; x += 120)
        p.drawRect(QRectF(x, 575, 70, 8));

    // Shadow under the car.
    QRadialGradient shadow(QPointF(405, 505), 320);
    shadow.setColorAt(0, QColor(0, 0, 0, 190));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(shadow);
    p.drawEllipse(QPointF(405, 505), 320, 26);

    // Body: a low wedge facing right, long bonnet, short tail with a spoiler.
    const QPointF rearWheel(235, 452), frontWheel(575, 452);
    QPainterPath body;
    body.moveTo(112, 468);
    body.lineTo(108, 418);
    body.cubicTo(110, 400, 130, 392, 168, 388);
    body.lineTo(262, 380);
    body.cubicTo(300, 338, 340, 318, 392, 316);
    body.cubicTo(430, 316, 468, 330, 510, 372);
    body.cubicTo(580, 380, 650, 392, 688, 408);
    body.cubicTo(702, 416, 706, 440, 700, 466);
    body.lineTo(112, 468);
    QLinearGradient paint(0, 316, 0, 470);
    paint.setColorAt(0, QColor(255, 70, 60));
    paint.setColorAt(0.45, QColor(205, 20, 25));
    paint.setColorAt(1, QColor(110, 8, 12));
    p.setBrush(paint);
    p.drawPath(body);

    // Wheel arches, cut into the body only.
    p.save();
    p.setClipPath(body);
    p.setBrush(QColor(12, 6, 8));
    p.drawEllipse(rearWheel, 60, 60);
    p.drawEllipse(frontWheel, 60, 60);
    p.restore();

    // Spoiler on the rear deck.
    p.setBrush(QColor(60, 8, 10));
    p.drawRect(QRectF(110, 370, 64, 8));
    p.drawRect(QRectF(136, 378, 7, 14));

    // Side glass and the pillar between the two windows.
    QPainterPath glass;
    glass.moveTo(280, 380);
    glass.cubicTo(312, 346, 346, 330, 392, 328);
    glass.cubicTo(428, 328, 458, 342, 488, 372);
    glass.lineTo(280, 380);
    QLinearGradient tint(0, 328, 0, 380);
    tint.setColorAt(0, QColor(150, 170, 210));
    tint.setColorAt(1, QColor(25, 30, 50));
    p.setBrush(tint);
    p.drawPath(glass);
    p.setPen(QPen(QColor(60, 8, 10), 6));
    p.drawLine(QPointF(402, 332), QPointF(398, 378));

    // Shine along the flank, the door, the air intake.
    p.setPen(QPen(QColor(255, 190, 180, 170), 3));
    p.drawLine(QPointF(150, 404), QPointF(660, 414));
    p.setPen(QPen(QColor(90, 6, 10), 2));
    p.drawLine(QPointF(300, 384), QPointF(318, 462));
    p.drawLine(QPointF(470, 382), QPointF(476, 462));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 4, 6));
    QPainterPath intake;
    intake.moveTo(200, 425);
    intake.lineTo(270, 420);
    intake.lineTo(262, 440);
    intake.closeSubpath();
    p.drawPath(intake);

    // Lights.
    p.setBrush(QColor(255, 246, 200));
    p.drawEllipse(QRectF(660, 408, 34, 14));
    p.setBrush(QColor(255, 40, 30));
    p.drawRect(QRectF(108, 402, 14, 18));

    drawWheel(p, rearWheel, 52);
    drawWheel(p, frontWheel, 52);
    return img;
}

TImagebm::TImagebm(QWidget *parent) : plat::Form(QStringLiteral("Imagebm"), parent)
{
    setWindowTitle(QStringLiteral("Un petit cadeau pour les amateurs d'Altavia"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    resize(kWidth, kHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    setColours(Qt::black, Qt::white);

    const QFont font = plat::pixelFont(QStringLiteral("Liberation Sans"), 14);
    Label1 = plat::colourLabel(QStringLiteral("L'Altavia Comète GT, vedette du court métrage \"Huit minutes avant "
                                              "l'aube\" : https://www.example.org/films/huit-minutes/"),
                               QStringLiteral("Label1"), QStringLiteral("#ffe14d"), font, this);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    // The picture follows the room the window gives it, never the reverse.
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Label2 = plat::colourLabel(QStringLiteral("Dessin offert par le site d'Orsiva : https://orsiva.fr/"),
                               QStringLiteral("Label2"), QStringLiteral("#b0b0b0"), font, this);
    for (QLabel *l : {Label1, Label2})
        l->setAlignment(Qt::AlignCenter);

    BitBtn1 = plat::pushButton(QStringLiteral("Enregistrer l'image sous..."), QStringLiteral("BitBtn1"), this);
    BitBtn2 = plat::pushButton(QStringLiteral("Fermer cette fenêtre"), QStringLiteral("BitBtn2"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {BitBtn1, BitBtn2}) {
        b->setAutoDefault(true);
        b->setFont(font);
        b->setMinimumHeight(30);
        buttons->addWidget(b);
    }
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(Label1);
    layout->addWidget(Image1, 1);
    layout->addWidget(Label2);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TImagebm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TImagebm::BitBtn2Click);
}

const QByteArray &TImagebm::jpeg()
{
    if (m_jpeg.isEmpty()) {
        QBuffer buffer(&m_jpeg);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(90);
        if (!writer.write(drawCar()))
            m_jpeg.clear();
    }
    return m_jpeg;
}

void TImagebm::showEvent(QShowEvent *e)
{
    if (m_picture.isNull())
        m_picture = QImage::fromData(jpeg(), "JPEG");
    fitPicture();
    plat::Form::showEvent(e);
}

void TImagebm::resizeEvent(QResizeEvent *e)
{
    fitPicture();
    plat::Form::resizeEvent(e);
}

void TImagebm::fitPicture()
{
    if (m_picture.isNull())
        return;
    // Shown at its own size; smaller only on a screen too small for it.
    const QSize room = Image1->size();
    QImage shown = m_picture;
    if (room.width() < m_picture.width() || room.height() < m_picture.height())
        shown = m_picture.scaled(room.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Image1->setPixmap(QPixmap::fromImage(shown));
}

void TImagebm::BitBtn1Click()
{
    plat::FileRequest request;
    request.title = QStringLiteral("Enregistrer l'image sous");
    request.fileName = QStringLiteral("Altavia.jpg");
    const auto path = plat::desktop().savePicture(request);
    if (!path)
        return;
    // JPEG data whatever the name's extension.
    try {
        if (jpeg().isEmpty())
            throw plat::Failure(QStringLiteral("Le format JPEG n'est pas disponible."));
        plat::writeFile(*path, jpeg());
    } catch (const plat::Failure &f) {
        plat::desktop().showMessage(QStringLiteral("L'image n'a pas pu être enregistrée.\n") + f.message());
    }
}

void TImagebm::BitBtn2Click()
{
    closeWith(plat::mrOk);
}
