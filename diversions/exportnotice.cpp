#include "diversions/exportnotice.h"

#include "platform/controls.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TForm11 *Form11 = nullptr;

namespace {

// The speaker, drawn here: a bearded master at a lectern with a microphone,
// once with the mouth closed and the arm down, once speaking with a raised
// hand. Alternating the two gives the impression of a live speech.
QPixmap speakerPicture(QSize size, bool speaking)
{
    QPixmap pix(size);
    pix.fill(Qt::black);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();

    // Stage light.
    QRadialGradient light(QPointF(w / 2, h * 0.35), w * 0.55);
    light.setColorAt(0, QColor(70, 70, 110));
    light.setColorAt(1, Qt::black);
    p.fillRect(pix.rect(), light);

    // Robe.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 30, 40));
    QPainterPath robe;
    robe.moveTo(w * 0.30, h);
    robe.cubicTo(w * 0.30, h * 0.55, w * 0.70, h * 0.55, w * 0.70, h);
    p.drawPath(robe);

    // Head, hair and beard.
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(QPointF(w / 2, h * 0.36), w * 0.11, h * 0.14);
    p.setBrush(QColor(220, 220, 225));
    p.drawEllipse(QPointF(w / 2, h * 0.47), w * 0.09, h * 0.09);
    p.drawChord(QRectF(w * 0.38, h * 0.20, w * 0.24, h * 0.14), 0, 180 * 16);

    // Eyes and mouth.
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(w * 0.46, h * 0.35), w * 0.012, h * 0.015);
    p.drawEllipse(QPointF(w * 0.54, h * 0.35), w * 0.012, h * 0.015);
    if (speaking)
        p.drawEllipse(QPointF(w / 2, h * 0.44), w * 0.03, h * 0.03);
    else
        p.drawRect(QRectF(w * 0.47, h * 0.435, w * 0.06, h * 0.008));

    // Arm: down at rest, raised while speaking.
    p.setPen(QPen(QColor(120, 30, 40), w * 0.05, Qt::SolidLine, Qt::RoundCap));
    if (speaking)
        p.drawLine(QPointF(w * 0.66, h * 0.68), QPointF(w * 0.80, h * 0.40));
    else
        p.drawLine(QPointF(w * 0.66, h * 0.68), QPointF(w * 0.72, h * 0.86));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(speaking ? QPointF(w * 0.80, h * 0.38) : QPointF(w * 0.72, h * 0.87),
                  w * 0.03, w * 0.03);

    // Lectern and microphone.
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(QRectF(w * 0.25, h * 0.74, w * 0.5, h * 0.26));
    p.setPen(QPen(QColor(180, 180, 180), 3));
    p.drawLine(QPointF(w * 0.42, h * 0.74), QPointF(w * 0.46, h * 0.52));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QPointF(w * 0.46, h * 0.51), w * 0.025, h * 0.03);

    p.setPen(QColor(255, 215, 0));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(int(h * 0.08));
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(0, h * 0.76, w, h * 0.24), Qt::AlignCenter, QStringLiteral("EN DIRECT"));
    return pix;
}

} // namespace

QStringList TForm11::speech()
{
    return {
        QStringLiteral("Cher utilisateur de Orsiva Tavilo."),
        QStringLiteral("C'est Zorvec en personne qui vous informe :"),
        QString(),
        QStringLiteral("Votre fichier a été enregistré à l'endroit"),
        QStringLiteral("que vous avez choisi."),
        QString(),
        QStringLiteral("Pour l'ouvrir, lancez d'abord votre tableur"),
        QStringLiteral("(LibreOffice Calc, ou Excel, marque de"),
        QStringLiteral("Microsoft Corporation), puis ouvrez-y le"),
        QStringLiteral("document : son extension est .csv."),
        QString(),
        QStringLiteral("Un double-clic sur le fichier .csv ne suffit"),
        QStringLiteral("pas : les colonnes seraient ignorées."),
        QString(),
        QStringLiteral("Le tableur vous permet ensuite de l'imprimer."),
    };
}

TForm11::TForm11(QWidget *parent) : plat::Form(QStringLiteral("Form11"), parent)
{
    setWindowTitle(QStringLiteral("Une Allocution de Maître Zorvec (en direct de Seatlle)"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(704, 276);
    setColours(Qt::black);

    // The two pictures share one place; only one is visible at a time.
    auto *pictures = new QWidget(this);
    pictures->setFixedSize(329, 241);
    Image1 = new QLabel(pictures);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 329, 241);
    Image1->setPixmap(speakerPicture(QSize(329, 241), false));
    Image2 = new QLabel(pictures);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(8, 8, 313, 225);
    Image2->setPixmap(speakerPicture(QSize(313, 225), true));
    Image2->hide();

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(speech().join(QLatin1Char('\n')));
    Memo1->setStyleSheet(QStringLiteral("background: black; color: white;"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);

    BitBtn1 = plat::pushButton(QStringLiteral("Merci, Monsieur Zorvec, pour cette allocution !"),
                               QStringLiteral("BitBtn1"), this);
    BitBtn1->setStyleSheet(QStringLiteral("background: #e8e8e8; color: black; padding: 4px;"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm11::BitBtn1Click);
    setEscapeAction([this] { BitBtn1Click(); });

    auto *right = new QVBoxLayout;
    right->addWidget(Memo1, 1);
    right->addWidget(BitBtn1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(pictures, 0, Qt::AlignTop);
    layout->addLayout(right, 1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TForm11::Timer1Timer);
    Timer1->start();
}

void TForm11::Timer1Timer()
{
    // isHidden, not isVisible: the window itself may be hidden between uses.
    if (!Image1->isHidden()) {
        Image1->hide();
        Image2->show();
    } else {
        Image1->show();
        Image2->hide();
    }
}

void TForm11::BitBtn1Click()
{
    closeWith(plat::mrOk);
}

void TForm11::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        BitBtn1->click();
        return;
    }
    plat::Form::keyPressEvent(e);
}
