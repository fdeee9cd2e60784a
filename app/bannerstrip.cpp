#include "app/bannerstrip.h"

#include "app/mainwindow.h"

#include "platform/controls.h"
#include "platform/desktop.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr int kStripHeight = 20;
const QString kHint = QStringLiteral("Cliquez sur le bandeau pour le configurer !");

QFont arial(int pixelSize, bool bold = false)
{
    return plat::pixelFont(QStringLiteral("Liberation Sans"), pixelSize, bold);
}

// Keeps the panel over the two text blocks above the strip, wherever the
// layout puts them: the blocks need not start at the same left edge.
class Cover : public QObject {
public:
    Cover(QWidget *panel, QWidget *first, QWidget *last)
        : QObject(panel), m_panel(panel), m_first(first), m_last(last)
    {
        for (QWidget *w : {first, last, panel->parentWidget()})
            w->installEventFilter(this);
    }

    void place()
    {
        const QRect blocks = area(m_first).united(area(m_last));
        const int width = std::max(blocks.width(), m_panel->sizeHint().width());
        const int height = std::max(blocks.height(), m_panel->sizeHint().height());
        m_panel->setGeometry(blocks.x(), blocks.y(), width, height);
    }

protected:
    QRect area(QWidget *block) const
    {
        return QRect(block->mapTo(m_panel->parentWidget(), QPoint(0, 0)), block->size());
    }

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Move || e->type() == QEvent::Resize || e->type() == QEvent::Show)
            place();
        return false;
    }

private:
    QWidget *m_panel, *m_first, *m_last;
};

} // namespace

// ---- BannerLabel -------------------------------------------------------------

BannerLabel::BannerLabel(banner::Scroller &scroller, QWidget *parent) : QWidget(parent), m_scroller(scroller)
{
    setObjectName(QStringLiteral("bandeau"));
    setFont(arial(13));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    m_scroller.setMeasure([this](QStringView piece) {
        return qint64(std::ceil(QFontMetricsF(font()).horizontalAdvance(piece.toString())));
    });
}

bool BannerLabel::onLabel(int x)
{
    // The label's width is measured only as far as the point asks.
    const qint64 along = x - m_scroller.left();
    return along >= 0 && !m_scroller.width().narrowerThan(along + 1);
}

bool BannerLabel::event(QEvent *e)
{
    if (e->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(e);
        if (onLabel(help->pos().x()))
            QToolTip::showText(help->globalPos(), kHint, this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void BannerLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setPen(QColor(0x3d, 0x7e, 0xff));
    p.setFont(font());
    // Text coordinates of the strip's two edges.
    const qint64 from = -m_scroller.left();
    const qint64 to = from + width();
    banner::TextWidth &w = m_scroller.width();
    w.measureTo(to);
    const QString &text = m_scroller.text();
    const qreal baseline = (height() + QFontMetricsF(font()).ascent() - QFontMetricsF(font()).descent()) / 2;
    for (const banner::TextWidth::Piece &piece : w.pieces()) {
        if (piece.x >= to)
            break;
        if (piece.x + piece.width <= from || piece.length == 0)
            continue;
        p.drawText(QPointF(qreal(piece.x - from), baseline), text.mid(piece.from, piece.length));
    }
}

void BannerLabel::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) &&
        onLabel(e->position().toPoint().x()))
        emit clicked();
    QWidget::mouseReleaseEvent(e);
}

// ---- The main window's banner ------------------------------------------------

