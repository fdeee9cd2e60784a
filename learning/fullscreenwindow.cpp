#include "learning/fullscreenwindow.h"

#include "app/mainwindow.h"
#include "learning/learningwindow.h"
#include "learning/pronunciation.h"
#include "platform/controls.h"
#include "platform/desktop.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

Tpleinec *pleinec = nullptr;

namespace {

constexpr QLatin1StringView kAdviceRed("#ff3b3b");

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
    m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m->setFont(plat::pixelFont(QStringLiteral("Liberation Sans"), 37, true));
    QPalette pal = m->palette();
    pal.setColor(QPalette::Text, QColor(0, 255, 0));
    m->setPalette(pal);
    m->setFixedSize(777, 249);
    // The lower area keeps its place while the second term is hidden.
    QSizePolicy policy = m->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m->setSizePolicy(policy);
    return m;
}

// Clearing and refilling an area that already shows the text would redraw it
// ten times a second for nothing: that is what makes large type flicker.
void mirror(QPlainTextEdit *area, const QString &text)
{
    if (area->toPlainText() != text)
        area->setPlainText(text);
}

} // namespace

QColor qColorOf(settings::TColor colour)
{
    const settings::TColor rgb = settings::resolveColour(colour);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

settings::TColor tColorOf(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return settings::TColor(rgb.red()) | settings::TColor(rgb.green()) << 8 | settings::TColor(rgb.blue()) << 16;
}

Tpleinec::Tpleinec(QWidget *parent) : plat::Form(QStringLiteral("pleinec"), parent)
{
    setWindowTitle(QStringLiteral("pleinec"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    resize(800, 553);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    setAutoFillBackground(true);

    const QString hint = QStringLiteral("Cliquez sur ce bouton pour changer la police de caractère du terme à traduire");
    BitBtn1 = plat::pushButton(QStringLiteral("Quitter le plein écran"), QStringLiteral("BitBtn1"), this);
    BitBtn3 = plat::pushButton(QStringLiteral("Police de caractères"), QStringLiteral("BitBtn3"), this, hint);
    BitBtn2 = plat::pushButton(QStringLiteral("Couleur de la fenêtre"), QStringLiteral("BitBtn2"), this, hint);
    const QFont buttons = plat::pixelFont(QStringLiteral("Liberation Sans"), 13);
    for (QPushButton *b : {BitBtn1, BitBtn3, BitBtn2}) {
        b->setFont(buttons);
        b->setAutoDefault(true);
    }
    Label1 = plat::colourLabel(QStringLiteral("Si les mots sont illisibles et clignotent,"), QStringLiteral("Label1"),
                               kAdviceRed, buttons, this);
    Label2 = plat::colourLabel(QStringLiteral("baissez la taille de la police de caractères"),
                               QStringLiteral("Label2"), kAdviceRed, buttons, this);

    auto *box = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    for (QPushButton *b : {BitBtn1, BitBtn3, BitBtn2})
        top->addWidget(b);
    top->addStretch();
    auto *advice = new QVBoxLayout;
    advice->addWidget(Label1, 0, Qt::AlignRight);
    advice->addWidget(Label2, 0, Qt::AlignRight);
    top->addLayout(advice);
    box->addLayout(top);

    Memo1 = termArea(QStringLiteral("Memo1"), this);
    Memo2 = termArea(QStringLiteral("Memo2"), this);
    box->addStretch();
    box->addWidget(Memo1, 0, Qt::AlignHCenter);
    box->addStretch();
    box->addWidget(Memo2, 0, Qt::AlignHCenter);
    box->addStretch();

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &Tpleinec::Timer1Timer);
    connect(BitBtn1, &QPushButton::clicked, this, &Tpleinec::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Tpleinec::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &Tpleinec::BitBtn3Click);
    setEscapeAction([this] { BitBtn1Click(); });

    // Last in the tab order, beside the other buttons.
    Prononcer = plat::pushButton(QStringLiteral("Prononcer"), QStringLiteral("Prononcer"), this,
                                 QStringLiteral("Faire entendre les termes affichés"));
    Prononcer->setFont(buttons);
    Prononcer->setAutoDefault(true);
    plat::insertAfter(BitBtn2, Prononcer);
    connect(Prononcer, &QPushButton::clicked, this, [] {
        if (Form3)
            Form3->voice->sayCard();
    });

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

void Tpleinec::FormActivate()
{
    Timer1->start();
    setMemo1Color(formColor());
    setMemo2Color(formColor());
}

void Tpleinec::Timer1Timer()
{
    if (!Form3)
        return;
    mirror(Memo1, Form3->Label12->text());
    mirror(Memo2, Form3->Label10->text());
    Memo2->setVisible(!Form3->Label10->isHidden());
}

void Tpleinec::BitBtn1Click()
{
    Timer1->stop();
    closeWith(plat::mrCancel);
}

void Tpleinec::hideEvent(QHideEvent *e)
{
    // However the window goes, nothing is left to mirror.
    Timer1->stop();
    plat::Form::hideEvent(e);
}

void Tpleinec::BitBtn2Click()
{
    const std::optional<QColor> chosen = plat::desktop().chooseColor(qColorOf(memo1Color()));
    if (!chosen)
        return;
    setMemo1Color(tColorOf(*chosen));
    setMemo2Color(memo1Color());
    setFormColor(memo1Color());
    settings::writeLine(Form1->Memo6, settings::FullScreenColour, settings::colourToText(memo1Color()));
}

void Tpleinec::BitBtn3Click()
{
    if (const std::optional<QFont> font = plat::desktop().chooseFont(Memo1->font())) {
        Memo1->setFont(*font);
        Memo2->setFont(*font);
    }
}
