#include "learning/fullscreenwindow.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

Tpleinec *pleinec = nullptr;

namespace {

void paintBase(QWidget *w, QPalette::ColorRole role, settings::TColor colour)
{
    QPalette pal = w->palette();
    pal.setColor(role, qColorOf(colour));
    w->setPalette(pal);
}

QPlainTextEdit *termArea(const QString &name, QWidget *parent)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(name);
    m->setReadOnly(true);
    m->setFrameShape(QFrame::NoFrame);
    m->setFocusPolicy(Qt::NoFocus);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(37);
    m->setFont(f);
    QPalette pal = m->palette();
    pal.setColor(QPalette::Text, QColor(0, 255, 0));
    m->setPalette(pal);
    m->setFixedSize(777, 249);
    return m;
}

} // namespace

QColor qColorOf(settings::TColor colour)
{
    const settings::TColor rgb = settings::resolveColour(colour);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

Tpleinec::Tpleinec(QWidget *parent) : plat::Form(QStringLiteral("pleinec"), parent)
{
    setWindowTitle(QStringLiteral("pleinec"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    resize(800, 553);
    setAutoFillBackground(true);

    auto *box = new QVBoxLayout(this);
    Memo1 = termArea(QStringLiteral("Memo1"), this);
    Memo2 = termArea(QStringLiteral("Memo2"), this);
    box->addWidget(Memo1, 0, Qt::AlignHCenter);
    box->addWidget(Memo2, 0, Qt::AlignHCenter);

    setMemo1Color(m_memo1Color);
    setMemo2Color(m_memo2Color);
    setFormColor(m_formColor);
}

void Tpleinec::setMemo1Color(settings::TColor colour)
{
    m_memo1Color = colour;
    paintBase(Memo1, QPalette::Base, colour);
}

void Tpleinec::setMemo2Color(settings::TColor colour)
{
    m_memo2Color = colour;
    paintBase(Memo2, QPalette::Base, colour);
}

void Tpleinec::setFormColor(settings::TColor colour)
{
    m_formColor = colour;
    paintBase(this, QPalette::Window, colour);
}