QBoxLayout *TForm1::buildBanner()
{
    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedSize(banner::kStripWidth, kStripHeight);
    bandeau = new BannerLabel(bannerScroller, Panel3);
    bandeau->setGeometry(0, 0, banner::kStripWidth, kStripHeight);
    infos.setLines(banner::builtInMessages());
    // The design text waits wholly left of the strip: the first tick after
    // the first activation brings in line 1.
    bannerScroller.placeOutside(banner::stoppedText());

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 2, 0, 4);
    row->setSpacing(2);
    row->addStretch();
    row->addWidget(Panel3);
    row->addWidget(BitBtn10, 0, Qt::AlignVCenter);
    row->addStretch();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(banner::kInterval);

    // The panel, hidden until the banner or its tiny button is clicked.
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAttribute(Qt::WA_StyledBackground);
    Panel2->setStyleSheet(QStringLiteral("#Panel2 { background: #1c1c1c; border: 1px solid #707070; }"
                                         "QLabel, QCheckBox { color: white; }"));
    auto *grid = new QGridLayout(Panel2);
    grid->setContentsMargins(10, 6, 10, 6);
    grid->setVerticalSpacing(4);
    grid->addWidget(plat::colourLabel(QStringLiteral("Configuration du bandeau d'informations :"), QString(),
                                      QStringLiteral("white"), arial(13, true), Panel2),
                    0, 0, 1, 3);
    grid->addWidget(plat::colourLabel(QStringLiteral("Vitesse de défilement :"), QString(),
                                      QStringLiteral("white"), arial(12), Panel2),
                    1, 0);
    TrackBar1 = plat::trackBar(QStringLiteral("TrackBar1"), 0, banner::kSliderMax, 0, Panel2);
    TrackBar1->setTickPosition(QSlider::TicksBothSides);
    grid->addWidget(TrackBar1, 1, 1, 1, 2);
    CheckBox1 = new QCheckBox(QStringLiteral("Désactiver le bandeau"), Panel2);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setFont(arial(12));
    grid->addWidget(CheckBox1, 2, 0, 1, 3);
    grid->addWidget(plat::colourLabel(QStringLiteral("Fichier source :"), QString(), QStringLiteral("white"),
                                      arial(12), Panel2),
                    3, 0);
    Edit1 = new QLineEdit(banner::kMessageFile, Panel2);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    grid->addWidget(Edit1, 3, 1);
    Parcourir = plat::pushButton(QStringLiteral("Parcourir"), QStringLiteral("Parcourir"), Panel2);
    grid->addWidget(Parcourir, 3, 2);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    BitBtn8 = plat::pushButton(QStringLiteral("Modifier le bandeau"), QStringLiteral("BitBtn8"), Panel2);
    BitBtn9 = plat::pushButton(QStringLiteral("Paramètres par défaut"), QStringLiteral("BitBtn9"), Panel2);
    for (QPushButton *b : {Parcourir, BitBtn8, BitBtn9}) {
        b->setAutoDefault(true);
        b->setFont(arial(12));
    }
    buttons->addStretch();
    buttons->addWidget(BitBtn8);
    buttons->addWidget(BitBtn9);
    grid->addLayout(buttons, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    new Cover(Panel2, Memo8, Memo1);
    Panel2->hide();

    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(bandeau, &BannerLabel::clicked, this, &TForm1::bandeauClick);
    connect(BitBtn10, &QPushButton::clicked, this, &TForm1::BitBtn10Click);
    connect(TrackBar1, &QSlider::valueChanged, this, &TForm1::TrackBar1Change);
    connect(Parcourir, &QPushButton::clicked, this, &TForm1::ParcourirClick);
    connect(BitBtn8, &QPushButton::clicked, this, &TForm1::BitBtn8Click);
    connect(BitBtn9, &QPushButton::clicked, this, &TForm1::BitBtn9Click);
    return row;
}

void TForm1::restartBanner()
{
    // An unreadable file leaves the messages as they are, without a word.
    banner::loadMessages(infos, banner::kMessageFile);
    bannerScroller.restart();
    if (!Timer1->isActive())
        Timer1->start();
}

void TForm1::Timer1Timer()
{
    bannerScroller.tick();
    bandeau->update();
}

void TForm1::bandeauClick()
{
    Panel2->show();
    Panel2->raise();
}

void TForm1::BitBtn10Click()
{
    bandeauClick();
    // The tiny button is the keyboard's way in: the panel takes the focus.
    TrackBar1->setFocus();
}

void TForm1::TrackBar1Change()
{
    Timer1->setInterval(banner::intervalFor(TrackBar1->value()));
}

void TForm1::ParcourirClick()
{
    plat::FileRequest request;
    request.title = QStringLiteral("Ouvrir");
    if (const auto path = plat::desktop().openFile(request))
        Edit1->setText(*path);
}

void TForm1::BitBtn8Click()
{
    const QString path = Edit1->text();
    if (banner::loadMessages(infos, path))
        bannerScroller.restart();
    else if (path != banner::kMessageFile)
        plat::desktop().showMessage(QStringLiteral("Erreur : Le fichier d'informations ne peut être trouvé !"));

    if (CheckBox1->isChecked()) {
        Timer1->stop();
        bannerScroller.standStill(banner::stoppedText());
        bandeau->update();
    } else if (!Timer1->isActive()) {
        Timer1->start();
    }
    Panel2->hide();
}

void TForm1::BitBtn9Click()
{
    Edit1->setText(banner::kDefaultsFile);
    banner::loadMessages(infos, banner::kDefaultsFile);
    Timer1->setInterval(banner::kInterval);
    if (!Timer1->isActive())
        Timer1->start();
    CheckBox1->setChecked(false);
    Panel2->hide();
}
