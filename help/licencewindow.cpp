#include "help/licencewindow.h"

#include "help/licenceholder.h"
#include "platform/controls.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TForm10 *Form10 = nullptr;

TForm10::TForm10(QWidget *parent) : plat::Form(QStringLiteral("Form10"), parent)
{
    setWindowTitle(QStringLiteral("Licence"));
    // No title-bar buttons: the window closes by its own button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(800, 560);

    setColours(Qt::black, Qt::white);

    Label4 = plat::colourLabel(QStringLiteral("Licence d'utilisation de Orsiva Tavilo"), QStringLiteral("Label4"),
                               QStringLiteral("#6fb7ff"), QFont(QStringLiteral("Arial"), 18, QFont::Bold), this);
    Label4->setAlignment(Qt::AlignCenter);

    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont textFont(QStringLiteral("Times New Roman"));
    textFont.setPointSize(12);
    Memo2->setFont(textFont);

    BitBtn1 = plat::pushButton(QStringLiteral("Quitter"), QStringLiteral("BitBtn1"), this);
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumWidth(120);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    setEscapeAction([this] { BitBtn1Click(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label4);
    layout->addWidget(Memo2, 1);
    layout->addLayout(buttons);
}

void TForm10::showEvent(QShowEvent *event)
{
    // Maximised at each showing; the screen's size is given as well, for a
    // desktop without a window manager to do it.
    if (const QScreen *s = screen())
        setGeometry(s->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    plat::Form::showEvent(event);
}

void TForm10::keyPressEvent(QKeyEvent *event)
{
    // "Quitter" is the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        BitBtn1->click();
        return;
    }
    plat::Form::keyPressEvent(event);
}

void TForm10::FormActivate()
{
    Memo2->setPlainText(Form8->Memo2.lines().join(QLatin1Char('\n')));
}

void TForm10::BitBtn1Click()
{
    closeWith(plat::mrNone);
}
