#include "app/exitwindow.h"

#include "app/pictures.h"

#include "platform/desktop.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TForm6 *Form6 = nullptr;

TForm6::TForm6(QWidget *parent) : plat::Form(QStringLiteral("Form6"), parent)
{
    setWindowTitle(QStringLiteral("Orsiva Tavilo"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(340, 241);
    setColours(Qt::black);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(pictures::exitPicture(size()));
    box->addWidget(Image1);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1500);
    connect(Timer1, &QTimer::timeout, this, &TForm6::Timer1Timer);
}

void TForm6::FormActivate()
{
    Timer1->start();
}

void TForm6::Timer1Timer()
{
    plat::desktop().terminate();
}
